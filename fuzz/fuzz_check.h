#pragma once
// How a fuzz harness reports a broken invariant: abort, so libFuzzer keeps
// the input.

#include <cstdio>
#include <cstdlib>

namespace tellux::fuzz {

[[noreturn]] inline void Broken(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

inline void Check(bool ok, const char* what) {
  if (!ok) Broken(what);
}

}  // namespace tellux::fuzz
