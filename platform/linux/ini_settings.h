#pragma once
// Per-user settings on Linux: one INI file per application,
// <base>/<appName>/<appName>.ini, base being $XDG_CONFIG_HOME or
// $HOME/.config. "[Section]" lines open sections, "key=value" lines hold
// settings; section and key names compare ASCII case-insensitively, the
// value is everything after the first "=", blanks included.
//
// Lines that cannot be read (invalid UTF-8, control characters, longer than
// kMaxLineBytes, no "=") are skipped, and dropped at the next save; every
// readable setting, comment (";" or "#") and blank line is kept. Keys under
// an unreadable section header, or before any header, are treated the same
// way: their section is unknown. The first of duplicate keys counts.
//
// A value must be UTF-8 text without control characters other than tab;
// SaveSetting refuses (false) a value with a newline, NUL or other control
// character rather than escape it, so the file stays plain to read and edit.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/settings_store.h"

namespace tellux {

class IniSettings final : public SettingsStore {
 public:
  static constexpr std::size_t kMaxLineBytes = 4096;

  // Files under base/<appName>/; an empty base makes every read give the
  // default and every save fail.
  explicit IniSettings(std::filesystem::path base);
  // Files under the user's configuration directory.
  IniSettings();

  // $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config (the
  // password database's home when HOME is unset); empty when neither exists.
  static std::filesystem::path ConfigBase();

  std::string GetSetting(std::string_view appName, std::string_view section, std::string_view key,
                         std::string_view defaultValue) override;

  // Replaces the file atomically (a new file beside it, flushed to disk,
  // renamed over it), so a failure at any point leaves the old file whole.
  // Creates the directories as needed (mode 0700). False when a name or the
  // value cannot be stored or the file cannot be written.
  bool SaveSetting(std::string_view appName, std::string_view section, std::string_view key,
                   std::string_view value) override;

 private:
  std::filesystem::path FileOf(std::string_view appName) const;

  std::filesystem::path base_;
};

}  // namespace tellux
