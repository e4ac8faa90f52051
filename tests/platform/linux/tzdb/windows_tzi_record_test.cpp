// Zone rules in the shape the Windows catalogue stores them: what the
// catalogue load will read back byte by byte.

#include "platform/linux/tzdb/windows_tzi_record.h"

#include <gtest/gtest.h>

namespace tellux::zoneinfo {
namespace {

TziRecord RecordOf(std::string_view tz) {
  const std::optional<PosixTzRule> rule = ParsePosixTz(tz);
  EXPECT_TRUE(rule.has_value()) << tz;
  return TziFromRule(rule.value_or(PosixTzRule{}));
}

SYSTEMTIME Date(std::uint16_t month, std::uint16_t weekday, std::uint16_t week, std::uint16_t hour,
                std::uint16_t minute = 0) {
  SYSTEMTIME s;
  s.wMonth = month;
  s.wDayOfWeek = weekday;
  s.wDay = week;
  s.wHour = hour;
  s.wMinute = minute;
  return s;
}

std::int32_t Int32At(const std::string& b, std::size_t at) {
  std::uint32_t v = 0;
  for (std::size_t k = 0; k < 4; ++k) v |= std::uint32_t{static_cast<unsigned char>(b[at + k])} << (8 * k);
  return static_cast<std::int32_t>(v);
}

int UInt16At(const std::string& b, std::size_t at) {
  return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8);
}

TEST(TziRecord, RecordsTheUsPacificRuleAsWindowsDoes) {
  const TziRecord r = RecordOf("PST8PDT,M3.2.0,M11.1.0");
  EXPECT_EQ(r.Bias, 480);
  EXPECT_EQ(r.StandardBias, 0);
  EXPECT_EQ(r.DaylightBias, -60);
  EXPECT_EQ(r.DaylightDate, Date(3, 0, 2, 2));
  EXPECT_EQ(r.StandardDate, Date(11, 0, 1, 2));
}

TEST(TziRecord, LeavesBothDatesEmptyWithoutDaylightSaving) {
  const TziRecord r = RecordOf("<+0545>-5:45");
  EXPECT_EQ(r.Bias, -345);
  EXPECT_EQ(r.DaylightBias, 0);
  EXPECT_EQ(r.StandardDate, SYSTEMTIME{});
  EXPECT_EQ(r.DaylightDate, SYSTEMTIME{});
}

TEST(TziRecord, MovesChangesTimedOutsideTheDayToTheDayTheyFallOn) {
  // Friday 02:00 after the fourth Thursday.
  EXPECT_EQ(RecordOf("IST-2IDT,M3.4.4/26,M10.5.0").DaylightDate, Date(3, 5, 4, 2));
  // Saturday 23:00 before the last Sunday.
  EXPECT_EQ(RecordOf("<-02>2<-01>,M3.5.0/-1,M10.5.0/0").DaylightDate, Date(3, 6, 5, 23));
  // Saturday 24:00 is Sunday 00:00.
  EXPECT_EQ(RecordOf("<-04>4<-03>,M9.1.6/24,M4.1.6/24").StandardDate, Date(4, 0, 1, 0));
  // Minutes survive the move: -1:30 is 22:30 the day before.
  EXPECT_EQ(RecordOf("AAA3BBB,M3.2.0/-1:30,M11.1.0").DaylightDate, Date(3, 6, 2, 22, 30));
  // Six days later is nearer the next week than this one; 150 h back is
  // Sunday 18:00 a week earlier.
  EXPECT_EQ(RecordOf("AAA3BBB,M3.2.0/150,M11.1.0").DaylightDate, Date(3, 6, 3, 6));
  EXPECT_EQ(RecordOf("AAA3BBB,M3.2.0/-150,M11.1.0").DaylightDate, Date(3, 0, 1, 18));
  // The last week stays the last one.
  EXPECT_EQ(RecordOf("AAA3BBB,M3.5.0/150,M11.1.0").DaylightDate, Date(3, 6, 5, 6));
}

TEST(TziRecord, RecordsNegativeDaylightSavingTurnedAround) {
  const TziRecord dublin = RecordOf("IST-1GMT0,M10.5.0,M3.5.0/1");
  EXPECT_EQ(dublin, RecordOf("GMT0IST,M3.5.0/1,M10.5.0"));
  EXPECT_EQ(dublin.Bias, 0);
  EXPECT_EQ(dublin.DaylightBias, -60);
}

TEST(TziRecord, RoundsOffsetsToWholeMinutes) {
  EXPECT_EQ(RecordOf("LMT-0:17:30").Bias, -18);
  EXPECT_EQ(RecordOf("LMT0:17:29").Bias, 17);
}

TEST(TziRecord, LaysOutTheFortyFourBytesLittleEndian) {
  const std::string b = TziBytes(RecordOf("AEST-10AEDT,M10.1.0,M4.1.0/3"));
  ASSERT_EQ(b.size(), 44u);
  EXPECT_EQ(Int32At(b, 0), -600);
  EXPECT_EQ(Int32At(b, 4), 0);
  EXPECT_EQ(Int32At(b, 8), -60);
  // StandardDate: year, month, weekday, week, hour.
  EXPECT_EQ(UInt16At(b, 12), 0);
  EXPECT_EQ(UInt16At(b, 14), 4);
  EXPECT_EQ(UInt16At(b, 16), 0);
  EXPECT_EQ(UInt16At(b, 18), 1);
  EXPECT_EQ(UInt16At(b, 20), 3);
  // DaylightDate.
  EXPECT_EQ(UInt16At(b, 30), 10);
  EXPECT_EQ(UInt16At(b, 34), 1);
  EXPECT_EQ(UInt16At(b, 36), 2);
  // Negative values are two's complement in all four bytes.
  EXPECT_EQ(b.substr(0, 4), std::string("\xA8\xFD\xFF\xFF", 4));
}

}  // namespace
}  // namespace tellux::zoneinfo
