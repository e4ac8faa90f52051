// The rules the tz database writes at the end of its zone files, read as a
// user's zone would be: offsets, daylight saving and when it starts and ends.

#include "platform/linux/tzdb/posix_tz_rule.h"

#include <gtest/gtest.h>

namespace tellux::zoneinfo {
namespace {

constexpr std::int32_t kHour = 3600;

PosixTzRule Parsed(std::string_view tz) {
  const std::optional<PosixTzRule> rule = ParsePosixTz(tz);
  EXPECT_TRUE(rule.has_value()) << tz;
  return rule.value_or(PosixTzRule{});
}

TEST(PosixTzRule, ReadsTheUsPacificRule) {
  const PosixTzRule rule = Parsed("PST8PDT,M3.2.0,M11.1.0");
  EXPECT_EQ(rule.standardAbbreviation, "PST");
  EXPECT_EQ(rule.standardOffset, 8 * kHour);
  ASSERT_TRUE(rule.hasDaylight);
  EXPECT_EQ(rule.daylightAbbreviation, "PDT");
  EXPECT_EQ(rule.daylightOffset, 7 * kHour);  // one hour less when not written
  EXPECT_EQ(rule.daylightStart, (PosixTransition{3, 2, 0, 2 * kHour}));
  EXPECT_EQ(rule.daylightEnd, (PosixTransition{11, 1, 0, 2 * kHour}));
}

TEST(PosixTzRule, ReadsQuotedNamesAndOffsetsWithMinutesEastOfUtc) {
  const PosixTzRule india = Parsed("<+0530>-5:30");
  EXPECT_EQ(india.standardAbbreviation, "+0530");
  EXPECT_EQ(india.standardOffset, -(5 * kHour + 30 * 60));
  EXPECT_FALSE(india.hasDaylight);

  const PosixTzRule nepal = Parsed("<+0545>-5:45");
  EXPECT_EQ(nepal.standardOffset, -(5 * kHour + 45 * 60));

  EXPECT_EQ(Parsed("<-03>+3").standardOffset, 3 * kHour);
  EXPECT_EQ(Parsed("LMT-0:17:30").standardOffset, -(17 * 60 + 30));
}

TEST(PosixTzRule, ReadsASouthernRuleThatRunsAcrossTheNewYear) {
  const PosixTzRule sydney = Parsed("AEST-10AEDT,M10.1.0,M4.1.0/3");
  EXPECT_EQ(sydney.standardOffset, -10 * kHour);
  EXPECT_EQ(sydney.daylightOffset, -11 * kHour);
  EXPECT_EQ(sydney.daylightStart, (PosixTransition{10, 1, 0, 2 * kHour}));
  EXPECT_EQ(sydney.daylightEnd, (PosixTransition{4, 1, 0, 3 * kHour}));
}

TEST(PosixTzRule, ReadsAnExplicitDaylightOffsetOfHalfAnHour) {
  const PosixTzRule lordHowe = Parsed("<+1030>-10:30<+11>-11,M10.1.0,M4.1.0");
  EXPECT_EQ(lordHowe.standardOffset, -(10 * kHour + 30 * 60));
  EXPECT_EQ(lordHowe.daylightOffset, -11 * kHour);
}

TEST(PosixTzRule, ReadsTimesBeforeMidnightAndBeyondADay) {
  const PosixTzRule greenland = Parsed("<-02>2<-01>,M3.5.0/-1,M10.5.0/0");
  EXPECT_EQ(greenland.daylightStart, (PosixTransition{3, 5, 0, -kHour}));
  EXPECT_EQ(greenland.daylightEnd, (PosixTransition{10, 5, 0, 0}));

  const PosixTzRule israel = Parsed("IST-2IDT,M3.4.4/26,M10.5.0");
  EXPECT_EQ(israel.daylightStart, (PosixTransition{3, 4, 4, 26 * kHour}));

  EXPECT_EQ(Parsed("XXX3YYY,M3.2.0/167,M11.1.0/-167:59").daylightStart.time, 167 * kHour);
  EXPECT_EQ(Parsed("XXX3YYY,M3.2.0/1:30:15,M11.1.0").daylightStart.time, kHour + 30 * 60 + 15);
}

TEST(PosixTzRule, ApproximatesDayOfYearFormsByTheSundayOfTheSameWeek) {
  // J60 is 1 March in every year; day 59 counted from 0 is 1 March too in a
  // common year. Day 300 is 27 October, in the fourth week.
  const PosixTzRule julian = Parsed("EST5EDT,J60/2,J300/2");
  EXPECT_EQ(julian.daylightStart, (PosixTransition{3, 1, 0, 2 * kHour}));
  EXPECT_EQ(julian.daylightEnd, (PosixTransition{10, 4, 0, 2 * kHour}));

  const PosixTzRule zeroBased = Parsed("EST5EDT,59,364");
  EXPECT_EQ(zeroBased.daylightStart.month, 3);
  EXPECT_EQ(zeroBased.daylightStart.week, 1);
  EXPECT_EQ(zeroBased.daylightEnd.month, 12);
  EXPECT_EQ(zeroBased.daylightEnd.week, 5);  // the 31st: the last Sunday
}

TEST(PosixTzRule, TakesYearRoundDaylightTimeAsAFixedZone) {
  const PosixTzRule rule = Parsed("EST5EDT,0/0,J365/25");
  EXPECT_FALSE(rule.hasDaylight);
  EXPECT_EQ(rule.standardAbbreviation, "EDT");
  EXPECT_EQ(rule.standardOffset, 4 * kHour);
}

TEST(PosixTzRule, GivesADaylightNameWithoutARuleTheUsRule) {
  const PosixTzRule rule = Parsed("EST5EDT");
  ASSERT_TRUE(rule.hasDaylight);
  EXPECT_EQ(rule.daylightStart, (PosixTransition{3, 2, 0, 2 * kHour}));
  EXPECT_EQ(rule.daylightEnd, (PosixTransition{11, 1, 0, 2 * kHour}));
}

TEST(PosixTzRule, RejectsWhatIsNoRule) {
  for (std::string_view bad :
       {"", "PS8", "PST", "8", "PST25", "PST-25", "<+05", "<+05:30>-5:30", "<>0", "PST8 ",
        "PST8PDT,", "PST8PDT,M3.2.0", "BBB-24:09CCC,0/0,J365/25", "PST8PDT,M3.2.0,", "PST8PDT,M13.1.0,M11.1.0",
        "PST8PDT,M0.1.0,M11.1.0", "PST8PDT,M3.6.0,M11.1.0", "PST8PDT,M3.0.0,M11.1.0",
        "PST8PDT,M3.2.7,M11.1.0", "PST8PDT,M3.2.0/168,M11.1.0", "PST8PDT,M3.2.0/2:60,M11.1.0",
        "PST8PDT,J0,J300", "PST8PDT,J366,J300", "PST8PDT,366,300", "PST8:60",
        "PST8PDT,M3.2.0,M11.1.0,M12.1.0", "PST8PDT;M3.2.0,M11.1.0"}) {
    EXPECT_FALSE(ParsePosixTz(bad).has_value()) << '"' << bad << '"';
  }
}

TEST(PosixTzRule, TurnsNegativeDaylightSavingAroundSoStandardTimeIsTheEarlier) {
  // Ireland writes its winter time as a negative daylight saving time.
  const PosixTzRule turned = WithDaylightAhead(Parsed("IST-1GMT0,M10.5.0,M3.5.0/1"));
  EXPECT_EQ(turned.standardAbbreviation, "GMT");
  EXPECT_EQ(turned.standardOffset, 0);
  EXPECT_EQ(turned.daylightAbbreviation, "IST");
  EXPECT_EQ(turned.daylightOffset, -kHour);
  EXPECT_EQ(turned.daylightStart, (PosixTransition{3, 5, 0, kHour}));
  EXPECT_EQ(turned.daylightEnd, (PosixTransition{10, 5, 0, 2 * kHour}));

  const PosixTzRule london = Parsed("GMT0BST,M3.5.0/1,M10.5.0");
  EXPECT_EQ(WithDaylightAhead(london), london);
  EXPECT_EQ(turned.daylightStart, london.daylightStart);
  EXPECT_EQ(turned.daylightEnd, london.daylightEnd);
}

}  // namespace
}  // namespace tellux::zoneinfo
