#pragma once
// The per-user store of named texts, addressed by application, section and key.

#include <string>
#include <string_view>

namespace tellux {

class SettingsStore {
 public:
  SettingsStore() = default;
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;
  virtual ~SettingsStore() = default;

  // The stored text, or defaultValue when the key is missing or unreadable.
  virtual std::string GetSetting(std::string_view appName, std::string_view section,
                                 std::string_view key, std::string_view defaultValue) = 0;

  // Stores value; false when it could not be stored (the old value then stays).
  virtual bool SaveSetting(std::string_view appName, std::string_view section,
                           std::string_view key, std::string_view value) = 0;
};

}  // namespace tellux
