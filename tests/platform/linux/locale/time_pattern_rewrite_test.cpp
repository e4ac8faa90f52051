#include "platform/linux/locale/time_pattern_rewrite.h"

#include <gtest/gtest.h>

namespace tellux {
namespace {

TEST(ReadableTimePattern, FlexibleDayPeriodsBecomeAmPm) {
  EXPECT_EQ(ReadableTimePattern(u"Bh:mm:ss"), u"ah:mm:ss");
  EXPECT_EQ(ReadableTimePattern(u"h:mm:ss BBBB"), u"h:mm:ss a");
  EXPECT_EQ(ReadableTimePattern(u"bbb h:mm"), u"a h:mm");
  // Quoted letters are text, not fields.
  EXPECT_EQ(ReadableTimePattern(u"h 'Uhr' mm 'b''B' B"), u"h 'Uhr' mm 'b''B' a");
}

TEST(ReadableTimePattern, WordsBeforeALeadingHourAreLeftOut) {
  EXPECT_EQ(ReadableTimePattern(u"\u0F46\u0F74\u0F0B\u0F5A\u0F7C\u0F51\u0F0Bh:mm:ss a"), u"h:mm:ss a");
  EXPECT_EQ(ReadableTimePattern(u"'um' HH:mm"), u"HH:mm");
  // A day period or other field first keeps everything.
  EXPECT_EQ(ReadableTimePattern(u"a 'ga' h:mm:ss"), u"a 'ga' h:mm:ss");
  EXPECT_EQ(ReadableTimePattern(u"HH 'h' mm 'min' ss 's'"), u"HH 'h' mm 'min' ss 's'");
  EXPECT_EQ(ReadableTimePattern(u"h:mm:ss\u202Fa"), u"h:mm:ss\u202Fa");
  EXPECT_EQ(ReadableTimePattern(u""), u"");
}

}  // namespace
}  // namespace tellux
