#include "catalogue/strip_terminator.h"

#include <gtest/gtest.h>

namespace tellux::catalogue {
namespace {

TEST(StripTerminator, CutsAtTheFirstNul) {
  EXPECT_EQ(StripTerminator(std::string("Pacific\0\0\0", 10)), "Pacific");
  EXPECT_EQ(StripTerminator(std::string("a\0b\0", 4)), "a");
  EXPECT_EQ(StripTerminator(std::string("\0abc", 4)), "");
}

TEST(StripTerminator, LeavesATextWithoutNulAlone) {
  EXPECT_EQ(StripTerminator(""), "");
  EXPECT_EQ(StripTerminator("16:35"), "16:35");
  const std::string long_text(40000, 'x');
  EXPECT_EQ(StripTerminator(long_text), long_text);
}

TEST(StripTerminator, CutsEvenWhenTheNulLiesBeyondSixteenBitPositions) {
  std::string t(40000, 'x');
  t[32767] = '\0';  // position 32768, counted from 1
  EXPECT_EQ(StripTerminator(t), std::string(32767, 'x'));
}

}  // namespace
}  // namespace tellux::catalogue
