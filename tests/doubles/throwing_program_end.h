#pragma once
// The end of the program, made observable: End() counts and throws
// ProgramEnded, which unwinds the test out of whatever handler ended it.

#include "platform/program_end.h"

namespace tellux::testing {

struct ProgramEnded {};

class ThrowingProgramEnd final : public ProgramEnd {
 public:
  int ends = 0;
  [[noreturn]] void End() override {
    ++ends;
    throw ProgramEnded{};
  }
};

}  // namespace tellux::testing
