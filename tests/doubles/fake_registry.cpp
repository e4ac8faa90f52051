#include "tests/doubles/fake_registry.h"

#include <algorithm>
#include <cstring>

#include "catalogue/registry_values.h"

namespace tellux::testing {
namespace {

void Put16(std::string& b, std::size_t at, int v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& b, std::size_t at, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (std::size_t k = 0; k < 4; ++k) b[at + k] = static_cast<char>((u >> (8 * k)) & 0xFF);
}

FakeValue Sz(const std::string& text) { return {kRegSz, text + std::string(1, '\0')}; }

bool EqualsNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

FakeRegistry::FakeRegistry() = default;

std::string FakeRegistry::MakeTzi(std::int32_t bias, std::int32_t daylightBias, int stdMonth,
                                  int stdWeek, int stdHour, int dltMonth, int dltWeek, int dltHour) {
  std::string b(44, '\0');
  Put32(b, 0, bias);
  Put32(b, 8, daylightBias);
  Put16(b, 14, stdMonth);
  Put16(b, 18, stdWeek);
  Put16(b, 20, stdHour);
  Put16(b, 30, dltMonth);
  Put16(b, 34, dltWeek);
  Put16(b, 36, dltHour);
  return b;
}

void FakeRegistry::AddZone(const FakeZone& zone) {
  if (!values_.count(zone.key)) order_.push_back(zone.key);
  auto& v = values_[zone.key];
  v["Display"] = Sz(zone.display);
  v["Std"] = Sz(zone.std);
  v["Dlt"] = Sz(zone.dlt);
  v["TZI"] = {kRegBinary, zone.tzi};
}

void FakeRegistry::SetValue(const std::string& key, const std::string& valueName, FakeValue value) {
  if (!values_.count(key)) order_.push_back(key);
  values_[key][valueName] = std::move(value);
}

void FakeRegistry::RemoveValue(const std::string& key, const std::string& valueName) {
  values_[key].erase(valueName);
}

void FakeRegistry::SetYearRecord(const std::string& key, int year, const std::string& tzi) {
  values_[key + "\\Dynamic DST"][std::to_string(year)] = {kRegBinary, tzi};
}

std::string FakeRegistry::CataloguePath() const {
  if (!cataloguePath.empty()) return cataloguePath;
  return platformId == kVerPlatformWin32Nt ? catalogue::kNtCataloguePath
                                           : catalogue::kWindowsCataloguePath;
}

bool FakeRegistry::GetVersionExA(OSVERSIONINFO& info) {
  if (versionCallFails || info.dwOSVersionInfoSize != 148) return false;
  info.dwMajorVersion = 10;
  info.dwPlatformId = platformId;
  return true;
}

long FakeRegistry::Open(RegKey key, const std::string& subKey, RegKey& result) {
  result = 0;
  openedPaths.push_back(subKey);
  if (key != kHkeyLocalMachine || catalogueMissing) return kErrorFileNotFound;
  const std::string root = CataloguePath();
  if (EqualsNoCase(subKey, root)) {
    result = next_++;
    open_[result] = "";
    return kErrorSuccess;
  }
  if (subKey.size() > root.size() + 1 && EqualsNoCase(subKey.substr(0, root.size()), root) &&
      subKey[root.size()] == '\\') {
    const std::string name = subKey.substr(root.size() + 1);
    for (const auto& [k, values] : values_) {
      if (EqualsNoCase(k, name)) {
        result = next_++;
        open_[result] = k;
        return kErrorSuccess;
      }
    }
  }
  return kErrorFileNotFound;
}

long FakeRegistry::RegOpenKeyExA(RegKey key, const std::string& subKey, std::uint32_t,
                                 std::uint32_t, RegKey& result) {
  return Open(key, subKey, result);
}

long FakeRegistry::RegOpenKeyA(RegKey key, const std::string& subKey, RegKey& result) {
  return Open(key, subKey, result);
}

long FakeRegistry::RegEnumKeyExA(RegKey key, std::uint32_t index, std::string& name,
                                 std::uint32_t& nameLength, std::string&, std::uint32_t& classLength,
                                 FILETIME&) {
  const auto it = open_.find(key);
  if (it == open_.end() || !it->second.empty()) return 6;  // ERROR_INVALID_HANDLE
  if (index >= order_.size()) return kErrorNoMoreItems;
  const std::string& k = order_[index];
  if (k.size() + 1 > nameLength || k.size() + 1 > name.size()) return kErrorMoreData;
  std::memcpy(name.data(), k.c_str(), k.size() + 1);
  nameLength = static_cast<std::uint32_t>(k.size());
  classLength = 0;
  return kErrorSuccess;
}

long FakeRegistry::RegQueryValueExA(RegKey key, const std::string& valueName, std::uint32_t& type,
                                    std::string* data, std::uint32_t& dataSize) {
  const auto it = open_.find(key);
  if (it == open_.end()) return 6;
  const auto zone = values_.find(it->second);
  if (zone == values_.end()) return kErrorFileNotFound;
  const auto value = zone->second.find(valueName);
  if (value == zone->second.end()) return kErrorFileNotFound;
  const FakeValue& v = value->second;
  type = v.type;
  const auto size = static_cast<std::uint32_t>(v.bytes.size());
  if (data == nullptr) {
    dataSize = size;
    return kErrorSuccess;
  }
  if (dataSize < size || data->size() < size) {
    dataSize = size;
    return kErrorMoreData;
  }
  std::memcpy(data->data(), v.bytes.data(), size);
  dataSize = size;
  return kErrorSuccess;
}

long FakeRegistry::RegCloseKey(RegKey key) {
  return open_.erase(key) == 1 ? kErrorSuccess : 6;
}

}  // namespace tellux::testing
