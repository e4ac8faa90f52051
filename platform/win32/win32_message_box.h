#pragma once
// The OK-only message box (MessageBoxW with MB_OK), owned by the window that
// is active when it opens so it stays modal to the program's window.

#include "platform/message_box.h"

namespace tellux::win32 {

class Win32MessageBox final : public MessageBoxService {
 public:
  void Show(std::string_view text, std::string_view caption) override;
};

}  // namespace tellux::win32
