// The remembered time texts: the same answer as the locale itself gives, in
// each locale its own, and a call that failed for its buffer does not stand
// in for one with room.

#include "platform/linux/locale/memo_locale.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/doubles/scripted_locale.h"

namespace tellux {
namespace {

using testing::ScriptedLocale;

SYSTEMTIME Afternoon() {
  SYSTEMTIME t{};
  t.wYear = 2024;
  t.wMonth = 3;
  t.wDay = 15;
  t.wHour = 14;
  t.wMinute = 35;
  t.wSecond = 20;
  return t;
}

std::string TimeText(Locale& locale, std::uint32_t which, const SYSTEMTIME& t, int offered = 254) {
  std::string buffer(255, '#');
  const int written = locale.GetTimeFormatA(which, 0, &t, nullptr, &buffer, offered);
  if (written == 0) return "<failed> " + buffer.substr(0, 3);
  return buffer.substr(0, static_cast<std::size_t>(written) - 1);
}

TEST(MemoLocale, TheSameTimeInTwoLocalesIsRememberedForEachLocale) {
  ScriptedLocale scripted(testing::EnglishUs(), testing::German());
  MemoLocale memo(scripted);
  const SYSTEMTIME t = Afternoon();

  EXPECT_EQ(TimeText(memo, kLocaleUserDefault, t), "2:35:20 PM");
  EXPECT_EQ(TimeText(memo, kLocaleSystemDefault, t), "14:35:20");
  EXPECT_EQ(scripted.timeFormatCalls, 2);

  // Asked again, each locale gets its own text back without a new format.
  EXPECT_EQ(TimeText(memo, kLocaleSystemDefault, t), "14:35:20");
  EXPECT_EQ(TimeText(memo, kLocaleUserDefault, t), "2:35:20 PM");
  EXPECT_EQ(scripted.timeFormatCalls, 2);
}

TEST(MemoLocale, ATooSmallBufferFailsWithoutStandingInForARoomyOne) {
  ScriptedLocale scripted;
  MemoLocale memo(scripted);
  const SYSTEMTIME t = Afternoon();

  EXPECT_EQ(TimeText(memo, kLocaleSystemDefault, t, 4), "<failed> ###");
  EXPECT_EQ(TimeText(memo, kLocaleSystemDefault, t), "2:35:20 PM");
  EXPECT_EQ(TimeText(memo, kLocaleSystemDefault, t, 4), "<failed> ###");
}

TEST(MemoLocale, KeepsAtMostItsCapacityAndForgetsOnClear) {
  ScriptedLocale scripted;
  MemoLocale memo(scripted, 3);
  SYSTEMTIME t = Afternoon();
  for (std::uint16_t second = 0; second < 10; ++second) {
    t.wSecond = second;
    EXPECT_EQ(TimeText(memo, kLocaleSystemDefault, t),
              "2:35:0" + std::to_string(second) + " PM");
    EXPECT_LE(memo.Size(), 3u);
  }
  memo.Clear();
  EXPECT_EQ(memo.Size(), 0u);
  const int before = scripted.timeFormatCalls;
  EXPECT_EQ(TimeText(memo, kLocaleSystemDefault, t), "2:35:09 PM");
  EXPECT_EQ(scripted.timeFormatCalls, before + 1);
}

}  // namespace
}  // namespace tellux
