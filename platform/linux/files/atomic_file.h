#pragma once
// Replacing a file whole: the new content goes to a file beside it, which is
// renamed over the old one, so a reader sees the old file or the new one and
// never a part. Directories missing on the way are made, owner-only (0700);
// a first file is 0600, a replacement keeps the old file's permissions.
// The new file is on the disk before the rename, and the rename before the
// call returns: a crash leaves the old file or the new one.

#include <filesystem>
#include <string>

namespace tellux {

// False when the file could not be replaced; the old file is then as it was
// and no temporary file is left.
bool ReplaceFileAtomically(const std::filesystem::path& file, const std::string& content);

}  // namespace tellux
