#pragma once
// Owning COM pieces: an interface pointer released exactly once, and COM
// initialised on this thread for as long as its owner lives.

#include <memory>

// objbase.h needs windows.h first, which windows_api.h gives.
#include "platform/win32/windows_api.h"
#include <objbase.h>

namespace tellux::win32 {

struct ComReleaser {
  void operator()(IUnknown* object) const { object->Release(); }
};

// Null is "nothing held"; fill it with CoCreateInstance through a raw
// pointer, then reset().
template <class Interface>
using ComPtr = std::unique_ptr<Interface, ComReleaser>;

// CoInitializeEx (single-threaded apartment) now, CoUninitialize at the end
// where that succeeded; a thread already in another apartment keeps it.
class ComApartment {
 public:
  ComApartment() : started_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (started_) ::CoUninitialize();
  }

 private:
  bool started_;
};

}  // namespace tellux::win32
