#pragma once
// Reading a whole small file the program takes its data from (zone files,
// the locale's files in /etc, the settings file) without ever being held
// up: a FIFO or device in its place is opened without waiting and not read,
// and a file over the caller's limit is refused by its size before any byte
// is read.

#include <cstddef>
#include <optional>
#include <string>

namespace tellux {

// What a path that names no file (open() says ENOENT or ENOTDIR) reads as.
enum class MissingFile {
  kFails,       // nullopt, as a file that cannot be read
  kReadsEmpty,  // "": a file not made yet, as the settings before their first save
};

// The limit of callers without one of their own: zone files and the
// locale's files are a few KiB; anything far larger is none of them.
inline constexpr std::size_t kSmallFileLimit = 64 << 10;

// The whole regular file at path, read to its end, at most maxBytes;
// nullopt when it cannot be opened, is not a regular file, is larger, or a
// read fails.
std::optional<std::string> ReadSmallFile(const std::string& path,
                                         std::size_t maxBytes = kSmallFileLimit,
                                         MissingFile missing = MissingFile::kFails);

}  // namespace tellux
