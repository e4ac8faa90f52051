#include "platform/text.h"

#include <gtest/gtest.h>

#include "platform/run_time_error.h"

namespace tellux {
namespace {

TEST(Text, PositionsCountCharactersNotBytes) {
  const std::string t = "14\xE2\x80\xAF" "35:20";  // narrow no-break space
  EXPECT_EQ(text::Len(t), 8);
  EXPECT_EQ(text::InStr(1, t, ":"), 6);
  EXPECT_EQ(text::Left(t, 3), "14\xE2\x80\xAF");
  EXPECT_EQ(text::Mid(t, 4), "35:20");
}

TEST(Text, InStrSearchesFromTheStartPositionAndFindsNothingAsZero) {
  EXPECT_EQ(text::InStr(1, "16:35:20", ":"), 3);
  EXPECT_EQ(text::InStr(4, "16:35:20", ":"), 6);
  EXPECT_EQ(text::InStr(7, "16:35:20", ":"), 0);
  EXPECT_EQ(text::InStr(1, "", ":"), 0);
  EXPECT_EQ(text::InStr(1, "abc", "B"), 0);
  EXPECT_EQ(text::InStr(9, "16:35:20", ":"), 0);
  EXPECT_EQ(text::InStr(2, "abc", ""), 2);
  EXPECT_THROW(text::InStr(0, "abc", "a"), RunTimeError);
}

TEST(Text, MidAndLeftPastTheEndGiveWhatIsThere) {
  EXPECT_EQ(text::Mid("ab", 3), "");
  EXPECT_EQ(text::Mid("ab", 10), "");
  EXPECT_EQ(text::Left("ab", 10), "ab");
  EXPECT_EQ(text::Left("ab", 0), "");
}

TEST(Text, MalformedBytesCountAsOneCharacterEach) {
  const std::string t = "\xFF\xC3:\xE2\x82";
  EXPECT_EQ(text::Len(t), 5);
  EXPECT_EQ(text::InStr(1, t, ":"), 3);
}

TEST(Text, Utf16NamesRoundTripAndStopAtTheirFirstNul) {
  const std::u16string name = u"Mitteleurop\u00E4ische Zeit\0junk";
  EXPECT_EQ(text::FromUtf16(std::u16string_view(name.data(), name.size())),
            "Mitteleurop\xC3\xA4ische Zeit");
  EXPECT_EQ(text::FromUtf16(text::ToUtf16("\xF0\x9F\x95\x90 clock")), "\xF0\x9F\x95\x90 clock");
}


// Texts that registry, locale and time-format calls return end at their
// first NUL character.
TEST(StripTerminator, CutsAtTheFirstNul) {
  EXPECT_EQ(text::StripTerminator(std::string("Pacific\0\0\0", 10)), "Pacific");
  EXPECT_EQ(text::StripTerminator(std::string("a\0b\0", 4)), "a");
  EXPECT_EQ(text::StripTerminator(std::string("\0abc", 4)), "");
}

TEST(StripTerminator, LeavesATextWithoutNulAlone) {
  EXPECT_EQ(text::StripTerminator(""), "");
  EXPECT_EQ(text::StripTerminator("16:35"), "16:35");
  const std::string long_text(40000, 'x');
  EXPECT_EQ(text::StripTerminator(long_text), long_text);
}

TEST(StripTerminator, CutsEvenWhenTheNulLiesBeyondSixteenBitPositions) {
  std::string t(40000, 'x');
  t[32767] = '\0';  // position 32768, counted from 1
  EXPECT_EQ(text::StripTerminator(t), std::string(32767, 'x'));
}

}  // namespace
}  // namespace tellux
