#pragma once
// Screen-reader names for child windows, through IAccPropServices (oleacc).
// The names are cleared again when this goes, which must be before the
// windows do; COM is initialised for as long as it lives.

#include <string>
#include <vector>

#include "platform/win32/com_ptr.h"
#include "platform/win32/windows_api.h"

struct IAccPropServices;

namespace tellux::win32 {

class AccessibleNames {
 public:
  AccessibleNames();
  AccessibleNames(const AccessibleNames&) = delete;
  AccessibleNames& operator=(const AccessibleNames&) = delete;
  ~AccessibleNames();

  // Gives hwnd the name text. False when the system has no property
  // service or refuses; the window text of buttons and labels still names
  // them.
  bool Name(HWND hwnd, const std::string& text);

 private:
  ComApartment apartment_;  // first in, last out: outlives services_
  ComPtr<IAccPropServices> services_;
  std::vector<HWND> named_;
};

}  // namespace tellux::win32
