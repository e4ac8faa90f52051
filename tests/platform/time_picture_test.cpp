#include "platform/time_picture.h"

#include <gtest/gtest.h>

namespace tellux {
namespace {

double At(int hour, int minute, int second = 0) { return (hour * 3600 + minute * 60 + second) / 86400.0; }

TEST(ReadTimePicture, ReadsWordsAroundTheFieldsAsTheyStand) {
  const char* longForm = "HH' h 'mm' min 'ss' s'";
  EXPECT_EQ(ReadTimePicture("14 h 35 min 20 s", longForm, "a.m.", "p.m."), At(14, 35, 20));
  EXPECT_EQ(ReadTimePicture("06 h 05 ", "HH' h 'mm", "a.m.", "p.m."), At(6, 5));
  EXPECT_EQ(ReadTimePicture("14 h 35", longForm, "a.m.", "p.m."), std::nullopt);
  EXPECT_EQ(ReadTimePicture("14 h 35 mn 20 s", longForm, "a.m.", "p.m."), std::nullopt);
}

TEST(ReadTimePicture, TheDayPeriodMayStandBeforeTheHour) {
  EXPECT_EQ(ReadTimePicture("PM 2:35:20", "tt h:mm:ss", "AM", "PM"), At(14, 35, 20));
  EXPECT_EQ(ReadTimePicture("AM 12:05:00", "tt h:mm:ss", "AM", "PM"), At(0, 5));
  EXPECT_EQ(ReadTimePicture("\u4E0B\u53482:35", "tth:mm", "\u4E0A\u5348", "\u4E0B\u5348"), At(14, 35));
  EXPECT_EQ(ReadTimePicture("2:35 P", "h:mm t", "AM", "PM"), At(14, 35));
  // A 12-hour time needs its day period, and the period is matched exactly.
  EXPECT_EQ(ReadTimePicture("2:35:20", "tt h:mm:ss", "AM", "PM"), std::nullopt);
  EXPECT_EQ(ReadTimePicture("pm 2:35:20", "tt h:mm:ss", "AM", "PM"), std::nullopt);
}

TEST(PictureHasDayPeriod, OnlyAnUnquotedT) {
  EXPECT_TRUE(PictureHasDayPeriod("h:mm:ss tt"));
  EXPECT_TRUE(PictureHasDayPeriod("tt h:mm:ss"));
  EXPECT_FALSE(PictureHasDayPeriod("H:mm:ss"));
  EXPECT_FALSE(PictureHasDayPeriod("HH' h 'mm' min 'ss' s'"));
  EXPECT_FALSE(PictureHasDayPeriod("HH:mm' at'"));
}

TEST(ReadTimePicture, FieldsOutOfRangeOrMissingAreNoTime) {
  EXPECT_EQ(ReadTimePicture("24:00:00", "HH:mm:ss", "", ""), std::nullopt);
  EXPECT_EQ(ReadTimePicture("23:60:00", "HH:mm:ss", "", ""), std::nullopt);
  EXPECT_EQ(ReadTimePicture("13:05 PM", "h:mm tt", "AM", "PM"), std::nullopt);
  EXPECT_EQ(ReadTimePicture("23:", "HH:mm", "", ""), std::nullopt);
  EXPECT_EQ(ReadTimePicture("123:05", "HH:mm", "", ""), std::nullopt);
  EXPECT_EQ(ReadTimePicture("", "HH:mm", "", ""), std::nullopt);
  EXPECT_EQ(ReadTimePicture("  7:05 \u00A0", "H:mm", "", ""), At(7, 5));
}

}  // namespace
}  // namespace tellux
