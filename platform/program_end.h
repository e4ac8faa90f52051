#pragma once
// The immediate end of the program: no further handler runs, nothing is saved.

namespace tellux {

class ProgramEnd {
 public:
  ProgramEnd() = default;
  ProgramEnd(const ProgramEnd&) = delete;
  ProgramEnd& operator=(const ProgramEnd&) = delete;
  virtual ~ProgramEnd() = default;

  // Never returns. A test double throws to unwind instead of exiting.
  [[noreturn]] virtual void End() = 0;
};

}  // namespace tellux
