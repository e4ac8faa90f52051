#pragma once
// The user's settings as REG_SZ values under
// HKEY_CURRENT_USER\Software\<application>\<section>, one value per key.

#include "platform/settings_store.h"

namespace tellux::win32 {

class RegistrySettings final : public SettingsStore {
 public:
  // The default when the key or value is missing or not REG_SZ.
  std::string GetSetting(std::string_view appName, std::string_view section, std::string_view key,
                         std::string_view defaultValue) override;
  bool SaveSetting(std::string_view appName, std::string_view section, std::string_view key,
                   std::string_view value) override;
};

}  // namespace tellux::win32
