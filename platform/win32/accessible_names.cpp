#include "platform/win32/accessible_names.h"

// oleacc.h needs windows.h first, which windows_api.h gives.
#include "platform/win32/windows_api.h"
#include <initguid.h>  // the accessibility GUIDs are defined in this file only
#include <oleacc.h>

#include "platform/win32/code_page.h"

namespace tellux::win32 {

AccessibleNames::AccessibleNames() {
  IAccPropServices* services = nullptr;
  if (SUCCEEDED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
    services_.reset(services);
  }
}

AccessibleNames::~AccessibleNames() {
  if (!services_) return;
  MSAAPROPID name = PROPID_ACC_NAME;
  for (HWND hwnd : named_) services_->ClearHwndProps(hwnd, OBJID_CLIENT, CHILDID_SELF, &name, 1);
}

bool AccessibleNames::Name(HWND hwnd, const std::string& text) {
  if (!services_) return false;
  const std::wstring wide = Utf8ToWide(text);
  if (FAILED(services_->SetHwndPropStr(hwnd, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                                       wide.c_str()))) {
    return false;
  }
  named_.push_back(hwnd);
  return true;
}

}  // namespace tellux::win32
