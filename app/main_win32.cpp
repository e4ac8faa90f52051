// The Windows program: the real services, the window on them, and the
// message loop. The window's close ends the process (see frmTime::Form_Unload).

#include "platform/win32/win32_frm_time_view.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/windows_api.h"
#include "window/frm_time.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
  tellux::win32::Win32Services services;
  tellux::frmTime form(services.services());
  tellux::win32::Win32FrmTimeView view(form, instance);
  view.Start(showCommand);
  return view.RunMessageLoop();
}
