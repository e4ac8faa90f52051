#pragma once
// A program end for benchmarks: throws ProgramEnded rather than exiting, so
// a handler that ends the program stops the benchmark with an error.

#include "platform/program_end.h"

namespace tellux::bench {

struct ProgramEnded {};

class ThrowingProgramEnd final : public ProgramEnd {
 public:
  [[noreturn]] void End() override { throw ProgramEnded{}; }
};

}  // namespace tellux::bench
