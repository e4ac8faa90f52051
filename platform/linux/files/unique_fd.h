#pragma once
// An owned POSIX file descriptor: closed when its owner goes, so no return
// path can leak one. -1 means none.

#include <unistd.h>

#include <utility>

namespace tellux {

class UniqueFd {
 public:
  UniqueFd() = default;
  // Takes fd, as open() and mkostemp() return it (-1: none).
  explicit UniqueFd(int fd) noexcept : fd_(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
      Close();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  ~UniqueFd() { Close(); }

  int get() const noexcept { return fd_; }
  bool valid() const noexcept { return fd_ >= 0; }

  // Closes now, for a caller that must know: a write's delayed error may
  // show only here. True when there was nothing to close.
  bool Close() noexcept {
    const int fd = std::exchange(fd_, -1);
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  int fd_ = -1;
};

}  // namespace tellux
