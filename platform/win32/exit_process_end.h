#pragma once
// The program's end on Windows: ExitProcess(0), at once.

#include "platform/program_end.h"

namespace tellux::win32 {

class ExitProcessEnd final : public ProgramEnd {
 public:
  [[noreturn]] void End() override;
};

}  // namespace tellux::win32
