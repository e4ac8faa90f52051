#pragma once
// Screen-reader names for child windows. Through IAccPropServices (oleacc)
// where the system has it; where it refuses (Wine has none), the window
// answers the screen reader's WM_GETOBJECT itself with its standard
// accessible object under that name. The names are cleared again when this
// goes, which must be before the windows do; COM is initialised for as long
// as it lives.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/com_ptr.h"
#include "platform/win32/window_subclass.h"
#include "platform/win32/windows_api.h"

struct IAccPropServices;

namespace tellux::win32 {

class AccessibleNames {
 public:
  AccessibleNames();
  AccessibleNames(const AccessibleNames&) = delete;
  AccessibleNames& operator=(const AccessibleNames&) = delete;
  ~AccessibleNames();

  // Gives hwnd the name text, in place of any it had. False when neither
  // way could be taken; the window text of buttons and labels still names
  // them.
  bool Name(HWND hwnd, const std::string& text);
  // Name, then tells the screen readers listening that hwnd's name changed.
  void Rename(HWND hwnd, const std::string& text);

 private:
  // A window that answers for its own name: the name it gives now, shared
  // with the objects it handed out, which may outlive this.
  struct Answering {
    std::shared_ptr<std::wstring> name;
    WindowSubclass subclass;
  };

  ComApartment apartment_;  // first in, last out: outlives services_
  ComPtr<IAccPropServices> services_;
  std::vector<HWND> named_;  // through services_
  std::map<HWND, Answering> answering_;
};

}  // namespace tellux::win32
