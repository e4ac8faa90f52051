// tellux-exec-stamp PROGRAM [ARG...]: prints "exec <ns>\n" on stdout,
// <ns> being CLOCK_MONOTONIC in nanoseconds, then becomes PROGRAM (same
// process id, same stdout). With a program that prints the same clock at an
// event, the difference is the time from exec to that event.

#include <time.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: tellux-exec-stamp PROGRAM [ARG...]\n");
    return 2;
  }
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::printf("exec %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  std::fflush(stdout);
  execvp(argv[1], argv + 1);
  std::perror("tellux-exec-stamp");
  return 127;
}
