#pragma once
// An in-memory registry hive holding a zone catalogue, built in code from a
// list of zones. Zones are enumerated in the order they were added.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace tellux::testing {

struct FakeValue {
  std::uint32_t type = kRegSz;
  std::string bytes;  // REG_SZ values include their terminating NUL
};

struct FakeZone {
  std::string key;
  std::string display;
  std::string std;
  std::string dlt;
  std::string tzi;  // raw bytes, normally 44
};

class FakeRegistry final : public Registry {
 public:
  FakeRegistry();

  // The 44-byte "TZI" record: biases in minutes, rules as month, week
  // (5 = last) and hour; weekday 0 (Sunday).
  static std::string MakeTzi(std::int32_t bias, std::int32_t daylightBias = 0, int stdMonth = 0,
                             int stdWeek = 0, int stdHour = 0, int dltMonth = 0, int dltWeek = 0,
                             int dltHour = 0);

  void AddZone(const FakeZone& zone);
  // Removes every zone.
  void Clear() {
    order_.clear();
    values_.clear();
  }
  // Sets or replaces one value of a zone's subkey.
  void SetValue(const std::string& key, const std::string& valueName, FakeValue value);
  void RemoveValue(const std::string& key, const std::string& valueName);
  // Gives a zone's "Dynamic DST" subkey a REG_BINARY value named by year.
  void SetYearRecord(const std::string& key, int year, const std::string& tzi);

  std::uint32_t platformId = kVerPlatformWin32Nt;
  bool versionCallFails = false;
  bool catalogueMissing = false;
  // Where the zones live; follows the platform family unless set.
  std::string cataloguePath;

  // Keys opened and not yet closed.
  int OpenHandles() const { return static_cast<int>(open_.size()); }
  // Every path that was asked for with RegOpenKeyA / RegOpenKeyExA.
  std::vector<std::string> openedPaths;

  bool GetVersionExA(OSVERSIONINFO& info) override;
  long RegOpenKeyExA(RegKey key, const std::string& subKey, std::uint32_t options,
                     std::uint32_t samDesired, RegKey& result) override;
  long RegEnumKeyExA(RegKey key, std::uint32_t index, std::string& name, std::uint32_t& nameLength,
                     std::string& className, std::uint32_t& classLength,
                     FILETIME& lastWriteTime) override;
  long RegOpenKeyA(RegKey key, const std::string& subKey, RegKey& result) override;
  long RegQueryValueExA(RegKey key, const std::string& valueName, std::uint32_t& type,
                        std::string* data, std::uint32_t& dataSize) override;
  long RegCloseKey(RegKey key) override;

 private:
  std::string CataloguePath() const;
  long Open(RegKey key, const std::string& subKey, RegKey& result);

  std::vector<std::string> order_;                                  // subkeys, enumeration order
  // subkey ("Zone", or "Zone\\Dynamic DST" below one) -> values
  std::map<std::string, std::map<std::string, FakeValue>> values_;
  std::map<RegKey, std::string> open_;                              // handle -> subkey ("" = root)
  RegKey next_ = 0x1000;
};

}  // namespace tellux::testing
