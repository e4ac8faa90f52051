#include "platform/linux/ini_settings.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unicode/utf8.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <vector>

#include "platform/linux/unique_fd.h"
#include "platform/text.h"

namespace tellux {
namespace {

enum class LineKind { kBlank, kComment, kSection, kSetting, kDamaged };

struct Line {
  LineKind kind = LineKind::kDamaged;
  std::string text;   // as it stands in the file
  std::string name;   // section name or key
  std::string value;  // of a setting
};

// Valid UTF-8 without control characters other than tab.
bool IsPlainText(std::string_view s) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(s.data());
  const auto length = static_cast<std::int32_t>(s.size());
  for (std::int32_t i = 0; i < length;) {
    UChar32 c = 0;
    U8_NEXT(bytes, i, length, c);
    if (c < 0 || (c < 0x20 && c != '\t') || c == 0x7F) return false;
  }
  return true;
}

// Blanks around names and values: spaces and tabs.
std::string_view Trim(std::string_view s) { return text::Trim(s, " \t"); }

Line Classify(std::string_view text) {
  Line line;
  line.text = std::string(text);
  if (text.size() > IniSettings::kMaxLineBytes || !IsPlainText(text)) return line;
  const std::string_view t = Trim(text);
  if (t.empty()) {
    line.kind = LineKind::kBlank;
  } else if (t.front() == ';' || t.front() == '#') {
    line.kind = LineKind::kComment;
  } else if (t.front() == '[') {
    const std::string_view inner =
        t.size() >= 2 && t.back() == ']' ? Trim(t.substr(1, t.size() - 2)) : std::string_view{};
    if (!inner.empty() && inner.find_first_of("[]") == std::string_view::npos) {
      line.kind = LineKind::kSection;
      line.name = std::string(inner);
    }
  } else if (const auto eq = text.find('='); eq != std::string_view::npos) {
    const std::string_view key = Trim(text.substr(0, eq));
    if (!key.empty()) {
      line.kind = LineKind::kSetting;
      line.name = std::string(key);
      line.value = std::string(text.substr(eq + 1));
    }
  }
  return line;
}

// The file's lines; an absent file has none. nullopt when it exists but
// cannot be read, so a save never replaces what it could not see.
std::optional<std::vector<Line>> Load(const std::filesystem::path& file) {
  // Without O_NONBLOCK a FIFO in the file's place would hold the program in
  // open(); only a regular file is read.
  UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (!fd.valid()) {
    if (errno == ENOENT || errno == ENOTDIR) return std::vector<Line>{};
    return std::nullopt;
  }
  struct stat st {};
  std::string all;
  bool ok = ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode);
  char buffer[8192];
  while (ok) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    all.append(buffer, static_cast<std::size_t>(n));
  }
  fd.Close();
  if (!ok) return std::nullopt;
  if (all.rfind("\xEF\xBB\xBF", 0) == 0) all.erase(0, 3);  // a byte order mark

  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < all.size()) {
    std::size_t end = all.find('\n', start);
    if (end == std::string::npos) end = all.size();
    std::string_view text(all.data() + start, end - start);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    lines.push_back(Classify(text));
    start = end + 1;
  }
  return lines;
}

// Marks the settings whose section is unknown (before any header, or under an
// unreadable one) as damaged, and gives each setting its section's index.
std::vector<std::size_t> SectionOfEach(std::vector<Line>& lines) {
  constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::vector<std::size_t> sectionOf(lines.size(), kNone);
  std::size_t current = kNone;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Line& line = lines[i];
    if (line.kind == LineKind::kSection) {
      current = i;
    } else if (line.kind == LineKind::kDamaged && Trim(line.text).substr(0, 1) == "[") {
      current = kNone;
    } else if (line.kind == LineKind::kSetting) {
      if (current == kNone) line.kind = LineKind::kDamaged;
      sectionOf[i] = current;
    }
  }
  return sectionOf;
}

// Index of the first setting key in a section named section, or lines.size().
std::size_t FindSetting(const std::vector<Line>& lines, const std::vector<std::size_t>& sectionOf,
                        std::string_view section, std::string_view key) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind == LineKind::kSetting && text::EqualNoCase(lines[i].name, key) &&
        text::EqualNoCase(lines[sectionOf[i]].name, section)) {
      return i;
    }
  }
  return lines.size();
}

bool IsStorableName(std::string_view name) {
  return !name.empty() && IsPlainText(name) && Trim(name).size() == name.size();
}

bool IsStorableAppName(std::string_view app) {
  return IsStorableName(app) && app.find('/') == std::string_view::npos && app != "." &&
         app != "..";
}

// mkdir -p with owner-only access for what it creates.
bool MakeDirectories(const std::filesystem::path& dir) {
  std::filesystem::path partial;
  for (const auto& part : dir) {
    partial /= part;
    if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return std::filesystem::is_directory(dir);
}

bool WriteAll(int fd, const std::string& data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Removes what a save killed part-way left behind: "<file>.XXXXXX" files of
// mkostemp's making that have not been touched for a while, so that a save
// another instance is writing at this moment is left alone.
void RemoveStaleTemporaryFiles(const std::filesystem::path& file) {
  constexpr std::time_t kStaleSeconds = 60;
  const std::string prefix = file.filename().string() + ".";
  const std::time_t now = std::time(nullptr);
  std::error_code ec;
  for (std::filesystem::directory_iterator it(file.parent_path(), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) continue;
    struct stat st {};
    if (::lstat(it->path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (now - st.st_mtime >= kStaleSeconds) ::unlink(it->path().c_str());
  }
}

bool ReplaceAtomically(const std::filesystem::path& file, const std::string& content) {
  const std::filesystem::path dir = file.parent_path();
  if (!MakeDirectories(dir)) return false;
  RemoveStaleTemporaryFiles(file);
  std::string temp = file.string() + ".XXXXXX";
  UniqueFd fd(::mkostemp(temp.data(), O_CLOEXEC));
  if (!fd.valid()) return false;
  struct stat old {};
  // The new file takes the old one's permissions; a first file stays 0600.
  bool ok = (::stat(file.c_str(), &old) != 0 || ::fchmod(fd.get(), old.st_mode & 07777) == 0) &&
            WriteAll(fd.get(), content) && ::fsync(fd.get()) == 0;
  ok = fd.Close() && ok;
  if (!ok || ::rename(temp.c_str(), file.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  // The rename is done and visible; syncing the directory makes it survive
  // a crash, and a failure here cannot bring the old file back.
  const UniqueFd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dirFd.valid()) ::fsync(dirFd.get());
  return true;
}

}  // namespace

IniSettings::IniSettings(std::filesystem::path base) : base_(std::move(base)) {}

IniSettings::IniSettings() : IniSettings(ConfigBase()) {}

std::filesystem::path IniSettings::ConfigBase() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return std::filesystem::path(home) / ".config";
  std::vector<char> buffer(16384);
  struct passwd entry {};
  struct passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
      found != nullptr && found->pw_dir != nullptr && found->pw_dir[0] == '/') {
    return std::filesystem::path(found->pw_dir) / ".config";
  }
  return {};
}

std::filesystem::path IniSettings::FileOf(std::string_view appName) const {
  if (base_.empty() || !IsStorableAppName(appName)) return {};
  return base_ / appName / (std::string(appName) + ".ini");
}

std::string IniSettings::GetSetting(std::string_view appName, std::string_view section,
                                    std::string_view key, std::string_view defaultValue) {
  const std::filesystem::path file = FileOf(appName);
  if (file.empty()) return std::string(defaultValue);
  auto lines = Load(file);
  if (!lines) return std::string(defaultValue);
  const auto sectionOf = SectionOfEach(*lines);
  const std::size_t at = FindSetting(*lines, sectionOf, section, key);
  return at < lines->size() ? (*lines)[at].value : std::string(defaultValue);
}

bool IniSettings::SaveSetting(std::string_view appName, std::string_view section,
                              std::string_view key, std::string_view value) {
  const std::filesystem::path file = FileOf(appName);
  if (file.empty() || !IsStorableName(section) || !IsStorableName(key) || !IsPlainText(value) ||
      section.find_first_of("[]") != std::string_view::npos ||
      key.find('=') != std::string_view::npos || key.front() == '[' || key.front() == ';' ||
      key.front() == '#') {
    return false;
  }
  const std::string setting = std::string(key) + "=" + std::string(value);
  if (setting.size() > kMaxLineBytes) return false;
  auto loaded = Load(file);
  if (!loaded) return false;
  std::vector<Line>& lines = *loaded;
  const auto sectionOf = SectionOfEach(lines);

  std::size_t at = FindSetting(lines, sectionOf, section, key);
  if (at < lines.size()) {
    // Keep the key as the file spells it.
    lines[at].text = lines[at].name + "=" + std::string(value);
  } else {
    std::size_t header = lines.size();
    for (std::size_t i = 0; i < lines.size() && header == lines.size(); ++i) {
      if (lines[i].kind == LineKind::kSection && text::EqualNoCase(lines[i].name, section)) header = i;
    }
    Line added{LineKind::kSetting, setting, std::string(key), std::string(value)};
    if (header < lines.size()) {
      // After the section's last setting, ahead of blank lines and comments
      // that lead into the next section.
      std::size_t insert = header + 1;
      for (std::size_t i = header + 1; i < lines.size() && lines[i].kind != LineKind::kSection;
           ++i) {
        if (lines[i].kind == LineKind::kSetting) insert = i + 1;
      }
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insert), added);
    } else {
      if (!lines.empty() && lines.back().kind != LineKind::kBlank)
        lines.push_back({LineKind::kBlank, "", "", ""});
      lines.push_back(
          {LineKind::kSection, "[" + std::string(section) + "]", std::string(section), ""});
      lines.push_back(added);
    }
  }

  std::string content;
  for (const Line& line : lines) {
    if (line.kind == LineKind::kDamaged) continue;
    content += line.text;
    content += '\n';
  }
  return ReplaceAtomically(file, content);
}

}  // namespace tellux
