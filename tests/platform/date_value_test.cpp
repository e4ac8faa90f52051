#include "platform/date_value.h"

#include <gtest/gtest.h>

namespace tellux {
namespace {

using namespace date_value;

TEST(DateValue, CountsDaysFromThirtiethDecember1899) {
  EXPECT_EQ(DateSerial(1899, 12, 30), 0);
  EXPECT_EQ(DateSerial(2003, 10, 26), 37920);
  EXPECT_EQ(DateSerial(2003, 4, 6), 37717);
  EXPECT_EQ(DateSerial(2002, 11, 17), 37577);
}

TEST(DateValue, MonthsOutsideTheYearCarryIntoTheNeighbours) {
  EXPECT_EQ(DateSerial(2003, 0, 1), DateSerial(2002, 12, 1));
  EXPECT_EQ(DateSerial(2003, 13, 1), DateSerial(2004, 1, 1));
  EXPECT_EQ(DateSerial(2003, -11, 1), DateSerial(2002, 1, 1));
  EXPECT_EQ(DateSerial(2003, 255, 1), DateSerial(2024, 3, 1));
  EXPECT_EQ(DateSerial(2003, 1, 32), DateSerial(2003, 2, 1));
}

TEST(DateValue, WeekdaysRunFromSundayOne) {
  EXPECT_EQ(Weekday(DateSerial(2002, 12, 1)), 1);  // a Sunday
  EXPECT_EQ(Weekday(DateSerial(2003, 10, 1)), 4);  // a Wednesday
  EXPECT_EQ(Year(37920.75), 2003);
  EXPECT_EQ(Month(37920.75), 10);
  EXPECT_EQ(Day(37920.75), 26);
}

TEST(DateValue, RecordsConvertBothWays) {
  SYSTEMTIME t{2003, 10, 0, 26, 18, 0, 0, 0};
  EXPECT_DOUBLE_EQ(FromSystemTime(t), 37920.75);
  const SYSTEMTIME back = ToSystemTime(37920.75);
  EXPECT_EQ(back.wYear, 2003);
  EXPECT_EQ(back.wDayOfWeek, 0);
  EXPECT_EQ(back.wHour, 18);
  const SYSTEMTIME timeOnly = ToSystemTime(0.5);
  EXPECT_EQ(timeOnly.wHour, 12);
  EXPECT_EQ(timeOnly.wYear, 1899);
}

}  // namespace
}  // namespace tellux
