#pragma once
// Owning wrappers for the Windows handles we open ourselves: each closes its
// handle exactly once, when it goes out of scope or is reset. A null handle
// is "nothing held".

#include <utility>

#include "platform/win32/windows_api.h"

namespace tellux::win32 {

template <class Handle, class Closer>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, Handle{}));
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  // The address to receive a new handle into; whatever was held is closed.
  Handle* put() {
    reset();
    return &handle_;
  }
  void reset(Handle handle = Handle{}) {
    if (handle_ != Handle{}) Closer{}(handle_);
    handle_ = handle;
  }
  Handle release() { return std::exchange(handle_, Handle{}); }

 private:
  Handle handle_{};
};

struct KeyCloser {
  void operator()(HKEY key) const { ::RegCloseKey(key); }
};
struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};
struct IconDestroyer {
  void operator()(HICON icon) const { ::DestroyIcon(icon); }
};
struct WindowDestroyer {
  void operator()(HWND window) const { ::DestroyWindow(window); }
};
struct AcceleratorDestroyer {
  void operator()(HACCEL table) const { ::DestroyAcceleratorTable(table); }
};
struct BstrFreer {
  void operator()(BSTR text) const { ::SysFreeString(text); }
};

using UniqueHkey = UniqueHandle<HKEY, KeyCloser>;
using UniqueHfont = UniqueHandle<HFONT, GdiObjectDeleter>;
using UniqueHbrush = UniqueHandle<HBRUSH, GdiObjectDeleter>;
using UniqueHicon = UniqueHandle<HICON, IconDestroyer>;
using UniqueHwnd = UniqueHandle<HWND, WindowDestroyer>;
using UniqueHaccel = UniqueHandle<HACCEL, AcceleratorDestroyer>;
using UniqueBstr = UniqueHandle<BSTR, BstrFreer>;

}  // namespace tellux::win32
