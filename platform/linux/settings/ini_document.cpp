#include "platform/linux/settings/ini_document.h"

#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>

#include "platform/text.h"

namespace tellux {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Blanks around names and values: spaces and tabs.
std::string_view Trim(std::string_view s) { return text::Trim(s, " \t"); }

}  // namespace

bool IniDocument::IsPlainText(std::string_view s) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(s.data());
  const auto length = static_cast<std::int32_t>(s.size());
  for (std::int32_t i = 0; i < length;) {
    UChar32 c = bytes[i];
    if (c < 0x80) {
      ++i;  // most of a settings file: no decoding needed
    } else {
      U8_NEXT(bytes, i, length, c);
    }
    if (c < 0 || (c < 0x20 && c != '\t') || c == 0x7F) return false;
  }
  return true;
}

bool IniDocument::IsStorableName(std::string_view name) {
  return !name.empty() && IsPlainText(name) && Trim(name).size() == name.size();
}

IniDocument::Line IniDocument::Classify(std::string_view text) {
  Line line;
  line.text = std::string(text);
  if (text.size() > kMaxLineBytes || !IsPlainText(text)) return line;
  const std::string_view t = Trim(text);
  const auto at = [&](std::string_view part) { return static_cast<std::size_t>(part.data() - text.data()); };
  if (t.empty()) {
    line.kind = Kind::kBlank;
  } else if (t.front() == ';' || t.front() == '#') {
    line.kind = Kind::kComment;
  } else if (t.front() == '[') {
    const std::string_view inner =
        t.size() >= 2 && t.back() == ']' ? Trim(t.substr(1, t.size() - 2)) : std::string_view{};
    if (!inner.empty() && inner.find_first_of("[]") == std::string_view::npos) {
      line.kind = Kind::kSection;
      line.nameAt = at(inner);
      line.nameSize = inner.size();
    }
  } else if (const auto eq = text.find('='); eq != std::string_view::npos) {
    const std::string_view key = Trim(text.substr(0, eq));
    if (!key.empty()) {
      line.kind = Kind::kSetting;
      line.nameAt = at(key);
      line.nameSize = key.size();
      line.valueAt = eq + 1;
    }
  }
  return line;
}

IniDocument::Line IniDocument::Setting(std::string_view key, std::string_view value) {
  Line line{Kind::kSetting, std::string(key), 0, key.size(), key.size() + 1};
  line.text += '=';
  line.text += value;
  return line;
}

IniDocument::IniDocument(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  lines_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines_.push_back(Classify(line));
    start = end + 1;
  }
  AssignSections();
}

// Marks the settings whose section is unknown (before any header, or under an
// unreadable one) as damaged, and gives each setting its section's index.
void IniDocument::AssignSections() {
  sectionOf_.assign(lines_.size(), kNone);
  std::size_t current = kNone;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    Line& line = lines_[i];
    if (line.kind == Kind::kSection) {
      current = i;
    } else if (line.kind == Kind::kDamaged && Trim(line.text).substr(0, 1) == "[") {
      current = kNone;
    } else if (line.kind == Kind::kSetting) {
      if (current == kNone) line.kind = Kind::kDamaged;
      sectionOf_[i] = current;
    }
  }
}

// Index of the first setting key in a section named section, or kNone.
std::size_t IniDocument::Find(std::string_view section, std::string_view key) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == Kind::kSetting && text::EqualNoCase(lines_[i].Name(), key) &&
        text::EqualNoCase(lines_[sectionOf_[i]].Name(), section)) {
      return i;
    }
  }
  return kNone;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
  const std::size_t at = Find(section, key);
  if (at == kNone) return std::nullopt;
  return std::string(lines_[at].Value());
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  if (!IsStorableName(section) || !IsStorableName(key) || !IsPlainText(value) ||
      section.find_first_of("[]") != std::string_view::npos ||
      key.find('=') != std::string_view::npos || key.front() == '[' || key.front() == ';' ||
      key.front() == '#') {
    return false;
  }
  if (key.size() + 1 + value.size() > kMaxLineBytes) return false;

  if (const std::size_t at = Find(section, key); at != kNone) {
    // Keep the key as the file spells it.
    lines_[at] = Setting(lines_[at].Name(), value);
    return true;
  }
  std::size_t header = kNone;
  for (std::size_t i = 0; i < lines_.size() && header == kNone; ++i) {
    if (lines_[i].kind == Kind::kSection && text::EqualNoCase(lines_[i].Name(), section)) header = i;
  }
  Line added = Setting(key, value);
  if (header != kNone) {
    // After the section's last setting, ahead of blank lines and comments
    // that lead into the next section.
    std::size_t insert = header + 1;
    for (std::size_t i = header + 1; i < lines_.size() && lines_[i].kind != Kind::kSection; ++i) {
      if (lines_[i].kind == Kind::kSetting) insert = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert), std::move(added));
  } else {
    if (!lines_.empty() && lines_.back().kind != Kind::kBlank) lines_.push_back({Kind::kBlank, "", 0, 0, 0});
    lines_.push_back({Kind::kSection, "[" + std::string(section) + "]", 1, section.size(), 0});
    lines_.push_back(std::move(added));
  }
  AssignSections();
  return true;
}

std::string IniDocument::Text() const {
  std::size_t size = 0;
  for (const Line& line : lines_) size += line.text.size() + 1;
  std::string content;
  content.reserve(size);
  for (const Line& line : lines_) {
    if (line.kind == Kind::kDamaged) continue;
    content += line.text;
    content += '\n';
  }
  return content;
}

}  // namespace tellux
