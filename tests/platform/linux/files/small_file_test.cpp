// The one reader of small files, as each of its callers takes it: the zone
// files and the locale's files with the default limit, the stored catalogue
// with a larger one, the settings with none and a missing file read as empty.

#include "platform/linux/files/small_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>

namespace tellux {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

class SmallFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tellux_small_file_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  fs::path dir_;
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
  const std::string missing = (dir_ / "missing").string();
  const std::string underAFile = Write("plain", "x") + "/below";  // ENOTDIR
  EXPECT_FALSE(ReadSmallFile(missing).has_value());
  EXPECT_FALSE(ReadSmallFile(underAFile).has_value());
  EXPECT_EQ(ReadSmallFile(missing, kNoLimit, MissingFile::kReadsEmpty), "");
  EXPECT_EQ(ReadSmallFile(underAFile, kNoLimit, MissingFile::kReadsEmpty), "");
}

TEST_F(SmallFileTest, WhatIsThereButNoRegularFileFailsEvenWhereMissingReadsEmpty) {
  const std::string fifo = (dir_ / "fifo").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // No writer holds the FIFO open: a blocking open() would never return.
  for (const MissingFile missing : {MissingFile::kFails, MissingFile::kReadsEmpty}) {
    EXPECT_FALSE(ReadSmallFile(fifo, kNoLimit, missing).has_value());
    EXPECT_FALSE(ReadSmallFile(dir_.string(), kNoLimit, missing).has_value());
    EXPECT_FALSE(ReadSmallFile("/dev/zero", kNoLimit, missing).has_value());
  }
}

}  // namespace
}  // namespace tellux
