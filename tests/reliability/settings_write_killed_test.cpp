// A settings write killed at any point: the file that is left is always a
// whole one, the old or the new, never a mix cut part-way through a write.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "platform/linux/settings/ini_settings.h"

namespace tellux {
namespace {

constexpr const char* kKeys[] = {"TimeZone1", "TimeZone2", "TimeZone3", "TimeZone4", "Selection"};

std::string ValueOf(int state, int key) { return std::to_string(state * 10 + key); }

// Writes the five settings over and over, alternating two states; a long
// values make each write take long enough to be hit part-way.
[[noreturn]] void WriteForever(const std::filesystem::path& base) {
  IniSettings settings(base);
  const std::string padding(3000, 'p');
  for (int round = 0;; ++round) {
    const int state = round % 2;
    for (int k = 0; k < 10; ++k) {
      settings.SaveSetting("TelluxTime", "Padding", "Long" + std::to_string(k), padding + std::to_string(state));
    }
    for (int k = 0; k < 5; ++k) settings.SaveSetting("TelluxTime", "Settings", kKeys[k], ValueOf(state, k));
  }
}

TEST(SettingsWriteKilled, LeavesTheOldFileOrTheNewOneNeverABrokenOne) {
  char pattern[] = "/tmp/tellux-kill-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::filesystem::path base = pattern;
  std::mt19937 random(20261207);
  int kills = 0;
  for (int attempt = 0; attempt < 60; ++attempt) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) WriteForever(base);
    usleep(static_cast<useconds_t>(2000 + random() % 20000));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    ++kills;

    const std::filesystem::path file = base / "TelluxTime" / "TelluxTime.ini";
    if (!std::filesystem::exists(file)) continue;  // killed before the first write
    std::ifstream in(file, std::ios::binary);
    std::stringstream whole;
    whole << in.rdbuf();
    const std::string text = whole.str();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n') << "a file cut part-way";
    IniSettings reader(base);
    for (int k = 0; k < 10; ++k) {
      const std::string padding = reader.GetSetting("TelluxTime", "Padding", "Long" + std::to_string(k), "");
      if (padding.empty()) continue;  // not yet written in the very first round
      EXPECT_EQ(padding.size(), 3001u);
      EXPECT_EQ(padding.find_first_not_of('p'), 3000u);
    }
    for (int k = 0; k < 5; ++k) {
      const std::string v = reader.GetSetting("TelluxTime", "Settings", kKeys[k], "missing");
      if (v == "missing") continue;  // not yet written in the very first round
      EXPECT_TRUE(v == ValueOf(0, k) || v == ValueOf(1, k)) << kKeys[k] << "=" << v;
    }
  }
  EXPECT_EQ(kills, 60);
  // The new files a killed write never renamed show that kills did land
  // part-way through writes.
  int cutShort = 0;
  for (const auto& entry : std::filesystem::directory_iterator(base / "TelluxTime")) {
    cutShort += entry.path().filename() != "TelluxTime.ini" ? 1 : 0;
  }
  std::printf("%d of %d kills landed inside a write\n", cutShort, kills);
  EXPECT_GT(cutShort, 0);
  std::filesystem::remove_all(base);
}

}  // namespace
}  // namespace tellux
