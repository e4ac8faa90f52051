#pragma once
// The text of an INI settings file, read and edited in memory. "[Section]"
// lines open sections, "key=value" lines hold settings; section and key
// names compare ASCII case-insensitively, the value is everything after the
// first "=", blanks included. A leading byte order mark is ignored; lines
// end in "\n" or "\r\n".
//
// Lines that cannot be read (invalid UTF-8, control characters, longer than
// kMaxLineBytes, no "=") are skipped, and dropped from Text(); every
// readable setting, comment (";" or "#") and blank line is kept. Keys under
// an unreadable section header, or before any header, are treated the same
// way: their section is unknown. The first of duplicate keys counts.
//
// A value must be UTF-8 text without control characters other than tab; Set
// refuses (false) a value with a newline, NUL or other control character
// rather than escape it, so the file stays plain to read and edit.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tellux {

class IniDocument {
 public:
  static constexpr std::size_t kMaxLineBytes = 4096;

  explicit IniDocument(std::string_view text);

  // The value of section's key; nullopt when there is none.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;

  // Sets section's key to value: in place where the key is, else after the
  // section's last setting, else in a new section at the end. False, and
  // the document unchanged, when a name or the value cannot be stored.
  bool Set(std::string_view section, std::string_view key, std::string_view value);

  // The document as a file holds it: every readable line, each ending in "\n".
  std::string Text() const;

  // Valid UTF-8 without control characters other than tab.
  static bool IsPlainText(std::string_view s);
  // Plain text, not empty, without blanks at either end.
  static bool IsStorableName(std::string_view name);

 private:
  enum class Kind { kBlank, kComment, kSection, kSetting, kDamaged };
  // One line as it stands in the file; its name (section name or key) and
  // a setting's value are ranges of its text, so a line costs one string.
  struct Line {
    Kind kind = Kind::kDamaged;
    std::string text;
    std::size_t nameAt = 0, nameSize = 0, valueAt = 0;

    std::string_view Name() const { return std::string_view(text).substr(nameAt, nameSize); }
    std::string_view Value() const { return std::string_view(text).substr(valueAt); }
  };

  static Line Classify(std::string_view text);
  static Line Setting(std::string_view key, std::string_view value);
  void AssignSections();
  std::size_t Find(std::string_view section, std::string_view key) const;

  std::vector<Line> lines_;
  std::vector<std::size_t> sectionOf_;  // each setting's section line
};

}  // namespace tellux
