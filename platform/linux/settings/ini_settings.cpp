#include "platform/linux/settings/ini_settings.h"

#include <cstddef>
#include <limits>
#include <optional>

#include "platform/linux/files/atomic_file.h"
#include "platform/linux/files/small_file.h"
#include "platform/linux/files/user_folder.h"
#include "platform/linux/settings/ini_document.h"

namespace tellux {
namespace {

// The file's text; an absent file is empty. nullopt when it exists but
// cannot be read, so a save never replaces what it could not see. The
// settings file has no size limit of its own: it is read whole.
std::optional<std::string> ReadFile(const std::filesystem::path& file) {
  return ReadSmallFile(file, std::numeric_limits<std::size_t>::max(), MissingFile::kReadsEmpty);
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
  return document.Set(section, key, value) && ReplaceFileAtomically(file, document.Text());
}

}  // namespace tellux
