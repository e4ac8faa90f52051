// The Linux clock: local and UTC time from the kernel as the zone says, the
// kernel's adjustment in Windows' terms, the machine zone's current state.

#include "platform/linux/linux_clock.h"

#include <gtest/gtest.h>
#include <sys/timex.h>
#include <time.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include "platform/date_value.h"

namespace tellux {
namespace {

// Sets TZ for one test and puts the old value back.
class ScopedTz {
 public:
  explicit ScopedTz(const char* tz) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    setenv("TZ", tz, 1);
    tzset();
  }
  ~ScopedTz() {
    if (old_)
      setenv("TZ", old_->c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }
  ScopedTz(const ScopedTz&) = delete;
  ScopedTz& operator=(const ScopedTz&) = delete;

 private:
  std::optional<std::string> old_;
};

double WithMillis(const SYSTEMTIME& t) {
  return date_value::FromSystemTime(t) + t.wMilliseconds / 86400000.0;
}

// Hours local time is ahead of UTC, read from the two clocks one after the
// other; they are a moment apart, so it is rounded to the minute.
double HoursAhead(LinuxClock& clock) {
  SYSTEMTIME local;
  SYSTEMTIME utc;
  clock.GetLocalTime(local);
  clock.GetSystemTime(utc);
  return std::round((WithMillis(local) - WithMillis(utc)) * 24.0 * 60.0) / 60.0;
}

void ExpectWellFormed(const SYSTEMTIME& t) {
  EXPECT_GE(t.wYear, 2020);
  EXPECT_GE(t.wMonth, 1);
  EXPECT_LE(t.wMonth, 12);
  EXPECT_GE(t.wDay, 1);
  EXPECT_LE(t.wDay, 31);
  EXPECT_LE(t.wHour, 23);
  EXPECT_LE(t.wMinute, 59);
  EXPECT_LE(t.wSecond, 59);
  EXPECT_LE(t.wMilliseconds, 999);
  // Sunday is 0 in the record, 1 for Weekday.
  EXPECT_EQ(t.wDayOfWeek + 1, date_value::Weekday(date_value::FromSystemTime(t)));
}

TEST(LinuxClockTimes, LocalTimeFollowsTheZoneInTz) {
  LinuxClock clock(nullptr);
  {
    ScopedTz tz("UTC0");
    EXPECT_EQ(HoursAhead(clock), 0.0);
  }
  {
    ScopedTz tz("EST5");
    EXPECT_EQ(HoursAhead(clock), -5.0);
  }
  {
    ScopedTz tz("IST-5:30");
    EXPECT_EQ(HoursAhead(clock), 5.5);
  }
}

// The window asks the time once a second. A zone changed behind the C
// library's back (no tzset(), as when another program changes the machine's
// zone) shows by the next second, however often it was asked meanwhile.
TEST(LinuxClockTimes, AZoneChangedMeanwhileShowsByTheNextSecond) {
  LinuxClock clock(nullptr);
  ScopedTz tz("UTC0");
  EXPECT_EQ(HoursAhead(clock), 0.0);
  setenv("TZ", "EST5", 1);
  SYSTEMTIME start;
  clock.GetSystemTime(start);
  SYSTEMTIME now = start;
  while (now.wSecond == start.wSecond) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    clock.GetSystemTime(now);
  }
  EXPECT_EQ(HoursAhead(clock), -5.0);
}

TEST(LinuxClockTimes, RecordsAreCompleteWithDayOfWeekAndMilliseconds) {
  ScopedTz tz("NZST-12");  // far from UTC, so local and UTC dates often differ
  LinuxClock clock(nullptr);
  SYSTEMTIME local;
  SYSTEMTIME utc;
  clock.GetLocalTime(local);
  clock.GetSystemTime(utc);
  ExpectWellFormed(local);
  ExpectWellFormed(utc);
}

TEST(LinuxClockAdjustment, UnsynchronisedClockAtNominalRateIsDisabled) {
  struct timex kernel {};
  kernel.tick = 10000;  // µs: 100 ticks a second
  kernel.status = STA_UNSYNC;
  std::uint32_t adjustment = 0;
  std::uint32_t increment = 0;
  std::int32_t disabled = 0;
  ASSERT_TRUE(MapKernelAdjustment(kernel, 100, adjustment, increment, disabled));
  EXPECT_EQ(increment, 100000u);  // 10 ms in 100 ns units
  EXPECT_EQ(adjustment, increment);
  EXPECT_EQ(disabled, 1);
}

TEST(LinuxClockAdjustment, FrequencyCorrectionScalesTheAdjustment) {
  struct timex kernel {};
  kernel.tick = 10000;
  kernel.status = STA_PLL;
  std::uint32_t adjustment = 0;
  std::uint32_t increment = 0;
  std::int32_t disabled = 1;

  kernel.freq = 100L << 16;  // +100 ppm: the clock gains 10 units each tick
  ASSERT_TRUE(MapKernelAdjustment(kernel, 100, adjustment, increment, disabled));
  EXPECT_EQ(increment, 100000u);
  EXPECT_EQ(adjustment, 100010u);
  EXPECT_EQ(disabled, 0);

  kernel.freq = -(50L << 16);  // -50 ppm
  ASSERT_TRUE(MapKernelAdjustment(kernel, 100, adjustment, increment, disabled));
  EXPECT_EQ(adjustment, 99995u);
  EXPECT_EQ(disabled, 0);
}

TEST(LinuxClockAdjustment, ASlewedTickIsAnAdjustmentInForce) {
  struct timex kernel {};
  kernel.tick = 10001;
  std::uint32_t adjustment = 0;
  std::uint32_t increment = 0;
  std::int32_t disabled = 1;
  ASSERT_TRUE(MapKernelAdjustment(kernel, 100, adjustment, increment, disabled));
  EXPECT_EQ(increment, 100000u);
  EXPECT_EQ(adjustment, 100010u);
  EXPECT_EQ(disabled, 0);
}

TEST(LinuxClockAdjustment, SynchronisedWithNothingSetIsDisabled) {
  struct timex kernel {};
  kernel.tick = 4000;  // 250 ticks a second
  std::uint32_t adjustment = 0;
  std::uint32_t increment = 0;
  std::int32_t disabled = 0;
  ASSERT_TRUE(MapKernelAdjustment(kernel, 250, adjustment, increment, disabled));
  EXPECT_EQ(increment, 40000u);
  EXPECT_EQ(adjustment, 40000u);
  EXPECT_EQ(disabled, 1);
}

TEST(LinuxClockAdjustment, NonsenseFromTheKernelLeavesTheOutputsAlone) {
  struct timex kernel {};
  kernel.tick = 0;
  std::uint32_t adjustment = 7;
  std::uint32_t increment = 8;
  std::int32_t disabled = 9;
  EXPECT_FALSE(MapKernelAdjustment(kernel, 100, adjustment, increment, disabled));
  kernel.tick = 10000;
  EXPECT_FALSE(MapKernelAdjustment(kernel, 0, adjustment, increment, disabled));
  EXPECT_EQ(adjustment, 7u);
  EXPECT_EQ(increment, 8u);
  EXPECT_EQ(disabled, 9);
}

TEST(LinuxClockAdjustment, TheRealKernelAnswersInNominalTicks) {
  LinuxClock clock(nullptr);
  std::uint32_t adjustment = 7;
  std::uint32_t increment = 8;
  std::int32_t disabled = 9;
  if (!clock.GetSystemTimeAdjustment(adjustment, increment, disabled)) {
    EXPECT_EQ(adjustment, 7u);
    EXPECT_EQ(increment, 8u);
    EXPECT_EQ(disabled, 9);
    return;
  }
  EXPECT_EQ(increment, static_cast<std::uint32_t>(10000000 / sysconf(_SC_CLK_TCK)));
  EXPECT_GT(adjustment, 0u);
  EXPECT_TRUE(disabled == 0 || disabled == 1);
}

TIME_ZONE_INFORMATION ZoneWithDaylight() {
  TIME_ZONE_INFORMATION zone;
  zone.Bias = 300;
  zone.StandardDate.wMonth = 11;
  zone.DaylightDate.wMonth = 3;
  zone.DaylightBias = -60;
  return zone;
}

TEST(LinuxClockZone, TheLookupFillsTheRecordAndNowDecidesTheState) {
  LinuxClock clock([](TIME_ZONE_INFORMATION& info) { info = ZoneWithDaylight(); });
  TIME_ZONE_INFORMATION info;
  {
    ScopedTz tz("EST5");
    EXPECT_EQ(clock.GetTimeZoneInformation(info), 1u);
    EXPECT_EQ(info.Bias, 300);
  }
  {
    // Daylight saving the whole year round.
    ScopedTz tz("EST5EDT,0/0,J365/25");
    EXPECT_EQ(clock.GetTimeZoneInformation(info), 2u);
  }
}

TEST(LinuxClockZone, AZoneWithoutDaylightRuleIsUnknown) {
  LinuxClock clock([](TIME_ZONE_INFORMATION& info) { info.Bias = -540; });
  ScopedTz tz("JST-9");
  TIME_ZONE_INFORMATION info;
  EXPECT_EQ(clock.GetTimeZoneInformation(info), 0u);
  EXPECT_EQ(info.Bias, -540);
}

TEST(LinuxClockZone, NoLookupFailsAndLeavesTheRecordAlone) {
  LinuxClock clock(nullptr);
  TIME_ZONE_INFORMATION info;
  info.Bias = 123;
  EXPECT_EQ(clock.GetTimeZoneInformation(info), 0xFFFFFFFFu);
  EXPECT_EQ(info.Bias, 123);
}

}  // namespace
}  // namespace tellux
