#pragma once
// The registry and version calls of the catalogue load, on the real Windows
// registry. Texts are UTF-8 on our side and the ANSI code page on the
// system's; REG_SZ data and key names are converted, sizes are reported in
// UTF-8 bytes. Keys handed out stay owned here until RegCloseKey, and any the
// caller forgot are closed when the object goes.

#include <map>
#include <memory>

#include "platform/registry.h"

namespace tellux::win32 {

class Win32Registry final : public Registry {
 public:
  Win32Registry();
  ~Win32Registry() override;

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

  // Keys opened and not yet closed.
  std::size_t OpenKeyCount() const;

 private:
  struct OpenKeys;
  std::unique_ptr<OpenKeys> open_;
};

}  // namespace tellux::win32
