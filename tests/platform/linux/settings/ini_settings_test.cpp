// Settings kept in a small INI file per application: what is saved reads
// back, damage costs only the damaged lines, and a save never leaves half
// a file behind.

#include "platform/linux/settings/ini_settings.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tellux {
namespace {

namespace fs = std::filesystem;

constexpr const char* kApp = "Tellux Time";

class IniSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tellux_ini_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    base_ = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(base_ / kApp, fs::perms::owner_all, ec);
    fs::remove_all(base_, ec);
  }

  fs::path File() const { return base_ / kApp / (std::string(kApp) + ".ini"); }

  void WriteFile(const std::string& content) const {
    fs::create_directories(File().parent_path());
    std::ofstream(File(), std::ios::binary) << content;
  }

  std::string ReadFile(const fs::path& path) const {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
  }

  std::vector<std::string> FilesInAppDirectory() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(File().parent_path())) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  fs::path base_;
};

TEST_F(IniSettingsTest, WhatIsSavedReadsBack) {
  IniSettings settings(base_);
  EXPECT_TRUE(settings.SaveSetting(kApp, "Settings", "Zone1", "42"));
  EXPECT_TRUE(settings.SaveSetting(kApp, "Settings", "Selection", "3"));
  EXPECT_TRUE(settings.SaveSetting(kApp, "Window", "Zone1", "other section"));
  EXPECT_EQ(settings.GetSetting(kApp, "Settings", "Zone1", "0"), "42");
  EXPECT_EQ(settings.GetSetting(kApp, "Settings", "Selection", "0"), "3");
  EXPECT_EQ(settings.GetSetting(kApp, "Window", "Zone1", "0"), "other section");

  EXPECT_TRUE(settings.SaveSetting(kApp, "Settings", "Zone1", "7"));
  EXPECT_EQ(settings.GetSetting(kApp, "Settings", "Zone1", "0"), "7");
  EXPECT_EQ(ReadFile(File()),
            "[Settings]\nZone1=7\nSelection=3\n\n[Window]\nZone1=other section\n");
}

TEST_F(IniSettingsTest, AnyOneLineTextRoundTrips) {
  IniSettings settings(base_);
  for (const char* value :
       {"", " leading and trailing ", "a=b=c", "[not a section]", "; not a comment",
        "C:\\Program Files\\x", "tab\there", "\u00FCber \u6771\u4EAC \U0001F600", "\"quoted\""}) {
    ASSERT_TRUE(settings.SaveSetting(kApp, "Settings", "Value", value)) << value;
    EXPECT_EQ(settings.GetSetting(kApp, "Settings", "Value", "default"), value);
  }
}

TEST_F(IniSettingsTest, TextThatCannotBeOneLineIsRefusedAndTheOldValueStays) {
  IniSettings settings(base_);
  ASSERT_TRUE(settings.SaveSetting(kApp, "Settings", "Value", "old"));
  for (const std::string& value :
       {std::string("two\nlines"), std::string("cr\rhere"), std::string("nul\0inside", 10),
        std::string("\x01"), std::string("\xC3\x28"), std::string(5000, 'x')}) {
    EXPECT_FALSE(settings.SaveSetting(kApp, "Settings", "Value", value));
  }
  EXPECT_FALSE(settings.SaveSetting(kApp, "Settings", "Key=Odd", "x"));
  EXPECT_FALSE(settings.SaveSetting(kApp, "Sec]tion", "Key", "x"));
  EXPECT_FALSE(settings.SaveSetting(kApp, "Settings", "", "x"));
  EXPECT_FALSE(settings.SaveSetting("../escape", "Settings", "Key", "x"));
  EXPECT_EQ(settings.GetSetting(kApp, "Settings", "Value", "default"), "old");
  EXPECT_EQ(ReadFile(File()), "[Settings]\nValue=old\n");
}

TEST_F(IniSettingsTest, MissingFileSectionOrKeyGivesTheDefault) {
  IniSettings settings(base_);
  EXPECT_EQ(settings.GetSetting(kApp, "Settings", "Zone1", "0"), "0");
  EXPECT_FALSE(fs::exists(File()));  // reading creates nothing
  WriteFile("[Settings]\nZone1=5\n");
  EXPECT_EQ(settings.GetSetting(kApp, "Other", "Zone1", "d"), "d");
  EXPECT_EQ(settings.GetSetting(kApp, "Settings", "Zone2", "d"), "d");
}

TEST_F(IniSettingsTest, NamesCompareWithoutCaseAndTheFileKeepsItsSpelling) {
  WriteFile("[settings]\n  ZONE1 = 5\n");
  IniSettings settings(base_);
  EXPECT_EQ(settings.GetSetting(kApp, "Settings", "zone1", "0"), " 5");
  ASSERT_TRUE(settings.SaveSetting(kApp, "SETTINGS", "Zone1", "6"));
  EXPECT_EQ(ReadFile(File()), "[settings]\nZONE1=6\n");
}

TEST_F(IniSettingsTest, DamagedLinesAreSkippedAndReadableSettingsKept) {
  WriteFile(
      "\xEF\xBB\xBF; saved by hand\r\n"
      "[Settings]\r\n"
      "Zone1=5\n"
      "garbage without an equals sign\n"
      "Zone2=\x01\x02\x03\n"
      "Zone3=\xFF\xFE binary\n" +
      std::string("Long=") + std::string(10000, 'x') + "\n" +
      "Zone4=9\n"
      "\n" +
      std::string("[Bro\0ken]\n", 10) +
      "Orphan=1\n"
      "[Window]\n"
      "Left=100");
  IniSettings settings(base_);
  EXPECT_EQ(settings.GetSetting(kApp, "Settings", "Zone1", "d"), "5");
  EXPECT_EQ(settings.GetSetting(kApp, "Settings", "Zone2", "d"), "d");
  EXPECT_EQ(settings.GetSetting(kApp, "Settings", "Zone3", "d"), "d");
  EXPECT_EQ(settings.GetSetting(kApp, "Settings", "Long", "d"), "d");
  EXPECT_EQ(settings.GetSetting(kApp, "Settings", "Zone4", "d"), "9");
  // Under an unreadable header the section is unknown.
  EXPECT_EQ(settings.GetSetting(kApp, "Settings", "Orphan", "d"), "d");
  EXPECT_EQ(settings.GetSetting(kApp, "Window", "Left", "d"), "100");

  // A save heals the file: damaged lines go, the rest stays in order.
  ASSERT_TRUE(settings.SaveSetting(kApp, "Settings", "Zone2", "2"));
  EXPECT_EQ(ReadFile(File()),
            "; saved by hand\n[Settings]\nZone1=5\nZone4=9\nZone2=2\n\n[Window]\nLeft=100\n");
}

TEST_F(IniSettingsTest, ASaveReplacesTheFileWholeAndLeavesNoTemporaryFile) {
  IniSettings settings(base_);
  ASSERT_TRUE(settings.SaveSetting(kApp, "Settings", "Zone1", "1"));
  // A second name for the old file shows whether it was rewritten in place.
  const fs::path oldLink = base_ / "old.ini";
  fs::create_hard_link(File(), oldLink);

  ASSERT_TRUE(settings.SaveSetting(kApp, "Settings", "Zone1", "2"));
  EXPECT_EQ(ReadFile(oldLink), "[Settings]\nZone1=1\n");
  EXPECT_EQ(ReadFile(File()), "[Settings]\nZone1=2\n");
  EXPECT_EQ(FilesInAppDirectory(), std::vector<std::string>{std::string(kApp) + ".ini"});
}

TEST_F(IniSettingsTest, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
  // The settings file's name taken by a directory: the final rename fails.
  fs::create_directories(File());
  IniSettings settings(base_);
  EXPECT_FALSE(settings.SaveSetting(kApp, "Settings", "Zone1", "1"));
  EXPECT_TRUE(fs::is_directory(File()));
  EXPECT_EQ(FilesInAppDirectory(), std::vector<std::string>{std::string(kApp) + ".ini"});
  EXPECT_EQ(settings.GetSetting(kApp, "Settings", "Zone1", "d"), "d");
}

TEST_F(IniSettingsTest, AReadOnlyDirectoryRefusesTheSaveAndKeepsTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only directories";
  IniSettings settings(base_);
  ASSERT_TRUE(settings.SaveSetting(kApp, "Settings", "Zone1", "1"));
  fs::permissions(File().parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(settings.SaveSetting(kApp, "Settings", "Zone1", "2"));
  EXPECT_EQ(ReadFile(File()), "[Settings]\nZone1=1\n");
  EXPECT_EQ(FilesInAppDirectory(), std::vector<std::string>{std::string(kApp) + ".ini"});
}

TEST_F(IniSettingsTest, AnUnusableBaseDirectoryFailsTheSave) {
  // A file where the application's directory should be.
  std::ofstream(base_ / kApp) << "not a directory";
  IniSettings settings(base_);
  EXPECT_FALSE(settings.SaveSetting(kApp, "Settings", "Zone1", "1"));
  EXPECT_EQ(settings.GetSetting(kApp, "Settings", "Zone1", "d"), "d");
  EXPECT_EQ(ReadFile(base_ / kApp), "not a directory");
}

// A failure root meets too (a read-only folder does not stop root): a save
// that cannot be written in full. The old file stays whole, nothing
// half-written is left, and the save says it failed.
TEST_F(IniSettingsTest, ASaveThatCannotBeWrittenKeepsTheOldFileWhole) {
  IniSettings settings(base_);
  ASSERT_TRUE(settings.SaveSetting(kApp, "Settings", "Zone1", std::string(40, '1')));
  const std::string old = ReadFile(File());
  // Files may grow to 16 bytes, as on a full disk; writing more fails
  // (EFBIG) rather than raising SIGXFSZ.
  struct rlimit before {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
  const auto previous = ::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = before;
  small.rlim_cur = 16;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved = settings.SaveSetting(kApp, "Settings", "Zone1", std::string(40, '2'));
  ::setrlimit(RLIMIT_FSIZE, &before);
  ::signal(SIGXFSZ, previous);

  EXPECT_FALSE(saved);
  EXPECT_EQ(ReadFile(File()), old);
  EXPECT_EQ(FilesInAppDirectory(), std::vector<std::string>{std::string(kApp) + ".ini"});
}

TEST_F(IniSettingsTest, MissingDirectoriesAreCreatedForTheOwnerOnly) {
  IniSettings settings(base_ / "deeper" / "config");
  ASSERT_TRUE(settings.SaveSetting(kApp, "Settings", "Zone1", "1"));
  struct stat info {};
  ASSERT_EQ(::stat((base_ / "deeper" / "config" / kApp).c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_EQ(settings.GetSetting(kApp, "Settings", "Zone1", "d"), "1");
}

// Sets XDG_CONFIG_HOME and HOME for one test and puts them back.
class ConfigBaseTest : public IniSettingsTest {
 protected:
  void SetUp() override {
    IniSettingsTest::SetUp();
    for (const char* name : {"XDG_CONFIG_HOME", "HOME"}) {
      const char* value = std::getenv(name);
      saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) {
      if (value)
        setenv(name.c_str(), value->c_str(), 1);
      else
        unsetenv(name.c_str());
    }
    IniSettingsTest::TearDown();
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(ConfigBaseTest, XdgConfigHomeIsHonoured) {
  setenv("XDG_CONFIG_HOME", (base_ / "xdg").c_str(), 1);
  setenv("HOME", (base_ / "home").c_str(), 1);
  IniSettings settings;
  ASSERT_TRUE(settings.SaveSetting(kApp, "Settings", "Zone1", "4"));
  EXPECT_EQ(ReadFile(base_ / "xdg" / kApp / (std::string(kApp) + ".ini")), "[Settings]\nZone1=4\n");
  EXPECT_FALSE(fs::exists(base_ / "home"));
}

TEST_F(ConfigBaseTest, WithoutAnAbsoluteXdgConfigHomeItIsHomeDotConfig) {
  setenv("HOME", (base_ / "home").c_str(), 1);
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(IniSettings::ConfigBase(), base_ / "home" / ".config");
  setenv("XDG_CONFIG_HOME", "relative/dir", 1);
  EXPECT_EQ(IniSettings::ConfigBase(), base_ / "home" / ".config");
  setenv("XDG_CONFIG_HOME", "", 1);
  EXPECT_EQ(IniSettings::ConfigBase(), base_ / "home" / ".config");
}

}  // namespace
}  // namespace tellux
