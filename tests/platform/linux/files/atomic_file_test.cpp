// Replacing a file whole where its folder cannot be used: the replacement is
// refused with the old state left as it was, never an exception.

#include "platform/linux/files/atomic_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/platform/linux/zone_folder.h"

namespace tellux {
namespace {

TEST(ReplacingAFile, AFolderThatIsALinkLoopRefusesIt) {
  const zoneinfo::testing::ZoneFolder scratch;
  const std::filesystem::path loop = scratch.Path() + "/tellux-time";
  ASSERT_EQ(::symlink(loop.c_str(), loop.c_str()), 0);
  EXPECT_FALSE(ReplaceFileAtomically(loop / "tellux-time.ini", "new"));
  EXPECT_FALSE(ReplaceFileAtomically(loop / "deeper" / "tellux-time.ini", "new"));
  std::error_code ec;
  EXPECT_TRUE(std::filesystem::is_symlink(loop, ec));
}

}  // namespace
}  // namespace tellux
