#pragma once
// The immediate end of the program on Linux: what was printed is flushed,
// then the process exits with status 0 without running destructors, atexit
// handlers or anything that might save state.

#include "platform/program_end.h"

namespace tellux {

class ExitProgramEnd final : public ProgramEnd {
 public:
  [[noreturn]] void End() override;
};

}  // namespace tellux
