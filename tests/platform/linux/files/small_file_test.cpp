// The one reader of small files, as each of its callers takes it: the zone
// files and the locale's files with the default limit, the settings with
// none and a missing file read as empty.

#include "platform/linux/files/small_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <limits>
#include <string>

#include "tests/platform/linux/zone_folder.h"

namespace tellux {
namespace {

using zoneinfo::testing::ZoneFolder;

constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

// Files of every kind in a scratch folder (the zone tests' own).
class SmallFileTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    folder_.Write(name, bytes);
    return folder_.Path() + "/" + name;
  }
  std::string PathOf(const std::string& name) const { return folder_.Path() + "/" + name; }

  ZoneFolder folder_;
};

TEST_F(SmallFileTest, ReadsAWholeRegularFileByteForByte) {
  std::string bytes = "TZif";
  bytes += std::string(1, '\0');
  for (int i = 0; i < 20000; ++i) bytes += static_cast<char>('a' + i % 26);
  const std::string path = Write("zone", bytes);
  EXPECT_EQ(ReadSmallFile(path), bytes);
  EXPECT_EQ(ReadSmallFile(path, kNoLimit, MissingFile::kReadsEmpty), bytes);
  EXPECT_EQ(ReadSmallFile(Write("empty", "")), "");
}

TEST_F(SmallFileTest, TakesFilesUpToTheLimitAndRefusesLargerOnes) {
  const std::string atLimit = Write("at", std::string(kSmallFileLimit, 'x'));
  const std::string over = Write("over", std::string(kSmallFileLimit + 1, 'x'));
  EXPECT_EQ(ReadSmallFile(atLimit)->size(), kSmallFileLimit);
  EXPECT_FALSE(ReadSmallFile(over).has_value());
  EXPECT_FALSE(ReadSmallFile(atLimit, 100).has_value());
  EXPECT_EQ(ReadSmallFile(over, kSmallFileLimit + 1)->size(), kSmallFileLimit + 1);
  EXPECT_EQ(ReadSmallFile(over, kNoLimit)->size(), kSmallFileLimit + 1);
}

TEST_F(SmallFileTest, AMissingFileFailsUnlessTheCallerReadsItAsEmpty) {
  const std::string missing = PathOf("missing");
  const std::string underAFile = Write("plain", "x") + "/below";  // ENOTDIR
  EXPECT_FALSE(ReadSmallFile(missing).has_value());
  EXPECT_FALSE(ReadSmallFile(underAFile).has_value());
  EXPECT_EQ(ReadSmallFile(missing, kNoLimit, MissingFile::kReadsEmpty), "");
  EXPECT_EQ(ReadSmallFile(underAFile, kNoLimit, MissingFile::kReadsEmpty), "");
}

TEST_F(SmallFileTest, WhatIsThereButNoRegularFileFailsEvenWhereMissingReadsEmpty) {
  const std::string fifo = PathOf("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // No writer holds the FIFO open: a blocking open() would never return.
  for (const MissingFile missing : {MissingFile::kFails, MissingFile::kReadsEmpty}) {
    EXPECT_FALSE(ReadSmallFile(fifo, kNoLimit, missing).has_value());
    EXPECT_FALSE(ReadSmallFile(folder_.Path(), kNoLimit, missing).has_value());
    EXPECT_FALSE(ReadSmallFile("/dev/zero", kNoLimit, missing).has_value());
  }
}

}  // namespace
}  // namespace tellux
