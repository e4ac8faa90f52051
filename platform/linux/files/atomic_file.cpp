#include "platform/linux/files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "platform/linux/files/unique_fd.h"

namespace tellux {
namespace {

// mkdir -p with owner-only access for what it creates. False when dir is
// not a folder that can be followed in the end: a link loop or a link whose
// target may not be searched exists, but is no folder to write into.
bool MakeDirectories(const std::filesystem::path& dir) {
  std::filesystem::path partial;
  for (const auto& part : dir) {
    partial /= part;
    if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  std::error_code ec;
  return std::filesystem::is_directory(dir, ec);
}

bool WriteAll(int fd, const std::string& data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Removes what a save killed part-way left behind: "<file>.XXXXXX" files of
// mkostemp's making that have not been touched for a while, so that a save
// another instance is writing at this moment is left alone.
void RemoveStaleTemporaryFiles(const std::filesystem::path& file) {
  constexpr std::time_t kStaleSeconds = 60;
  const std::string prefix = file.filename().string() + ".";
  const std::time_t now = std::time(nullptr);
  std::error_code ec;
  for (std::filesystem::directory_iterator it(file.parent_path(), ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) continue;
    struct stat st {};
    if (::lstat(it->path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (now - st.st_mtime >= kStaleSeconds) ::unlink(it->path().c_str());
  }
}

}  // namespace

bool ReplaceFileAtomically(const std::filesystem::path& file, const std::string& content) {
  const std::filesystem::path dir = file.parent_path();
  if (!MakeDirectories(dir)) return false;
  RemoveStaleTemporaryFiles(file);
  std::string temp = file.string() + ".XXXXXX";
  UniqueFd fd(::mkostemp(temp.data(), O_CLOEXEC));
  if (!fd.valid()) return false;
  struct stat old {};
  // The new file takes the old one's permissions; a first file stays 0600.
  bool ok = (::stat(file.c_str(), &old) != 0 || ::fchmod(fd.get(), old.st_mode & 07777) == 0) &&
            WriteAll(fd.get(), content) && ::fsync(fd.get()) == 0;
  ok = fd.Close() && ok;
  if (!ok || ::rename(temp.c_str(), file.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  // The rename is done and visible; syncing the directory makes it survive
  // a crash, and a failure here cannot bring the old file back.
  const UniqueFd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dirFd.valid()) ::fsync(dirFd.get());
  return true;
}

}  // namespace tellux
