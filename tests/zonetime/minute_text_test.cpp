// A clock row renders its time once a minute: the seconds tick on, the
// row's text (which shows no seconds) is rendered at the minute's first tick
// and reused until the minute moves.

#include "zonetime/minute_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/doubles/fake_clock.h"

namespace tellux::zonetime {
namespace {

SYSTEMTIME At(int hour, int minute, int second) { return testing::MakeTime(2026, 12, 7, hour, minute, second); }

// Renders as the locale would, counting the times it was asked.
struct Renderer {
  bool showsSeconds = false;
  int calls = 0;
  std::string operator()(const SYSTEMTIME& t) {
    ++calls;
    std::string text = std::to_string(t.wHour) + ":" + std::to_string(t.wMinute);
    if (showsSeconds) text += ":" + std::to_string(t.wSecond);
    return text;
  }
};

TEST(MinuteTextTest, AMinuteOfTicksIsRenderedOnceAndTheNextMinuteAgain) {
  MinuteText row;
  Renderer render;
  for (int s = 0; s < 60; ++s) EXPECT_EQ(row.Get(At(14, 35, s), ":", std::ref(render)), "14:35");
  const int perMinute = render.calls;
  EXPECT_LE(perMinute, 2);  // the first tick, and the same minute at other seconds
  EXPECT_EQ(row.Get(At(14, 36, 0), ":", std::ref(render)), "14:36");
  EXPECT_GT(render.calls, perMinute);
}

TEST(MinuteTextTest, AnythingButTheSecondsRendersAfresh) {
  MinuteText row;
  Renderer render;
  row.Get(At(14, 35, 10), ":", std::ref(render));
  SYSTEMTIME nextDay = At(14, 35, 11);
  nextDay.wDay = 8;
  const int before = render.calls;
  row.Get(nextDay, ":", std::ref(render));
  EXPECT_GT(render.calls, before);

  // Another separator (the locale's changed) is not the text kept.
  EXPECT_EQ(row.Get(At(14, 35, 12), ".", [](const SYSTEMTIME&) { return std::string("14.35"); }), "14.35");
}

TEST(MinuteTextTest, ARowWhoseTextShowsTheSecondsIsRenderedEveryTick) {
  MinuteText row;
  Renderer render{.showsSeconds = true};
  EXPECT_EQ(row.Get(At(9, 5, 1), ":", std::ref(render)), "9:5:1");
  EXPECT_EQ(row.Get(At(9, 5, 2), ":", std::ref(render)), "9:5:2");
  EXPECT_EQ(row.Get(At(9, 5, 3), ":", std::ref(render)), "9:5:3");
}

TEST(MinuteTextTest, ARenderThatFailsKeepsNothing) {
  MinuteText row;
  EXPECT_THROW(row.Get(At(8, 0, 0), ":", [](const SYSTEMTIME&) -> std::string { throw 1; }), int);
  Renderer render;
  EXPECT_EQ(row.Get(At(8, 0, 1), ":", std::ref(render)), "8:0");
  EXPECT_GE(render.calls, 1);
}

}  // namespace
}  // namespace tellux::zonetime
