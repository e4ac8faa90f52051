#include "platform/checked16.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/run_time_error.h"

namespace tellux {
namespace {

TEST(Checked16, NarrowKeepsTheRangeAndRefusesWhatLeavesIt) {
  EXPECT_EQ(checked16::Narrow(32767), 32767);
  EXPECT_EQ(checked16::Narrow(-32768), -32768);
  EXPECT_THROW(checked16::Narrow(32768), RunTimeError);
  EXPECT_THROW(checked16::Narrow(-32769), RunTimeError);
}

TEST(Checked16, RoundSendsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(checked16::Round(1.5), 2);
  EXPECT_EQ(checked16::Round(2.5), 2);
  EXPECT_EQ(checked16::Round(-11.5), -12);
  EXPECT_EQ(checked16::Round(0.5), 0);
  EXPECT_EQ(checked16::Round(32767.4), 32767);
}

TEST(Checked16, RoundFailsWithOverflowOutsideTheRange) {
  try {
    checked16::Round(32767.5);
    FAIL() << "no overflow";
  } catch (const RunTimeError& e) {
    EXPECT_EQ(e.Description(), "Overflow");
  }
  EXPECT_THROW(checked16::Round(std::nan("")), RunTimeError);
  EXPECT_THROW(checked16::Round(-1e300), RunTimeError);
}

TEST(Checked16, RoundSaturatedClampsInsteadOfFailing) {
  EXPECT_EQ(checked16::RoundSaturated(40000), 32767);
  EXPECT_EQ(checked16::RoundSaturated(-1e300), -32768);
  EXPECT_EQ(checked16::RoundSaturated(std::nan("")), 0);
  EXPECT_EQ(checked16::RoundSaturated(2.5), 2);
}

}  // namespace
}  // namespace tellux
