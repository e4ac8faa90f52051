#include "zonetime/remove_seconds.h"

#include <gtest/gtest.h>

#include "tests/doubles/scripted_locale.h"

namespace tellux::zonetime {
namespace {

using testing::ScriptedDateServices;

struct Cut {
  explicit Cut(testing::LocaleScript script) : dates(script), separator(script.timeSeparator) {}
  std::string operator()(const std::string& text) { return RemoveSeconds(dates, separator, charPos, text); }
  ScriptedDateServices dates;
  std::string separator;
  std::int16_t charPos = -5;
};

TEST(RemoveSeconds, CutsTheSecondsOfATime) {
  Cut cut(testing::EnglishUs());
  EXPECT_EQ(cut("4:35:20 PM"), "4:35 PM");
  EXPECT_EQ(cut.charPos, 5);
  EXPECT_EQ(cut("16:35:20"), "4:35 PM");  // re-rendered in the user's form first
}

TEST(RemoveSeconds, ATimeWithOneSeparatorIsRenderedButKeepsItsMinutes) {
  Cut cut(testing::German());
  EXPECT_EQ(cut("16:35"), "16:35");
  Cut us(testing::EnglishUs());
  EXPECT_EQ(us("16:35"), "4:35 PM");
}

TEST(RemoveSeconds, ATextWithOneSeparatorThatIsNoTimeStaysAsItIs) {
  Cut cut(testing::German());
  EXPECT_EQ(cut("ab:cd"), "ab:cd");
  EXPECT_EQ(cut.charPos, 0);
  EXPECT_EQ(cut("hello"), "hello");
  EXPECT_EQ(cut(""), "");
}

TEST(RemoveSeconds, WhenTheDateSharesTheSeparatorTheDateIsCut) {
  Cut cut(testing::Finnish());
  EXPECT_EQ(cut("15.6.2003 14.35.20"), "15.603 14.35.20");
}

TEST(RemoveSeconds, ASecondSeparatorWithFewerThanTwoCharactersAfterItEndsTheText) {
  Cut cut(testing::German());
  EXPECT_EQ(cut("ab:cd:e"), "ab:cd");
  EXPECT_EQ(cut("ab:cd:"), "ab:cd");
  EXPECT_EQ(cut("a:b:cdef"), "a:bef");
}

TEST(RemoveSeconds, ADateAloneHasNoTimeToCut) {
  Cut cut(testing::German());
  EXPECT_EQ(cut("15.06.2003"), "15.06.2003");
}

TEST(RemoveSeconds, WordsAroundTheSeparatorsGiveTheShortTimeNotAMinuteCut) {
  Cut cut(testing::CanadianFrench());
  cut.separator = "h";  // as the panels take it
  EXPECT_EQ(cut("14 h 35 min 20 s"), "14 h 35");
  EXPECT_EQ(cut("14 h 35 min 00 s"), "14 h 35");
  EXPECT_EQ(cut("14 h 35"), "14 h 35");
  // What is no time stays as the cut leaves it.
  EXPECT_EQ(cut("h h h"), "h ");
}

TEST(RemoveSeconds, ADayPeriodBeforeTheHourKeepsTheCut) {
  Cut cut(testing::Korean());
  EXPECT_EQ(cut("\uC624\uD6C4 2:35:20"), "\uC624\uD6C4 2:35");
  EXPECT_EQ(cut.charPos, 8);
}
}  // namespace
}  // namespace tellux::zonetime
