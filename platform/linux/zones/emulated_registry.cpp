#include "platform/linux/zones/emulated_registry.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace tellux::zoneinfo {
namespace {

constexpr std::string_view kCataloguePath = kNtCataloguePath;
constexpr std::string_view kYearKeyName = "Dynamic DST";

// The part of a buffer a call may write: its first `length` characters, and
// never past the string's end.
std::size_t Capacity(const std::string& buffer, std::uint32_t length) {
  return std::min<std::size_t>(buffer.size(), length);
}

}  // namespace

TzRegistry::TzRegistry(const TzCatalogue& catalogue) : catalogue_(catalogue) {}

bool TzRegistry::GetVersionExA(OSVERSIONINFO& info) {
  if (info.dwOSVersionInfoSize != 148 && info.dwOSVersionInfoSize != 156) return false;
  info.dwMajorVersion = 10;
  info.dwMinorVersion = 0;
  info.dwBuildNumber = 0;
  info.dwPlatformId = kVerPlatformWin32Nt;
  info.szCSDVersion.fill('\0');
  return true;
}

std::optional<std::size_t> TzRegistry::Node(RegKey key) const {
  if (key == kHkeyLocalMachine) return kMachineRoot;
  if (key == kHkeyCurrentUser) return kOtherRoot;
  const auto it = open_.find(key);
  if (it == open_.end()) return std::nullopt;
  return it->second;
}

std::optional<std::size_t> TzRegistry::Below(std::size_t node, const std::string& subKey) {
  if (subKey.empty()) return node;
  if (node == kOtherRoot) return std::nullopt;
  std::string_view path(subKey);
  if (node == kMachineRoot) {
    // Without a readable tz database there is no catalogue to offer: the key
    // is missing, so the load says so rather than showing empty lists.
    if (WindowsIdEqual(path, kCataloguePath)) {
      return catalogue_.Entries().empty() ? std::nullopt : std::optional<std::size_t>(kCatalogueKey);
    }
    if (path.size() <= kCataloguePath.size() + 1 || path[kCataloguePath.size()] != '\\' ||
        !WindowsIdEqual(path.substr(0, kCataloguePath.size()), kCataloguePath)) {
      return std::nullopt;
    }
    path = path.substr(kCataloguePath.size() + 1);
  } else if (node < catalogue_.Entries().size()) {
    return YearKey(node, path);
  } else if (node != kCatalogueKey) {
    return std::nullopt;
  }
  // "<zone>" or "<zone>\Dynamic DST".
  std::string_view zone = path;
  std::string_view below;
  if (const std::size_t slash = path.find('\\'); slash != std::string_view::npos) {
    zone = path.substr(0, slash);
    below = path.substr(slash + 1);
  }
  const auto& entries = catalogue_.Entries();
  if (lastZone_ >= entries.size() || !WindowsIdEqual(entries[lastZone_].windowsId, zone)) {
    const TzCatalogueEntry* entry = catalogue_.Find(zone);
    if (entry == nullptr) return std::nullopt;
    lastZone_ = static_cast<std::size_t>(entry - entries.data());
  }
  const std::size_t index = lastZone_;
  if (zone.size() == path.size()) return index;
  return YearKey(index, below);
}

std::optional<std::size_t> TzRegistry::YearKey(std::size_t zone, std::string_view subKey) const {
  if (!WindowsIdEqual(subKey, kYearKeyName) || catalogue_.Entries()[zone].yearRecords.empty()) {
    return std::nullopt;
  }
  return kYearKeys + zone;
}

long TzRegistry::Open(RegKey key, const std::string& subKey, RegKey& result) {
  result = 0;
  const std::optional<std::size_t> node = Node(key);
  if (!node) return kErrorInvalidHandle;
  const std::optional<std::size_t> target = Below(*node, subKey);
  if (!target) return kErrorFileNotFound;
  if (*target == kMachineRoot || *target == kOtherRoot) {
    result = key;
    return kErrorSuccess;
  }
  result = next_++;
  open_[result] = *target;
  return kErrorSuccess;
}

long TzRegistry::RegOpenKeyExA(RegKey key, const std::string& subKey, std::uint32_t /*options*/,
                               std::uint32_t /*samDesired*/, RegKey& result) {
  return Open(key, subKey, result);
}

long TzRegistry::RegOpenKeyA(RegKey key, const std::string& subKey, RegKey& result) {
  return Open(key, subKey, result);
}

long TzRegistry::RegEnumKeyExA(RegKey key, std::uint32_t index, std::string& name,
                               std::uint32_t& nameLength, std::string& className,
                               std::uint32_t& classLength, FILETIME& lastWriteTime) {
  const std::optional<std::size_t> node = Node(key);
  if (!node) return kErrorInvalidHandle;
  const auto& entries = catalogue_.Entries();
  if (*node != kCatalogueKey || index >= entries.size()) return kErrorNoMoreItems;
  const std::string& id = entries[index].windowsId;
  if (id.size() + 1 > Capacity(name, nameLength)) return kErrorMoreData;
  std::copy(id.begin(), id.end(), name.begin());
  name[id.size()] = '\0';
  nameLength = static_cast<std::uint32_t>(id.size());
  if (Capacity(className, classLength) > 0) className[0] = '\0';
  classLength = 0;
  lastWriteTime = FILETIME{};
  return kErrorSuccess;
}

long TzRegistry::RegQueryValueExA(RegKey key, const std::string& valueName, std::uint32_t& type,
                                  std::string* data, std::uint32_t& dataSize) {
  const std::optional<std::size_t> node = Node(key);
  if (!node) return kErrorInvalidHandle;
  const auto& entries = catalogue_.Entries();
  const bool yearKey = *node >= kYearKeys && *node - kYearKeys < entries.size();
  if (*node >= entries.size() && !yearKey) return kErrorFileNotFound;
  const TzCatalogueEntry& entry = entries[yearKey ? *node - kYearKeys : *node];

  std::string yearRecord;  // made when asked for
  std::string_view value;
  std::uint32_t valueType = kRegSz;
  if (yearKey) {
    // A year's value is named by the year, in plain decimal digits.
    int year = 0;
    const char* const last = valueName.data() + valueName.size();
    const auto [end, error] = std::from_chars(valueName.data(), last, year);
    if (error != std::errc() || end != last || std::to_string(year) != valueName) {
      return kErrorFileNotFound;
    }
    const std::vector<YearRecord>& years = entry.yearRecords;
    const auto it = std::find_if(years.begin(), years.end(),
                                 [&](const YearRecord& r) { return r.year == year; });
    if (it == years.end()) return kErrorFileNotFound;
    yearRecord = TziBytes(it->tzi);
    value = yearRecord;
    valueType = kRegBinary;
  } else if (WindowsIdEqual(valueName, "Display")) {
    value = entry.display;
  } else if (WindowsIdEqual(valueName, "Std")) {
    value = entry.standardName;
  } else if (WindowsIdEqual(valueName, "Dlt")) {
    value = entry.daylightName;
  } else if (WindowsIdEqual(valueName, "TZI")) {
    value = entry.tziBytes;
    valueType = kRegBinary;
  } else {
    return kErrorFileNotFound;
  }
  // A string's terminating NUL is part of its stored size.
  const std::size_t nul = valueType == kRegSz ? 1 : 0;
  const auto size = static_cast<std::uint32_t>(value.size() + nul);
  type = valueType;
  if (data == nullptr) {
    dataSize = size;
    return kErrorSuccess;
  }
  if (size > Capacity(*data, dataSize)) {
    dataSize = size;
    return kErrorMoreData;
  }
  std::copy(value.begin(), value.end(), data->begin());
  if (nul != 0) (*data)[value.size()] = '\0';
  dataSize = size;
  return kErrorSuccess;
}

long TzRegistry::RegCloseKey(RegKey key) {
  if (key == kHkeyLocalMachine || key == kHkeyCurrentUser) return kErrorSuccess;
  return open_.erase(key) == 1 ? kErrorSuccess : kErrorInvalidHandle;
}

}  // namespace tellux::zoneinfo
