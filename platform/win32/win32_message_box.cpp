#include "platform/win32/win32_message_box.h"

#include "platform/win32/code_page.h"
#include "platform/win32/windows_api.h"

namespace tellux::win32 {

void Win32MessageBox::Show(std::string_view text, std::string_view caption) {
  ::MessageBoxW(::GetActiveWindow(), Utf8ToWide(text).c_str(), Utf8ToWide(caption).c_str(),
                MB_OK);
}

}  // namespace tellux::win32
