// Which time patterns the clock may join from a minute's parts, and that a
// joined text is only ever made from parts of that minute and that second.

#include "platform/linux/locale/seconds_splice.h"

#include <gtest/gtest.h>

#include <string>

namespace tellux {
namespace {

TEST(SecondsSpliceJoins, OnlyHoursMinutesOneSecondsFieldAndTheDayPeriod) {
  for (const char16_t* joins : {u"h:mm:ss a", u"HH:mm:ss", u"a h:mm:ss", u"H 'h' mm 'min' ss 's'",
                                u"HH.mm.ss", u"K:mm:ss aaaa", u"h:mm:ss\u202Fa", u"H'''h' mm:ss"}) {
    EXPECT_TRUE(SecondsSplice::Joins(joins)) << std::u16string(joins).size();
  }
  for (const char16_t* formatted : {
           u"HH:mm",           // no seconds to change
           u"HH:mm:ss:ss",     // two seconds fields
           u"h:mm:ss a zzzz",  // a zone
           u"HH:mm:ss.SSS",    // fractions of a second
           u"h:mm:ss B",       // flexible day period
           u"h:mm:ss b",       // noon only at 12:00:00
           u"HH:mm 'ss'",      // the only s is quoted text
           u"HH:mm:ss 'open",  // an unclosed quote
           u"",
       }) {
    EXPECT_FALSE(SecondsSplice::Joins(formatted)) << std::u16string(formatted).size();
  }
}

TEST(SecondsSpliceFind, JoinsTheMinutesTextWithTheSecondsTextOnlyWhenBothAreKnown) {
  SecondsSplice splice;
  std::string text = "untouched";
  EXPECT_FALSE(splice.Find(14, 35, 20, &text));

  splice.Remember(14, 35, 20, "2:35:", "20", " PM");
  EXPECT_TRUE(splice.Find(14, 35, 20, &text));
  EXPECT_EQ(text, "2:35:20 PM");
  text = "untouched";
  EXPECT_FALSE(splice.Find(14, 35, 21, &text)) << "second 21 not seen yet";
  EXPECT_FALSE(splice.Find(14, 36, 20, &text)) << "minute 36 not seen yet";
  EXPECT_FALSE(splice.Find(2, 35, 20, &text)) << "another hour is another minute";
  EXPECT_EQ(text, "untouched");

  // A second seen in another minute serves this one.
  splice.Remember(9, 5, 7, "9:05:", "07", " AM");
  EXPECT_TRUE(splice.Find(14, 35, 7, &text));
  EXPECT_EQ(text, "2:35:07 PM");
  EXPECT_TRUE(splice.Find(9, 5, 20, &text));
  EXPECT_EQ(text, "9:05:20 AM");
}

TEST(SecondsSpliceFind, AMinuteGivenUpIsFormattedAgain) {
  SecondsSplice splice;
  const auto before = [](int minute) { return "10:" + std::to_string(minute) + ":"; };
  for (int minute = 0; minute < 30; ++minute)
    splice.Remember(10, minute, 0, before(minute), "00", "");
  std::string text;
  int kept = 0;
  for (int minute = 0; minute < 30; ++minute) {
    if (!splice.Find(10, minute, 0, &text)) continue;
    ++kept;
    EXPECT_EQ(text, before(minute) + "00");
  }
  EXPECT_GE(kept, 2) << "the machine's clock and UTC, each in its own minute";
  EXPECT_LT(kept, 30);
}

}  // namespace
}  // namespace tellux
