#pragma once
// Read-only access to the registry, in the shape of the Windows calls the
// catalogue load makes. Results are Windows error codes: 0 (kErrorSuccess) is
// success, anything else a failure. Text and data buffers are std::strings whose
// existing characters are the buffer; a call writes into them and never
// resizes them.

#include <cstdint>
#include <string>

#include "platform/win_types.h"

namespace tellux {

// Where the registry keeps the time zone catalogue: below HKEY_LOCAL_MACHINE,
// one subkey a zone. The NT family and the older Windows family differ.
inline constexpr const char* kNtCataloguePath =
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";
inline constexpr const char* kWindowsCataloguePath =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Time Zones";

class Registry {
 public:
  Registry() = default;
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;
  virtual ~Registry() = default;

  // Fills info.dwPlatformId (and the version numbers). False on failure, with
  // info untouched.
  virtual bool GetVersionExA(OSVERSIONINFO& info) = 0;

  // Opens subKey below key. result is 0 on failure.
  virtual long RegOpenKeyExA(RegKey key, const std::string& subKey, std::uint32_t options,
                             std::uint32_t samDesired, RegKey& result) = 0;

  // Writes the name of the index-th subkey of key, NUL-terminated, into the
  // first nameLength characters of name and sets nameLength to its length
  // without the NUL; likewise the class. kErrorNoMoreItems past the last one,
  // kErrorMoreData when a buffer is too small.
  virtual long RegEnumKeyExA(RegKey key, std::uint32_t index, std::string& name,
                             std::uint32_t& nameLength, std::string& className,
                             std::uint32_t& classLength, FILETIME& lastWriteTime) = 0;

  // Opens subKey below key with default access. result is 0 on failure.
  virtual long RegOpenKeyA(RegKey key, const std::string& subKey, RegKey& result) = 0;

  // Reads the value valueName of key. With data null it only reports the
  // value's type and its size in bytes. Otherwise it writes the value into the
  // first dataSize bytes of *data (kErrorMoreData when they are too few) and
  // sets type and dataSize.
  virtual long RegQueryValueExA(RegKey key, const std::string& valueName, std::uint32_t& type,
                                std::string* data, std::uint32_t& dataSize) = 0;

  virtual long RegCloseKey(RegKey key) = 0;
};

}  // namespace tellux
