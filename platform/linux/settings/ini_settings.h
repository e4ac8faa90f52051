#pragma once
// Per-user settings on Linux: one INI file per application,
// <base>/<appName>/<appName>.ini, base being $XDG_CONFIG_HOME or
// $HOME/.config. The file's format, and what is kept of a damaged file, is
// IniDocument's; only a regular file is read.

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/settings_store.h"

namespace tellux {

class IniSettings final : public SettingsStore {
 public:
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
