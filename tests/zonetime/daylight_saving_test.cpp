#include "zonetime/daylight_saving.h"

#include <gtest/gtest.h>

#include "platform/date_value.h"
#include "tests/doubles/test_services.h"

namespace tellux::zonetime {
namespace {

using date_value::DateSerial;
using testing::MakeTime;
using testing::TestServices;

class Transitions : public ::testing::Test {
 protected:
  Transitions() { t.clock.local = MakeTime(2003, 6, 15, 12, 0); }
  double Date(int month, int week) { return CalculateDate(t.services(), static_cast<std::int16_t>(month), static_cast<std::int16_t>(week)); }
  bool InDaylightAt(double standardStart, double daylightStart, int y, int mo, int d, int h, int mi) {
    t.clock.local = MakeTime(y, mo, d, h, mi);
    return CheckDaylightsaving(t.services(), standardStart, daylightStart) == -1;
  }
  TestServices t;
};

TEST_F(Transitions, TheLastSundayOfAMonthWithFourOrFiveSundays) {
  EXPECT_EQ(Date(10, 5), 37920);                     // 26 October 2003
  EXPECT_EQ(Date(11, 5), DateSerial(2003, 11, 30));  // November 2003 has five
  EXPECT_EQ(Date(3, 5), DateSerial(2003, 3, 30));
  // The fifth Sunday of December 2003 runs into January and is taken back.
  EXPECT_EQ(Date(12, 5), DateSerial(2003, 12, 28));
}

TEST_F(Transitions, TheNthSundayCountsFromTheFirstOnOrAfterTheFirst) {
  EXPECT_EQ(Date(4, 1), 37717);                     // 6 April 2003
  EXPECT_EQ(Date(6, 1), DateSerial(2003, 6, 1));    // the 1st is itself a Sunday
  EXPECT_EQ(Date(3, 2), DateSerial(2003, 3, 9));
}

TEST_F(Transitions, AWeekAboveFiveRunsOnAndIsTakenBackOnce) {
  EXPECT_EQ(Date(10, 6), DateSerial(2003, 11, 2));
}

TEST_F(Transitions, AnEmptyRuleFallsInNovemberOfTheYearBefore) {
  EXPECT_EQ(Date(0, 0), 37577);  // 17 November 2002
}

TEST_F(Transitions, UseTheYearOfTheClockAtEveryCall) {
  EXPECT_EQ(date_value::Year(Date(10, 5)), 2003);
  t.clock.local = MakeTime(2024, 1, 1, 0, 0);
  EXPECT_EQ(Date(10, 5), DateSerial(2024, 10, 27));
}

TEST_F(Transitions, ArithmeticThatLeavesSixteenBitsEndsTheProgram) {
  EXPECT_THROW(Date(3, -32768), testing::ProgramEnded);
  ASSERT_EQ(t.messages.texts.size(), 1u);
  EXPECT_EQ(t.messages.texts[0], "Overflow in CalculateDate");
}

TEST_F(Transitions, NorthernDaylightStartsAndEndsAtMidnightOfTheTransitionDays) {
  const double daylight = DateSerial(2003, 4, 6);
  const double standard = DateSerial(2003, 10, 26);
  EXPECT_FALSE(InDaylightAt(standard, daylight, 2003, 4, 5, 23, 59));
  EXPECT_TRUE(InDaylightAt(standard, daylight, 2003, 4, 6, 0, 0));
  EXPECT_TRUE(InDaylightAt(standard, daylight, 2003, 10, 25, 23, 59));
  EXPECT_FALSE(InDaylightAt(standard, daylight, 2003, 10, 26, 0, 0));
}

TEST_F(Transitions, SouthernDaylightSpansTheTurnOfTheYear) {
  const double standard = DateSerial(2003, 3, 30);
  const double daylight = DateSerial(2003, 10, 26);
  EXPECT_TRUE(InDaylightAt(standard, daylight, 2003, 1, 1, 0, 0));
  EXPECT_FALSE(InDaylightAt(standard, daylight, 2003, 3, 30, 0, 0));
  EXPECT_FALSE(InDaylightAt(standard, daylight, 2003, 10, 25, 23, 59));
  EXPECT_TRUE(InDaylightAt(standard, daylight, 2003, 10, 26, 0, 0));
}

TEST_F(Transitions, EqualDatesNeverMeanDaylightSaving) {
  const double none = Date(0, 0);
  EXPECT_FALSE(InDaylightAt(none, none, 2002, 11, 17, 0, 0));
  EXPECT_FALSE(InDaylightAt(none, none, 2003, 6, 15, 12, 0));
}

}  // namespace
}  // namespace tellux::zonetime
