#pragma once
// The message box service on Qt: a modal box with the text, the caption as
// its title and an OK button only. It is modal to the active window, or to
// the whole program before any window is shown. Needs a QApplication.

#include "platform/message_box.h"

namespace tellux {

class QtMessageBox final : public MessageBoxService {
 public:
  void Show(std::string_view text, std::string_view caption) override;
};

}  // namespace tellux
