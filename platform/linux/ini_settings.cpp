#include "platform/linux/ini_settings.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <vector>

#include "platform/linux/ini_document.h"
#include "platform/linux/unique_fd.h"

namespace tellux {
namespace {

// The file's text; an absent file is empty. nullopt when it exists but
// cannot be read, so a save never replaces what it could not see.
std::optional<std::string> ReadFile(const std::filesystem::path& file) {
  // Without O_NONBLOCK a FIFO in the file's place would hold the program in
  // open(); only a regular file is read.
  UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (!fd.valid()) {
    if (errno == ENOENT || errno == ENOTDIR) return std::string();
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
  return all;
}

bool IsStorableAppName(std::string_view app) {
  return IniDocument::IsStorableName(app) && app.find('/') == std::string_view::npos &&
         app != "." && app != "..";
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
  const auto text = ReadFile(file);
  if (!text) return std::string(defaultValue);
  return IniDocument(*text).Get(section, key).value_or(std::string(defaultValue));
}

bool IniSettings::SaveSetting(std::string_view appName, std::string_view section,
                              std::string_view key, std::string_view value) {
  const std::filesystem::path file = FileOf(appName);
  if (file.empty()) return false;
  const auto text = ReadFile(file);
  if (!text) return false;
  IniDocument document(*text);
  return document.Set(section, key, value) && ReplaceAtomically(file, document.Text());
}

}  // namespace tellux
