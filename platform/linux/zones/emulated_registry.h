#pragma once
// The registry as the catalogue load reads it, on a machine without one: a
// read-only view of the zone catalogue key below HKEY_LOCAL_MACHINE,
// "SOFTWARE\Microsoft\Windows NT\CurrentVersion\Time Zones", and its
// subkeys (one per Windows zone id, with "Display", "Std", "Dlt" as REG_SZ
// and "TZI" as REG_BINARY), served from a TzCatalogue. A zone with rules of
// single years has a "Dynamic DST" subkey below its own, as on Windows, with
// one REG_BINARY record per year named by the year ("2027"). The system
// reports itself as Windows NT 10.0.
//
// Failure values are Windows error codes: kErrorFileNotFound (2) for any
// other key or value, and for the catalogue key itself when the catalogue is
// empty (no readable tz database); kErrorInvalidHandle (6) for a handle this
// view did not hand out or has closed; kErrorMoreData (234) and
// kErrorNoMoreItems (259) as platform/registry.h describes. Nothing here throws.

#include <cstddef>
#include <map>
#include <optional>
#include <string_view>

#include "platform/linux/zones/catalogue.h"
#include "platform/registry.h"

namespace tellux::zoneinfo {

inline constexpr long kErrorInvalidHandle = 6;

class TzRegistry final : public Registry {
 public:
  // catalogue must outlive the view.
  explicit TzRegistry(const TzCatalogue& catalogue);

  // Needs info.dwOSVersionInfoSize set to 148 or 156, as Windows does.
  bool GetVersionExA(OSVERSIONINFO& info) override;

  // Key names are compared without regard to case. An empty subKey opens
  // the key itself again (a root key stays itself). HKEY_CURRENT_USER is
  // there but holds nothing.
  long RegOpenKeyExA(RegKey key, const std::string& subKey, std::uint32_t options,
                     std::uint32_t samDesired, RegKey& result) override;
  long RegOpenKeyA(RegKey key, const std::string& subKey, RegKey& result) override;

  // Subkeys in the catalogue's order (by Windows id). Zone keys list none
  // (their "Dynamic DST" is opened by name); root keys list none in this
  // view. The class is always empty and lastWriteTime zero.
  long RegEnumKeyExA(RegKey key, std::uint32_t index, std::string& name, std::uint32_t& nameLength,
                     std::string& className, std::uint32_t& classLength,
                     FILETIME& lastWriteTime) override;

  // Value names are compared without regard to case. On kErrorMoreData,
  // dataSize is set to the size needed.
  long RegQueryValueExA(RegKey key, const std::string& valueName, std::uint32_t& type,
                        std::string* data, std::uint32_t& dataSize) override;

  // Closing a root key succeeds and changes nothing.
  long RegCloseKey(RegKey key) override;

 private:
  // Tests count the handles open, to see that callers close what they open.
  friend struct TzRegistryProbe;

  // What a key names: a root, the catalogue key itself, the entry at an
  // index of the catalogue, or that entry's "Dynamic DST" subkey
  // (kYearKeys + the index).
  static constexpr std::size_t kYearKeys = static_cast<std::size_t>(-1) / 2;
  static constexpr std::size_t kCatalogueKey = static_cast<std::size_t>(-1);
  static constexpr std::size_t kMachineRoot = static_cast<std::size_t>(-2);
  static constexpr std::size_t kOtherRoot = static_cast<std::size_t>(-3);  // HKEY_CURRENT_USER: empty

  // The node key names, or nullopt when it is no key of this view's.
  std::optional<std::size_t> Node(RegKey key) const;
  // The node subKey names below node, or nullopt when there is none.
  std::optional<std::size_t> Below(std::size_t node, const std::string& subKey);
  // The "Dynamic DST" node below the zone at an index, when subKey names it
  // and the zone has one.
  std::optional<std::size_t> YearKey(std::size_t zone, std::string_view subKey) const;
  long Open(RegKey key, const std::string& subKey, RegKey& result);

  const TzCatalogue& catalogue_;
  std::map<RegKey, std::size_t> open_;
  RegKey next_ = 1;
  // The zone found last: the load opens each zone's key five times in turn.
  std::size_t lastZone_ = 0;
};

}  // namespace tellux::zoneinfo
