#include "platform/win32/exit_process_end.h"

#include "platform/win32/windows_api.h"

namespace tellux::win32 {

void ExitProcessEnd::End() { ::ExitProcess(0); }

}  // namespace tellux::win32
