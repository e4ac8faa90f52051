#include "platform/linux/ini_settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "platform/linux/files/atomic_file.h"
#include "platform/linux/files/unique_fd.h"
#include "platform/linux/files/user_folder.h"
#include "platform/linux/ini_document.h"

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

}  // namespace

IniSettings::IniSettings(std::filesystem::path base) : base_(std::move(base)) {}

IniSettings::IniSettings() : IniSettings(ConfigBase()) {}

std::filesystem::path IniSettings::ConfigBase() { return UserFolder("XDG_CONFIG_HOME", ".config"); }

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
  return document.Set(section, key, value) && ReplaceFileAtomically(file, document.Text(), Durability::kSynced);
}

}  // namespace tellux
