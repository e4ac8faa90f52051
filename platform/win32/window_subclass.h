#pragma once
// One of our procedures seeing a window's messages before the window does
// (SetWindowSubclass, common controls 6): installed when this is made,
// removed when it goes, which must be before the window is destroyed. Empty
// ("nothing installed") when default-made or when installing failed.

#include <utility>

// commctrl.h needs windows.h first, which windows_api.h gives.
#include "platform/win32/windows_api.h"
#include <commctrl.h>

namespace tellux::win32 {

class WindowSubclass {
 public:
  WindowSubclass() = default;
  WindowSubclass(HWND hwnd, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data)
      : hwnd_(hwnd), procedure_(procedure), id_(id) {
    if (!::SetWindowSubclass(hwnd, procedure, id, data)) hwnd_ = nullptr;
  }
  WindowSubclass(const WindowSubclass&) = delete;
  WindowSubclass& operator=(const WindowSubclass&) = delete;
  WindowSubclass(WindowSubclass&& other) noexcept
      : hwnd_(std::exchange(other.hwnd_, nullptr)), procedure_(other.procedure_), id_(other.id_) {}
  WindowSubclass& operator=(WindowSubclass&& other) noexcept {
    if (this != &other) {
      Remove();
      hwnd_ = std::exchange(other.hwnd_, nullptr);
      procedure_ = other.procedure_;
      id_ = other.id_;
    }
    return *this;
  }
  ~WindowSubclass() { Remove(); }

  explicit operator bool() const { return hwnd_ != nullptr; }

 private:
  void Remove() {
    if (hwnd_ != nullptr) ::RemoveWindowSubclass(hwnd_, procedure_, id_);
    hwnd_ = nullptr;
  }

  HWND hwnd_ = nullptr;
  SUBCLASSPROC procedure_ = nullptr;
  UINT_PTR id_ = 0;
};

}  // namespace tellux::win32
