#pragma once
// A per-user settings store in memory.

#include <map>
#include <string>
#include <tuple>

#include "platform/settings_store.h"

namespace tellux::testing {

class MemorySettings final : public SettingsStore {
 public:
  using Key = std::tuple<std::string, std::string, std::string>;
  std::map<Key, std::string> values;
  bool writesFail = false;
  int writes = 0;

  // The stored text of key under TelluxTime/Settings, or nullptr.
  const std::string* Find(const std::string& key) const;
  void Store(const std::string& key, const std::string& value) {
    values[{"TelluxTime", "Settings", key}] = value;
  }

  std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                         std::string_view defaultValue) override {
    const auto it = values.find({std::string(app), std::string(section), std::string(key)});
    return it == values.end() ? std::string(defaultValue) : it->second;
  }
  bool SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                   std::string_view value) override {
    ++writes;
    if (writesFail) return false;
    values[{std::string(app), std::string(section), std::string(key)}] = std::string(value);
    return true;
  }
};

inline const std::string* MemorySettings::Find(const std::string& key) const {
  const auto it = values.find({"TelluxTime", "Settings", key});
  return it == values.end() ? nullptr : &it->second;
}

}  // namespace tellux::testing
