#include "platform/read_number.h"

#include <gtest/gtest.h>

#include "platform/run_time_error.h"

namespace tellux {
namespace {

TEST(Val, ReadsTheNumberAtTheStartAndStopsAtTheFirstOtherCharacter) {
  EXPECT_EQ(Val("12"), 12);
  EXPECT_EQ(Val("30 PM"), 30);
  EXPECT_EQ(Val("35:20"), 35);
  EXPECT_EQ(Val("-3.5e2x"), -350);
  EXPECT_EQ(Val("+7"), 7);
  EXPECT_EQ(Val("2D2"), 200);
  EXPECT_EQ(Val(".5"), 0.5);
  EXPECT_EQ(Val("1e"), 1);
  EXPECT_EQ(Val("1.2.3"), 1.2);
}

TEST(Val, IgnoresBlanksTabsAndLineFeedsWherever) {
  EXPECT_EQ(Val(" 1 2\t3\n"), 123);
  EXPECT_EQ(Val("- 4"), -4);
}

TEST(Val, ReadsATextWithoutANumberAsZero) {
  EXPECT_EQ(Val(""), 0);
  EXPECT_EQ(Val("abc"), 0);
  EXPECT_EQ(Val("-"), 0);
  EXPECT_EQ(Val("."), 0);
}

TEST(Val, ANumberTooLargeForADoubleIsAnOverflow) {
  EXPECT_THROW(Val("1e400"), RunTimeError);
  EXPECT_EQ(Val("1e-400"), 0);
}

TEST(ParseNumber, AcceptsOnlyAWholeNumberWithBlanksAround) {
  EXPECT_EQ(ParseNumber(" -1 "), -1);
  EXPECT_EQ(ParseNumber("2.5"), 2.5);
  EXPECT_EQ(ParseNumber("1e3"), 1000);
  EXPECT_FALSE(ParseNumber(""));
  EXPECT_FALSE(ParseNumber("12abc"));
  EXPECT_FALSE(ParseNumber("1 2"));
  EXPECT_FALSE(ParseNumber("abc"));
  EXPECT_FALSE(ParseNumber(std::string("1\0", 2)));
  EXPECT_FALSE(ParseNumber("1e400"));
}

}  // namespace
}  // namespace tellux
