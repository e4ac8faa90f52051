#pragma once
// The one way our code includes the Windows headers. windows.h defines
// OSVERSIONINFO as a macro for OSVERSIONINFOA, which would silently rename
// tellux::OSVERSIONINFO in the including file only and break linking; the
// macro is removed here, so the Windows record is always OSVERSIONINFOA.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <oleauto.h>

#undef OSVERSIONINFO
