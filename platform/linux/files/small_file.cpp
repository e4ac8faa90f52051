#include "platform/linux/files/small_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "platform/linux/files/unique_fd.h"

namespace tellux {

std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes,
                                         MissingFile missing) {
  // Without O_NONBLOCK a FIFO named here would hold the program in open();
  // only a regular file is read after that.
  const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (!fd.valid()) {
    if (missing == MissingFile::kReadsEmpty && (errno == ENOENT || errno == ENOTDIR)) {
      return std::string();
    }
    return std::nullopt;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0 ||
      static_cast<std::uint64_t>(st.st_size) > maxBytes) {
    return std::nullopt;
  }
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[8192];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) return bytes;
    // A file that grew past the limit since fstat is refused all the same.
    if (static_cast<std::size_t>(n) > maxBytes - bytes.size()) return std::nullopt;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

}  // namespace tellux
