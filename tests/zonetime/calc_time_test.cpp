#include "zonetime/calc_time.h"

#include <gtest/gtest.h>

#include "tests/doubles/test_services.h"

namespace tellux::zonetime {
namespace {

using testing::LocaleScript;
using testing::MakeTime;
using testing::TestServices;

ZoneRuleRecord Zone(std::int32_t bias, bool inDaylight) {
  ZoneRuleRecord z;
  z.Bias = bias;
  z.InDaylight = inDaylight ? -1 : 0;
  return z;
}

// Zones 1..n as given; zone 0 is the empty entry.
class Conversion : public ::testing::Test {
 protected:
  explicit Conversion(LocaleScript script = testing::German()) : t(script) {
    separator = script.timeSeparator;
  }
  void Zones(std::initializer_list<ZoneRuleRecord> zones) {
    rules.assign(1, ZoneRuleRecord{});
    rules.insert(rules.end(), zones);
  }
  std::string Convert(const SYSTEMTIME& source, int from, int to) {
    const ConversionContext context{rules, separator, charPos};
    return CalcTime(t.services(), context, source, result, static_cast<std::int16_t>(from),
                    static_cast<std::int16_t>(to));
  }

  TestServices t;
  std::vector<ZoneRuleRecord> rules{1};
  std::string separator;
  std::int16_t charPos = 0;
  SYSTEMTIME result{};
};

class Conversion12Hour : public Conversion {
 protected:
  Conversion12Hour() : Conversion(testing::EnglishUs()) {}
};

TEST_F(Conversion, UtcIntoAZoneAnHourEastInDaylightSaving) {
  Zones({Zone(0, false), Zone(-60, true)});
  EXPECT_EQ(Convert(MakeTime(2003, 6, 15, 14, 35, 20), 1, 2), "16:35");
  EXPECT_EQ(result.wHour, 16);
  EXPECT_EQ(result.wMinute, 35);
  EXPECT_EQ(result.wSecond, 20);
}

TEST_F(Conversion12Hour, UtcIntoAZoneAnHourEastOnATwelveHourClock) {
  Zones({Zone(0, false), Zone(-60, true)});
  EXPECT_EQ(Convert(MakeTime(2003, 6, 15, 14, 35, 20), 1, 2), "4:35 PM");
}

TEST_F(Conversion, AcrossMidnightTheDateStaysAsItWas) {
  Zones({Zone(-60, true), Zone(300, false)});
  const SYSTEMTIME source = MakeTime(2003, 6, 15, 0, 30, 0);
  EXPECT_EQ(Convert(source, 1, 2), "17:30");
  EXPECT_EQ(result.wDay, 15);
  EXPECT_EQ(result.wMonth, 6);
  EXPECT_EQ(result.wYear, 2003);
  EXPECT_EQ(result.wDayOfWeek, source.wDayOfWeek);
}

TEST_F(Conversion, TheSameZoneOnBothSidesChangesNothing) {
  Zones({Zone(-570, true)});
  EXPECT_EQ(Convert(MakeTime(2003, 6, 15, 9, 5, 0), 1, 1), "09:05");
  EXPECT_EQ(result, MakeTime(2003, 6, 15, 9, 5, 0));
}

TEST_F(Conversion, ZoneNumberZeroIsUtcWithoutDaylightSaving) {
  Zones({Zone(300, true)});
  EXPECT_EQ(Convert(MakeTime(2003, 6, 15, 12, 0, 0), 0, 1), "08:00");
  EXPECT_EQ(Convert(MakeTime(2003, 6, 15, 8, 0, 0), 1, 0), "12:00");
}

TEST_F(Conversion, ZonesTwentySixHoursApartGiveRealTimesBothWays) {
  Zones({Zone(-840, false), Zone(720, false)});  // UTC+14 and UTC-12
  EXPECT_EQ(Convert(MakeTime(2003, 6, 15, 0, 10, 0), 1, 2), "22:10");
  EXPECT_EQ(result.wHour, 22);
  EXPECT_EQ(result.wDay, 15);
  EXPECT_EQ(Convert(MakeTime(2003, 6, 15, 22, 10, 0), 2, 1), "00:10");
  EXPECT_EQ(Convert(MakeTime(2003, 6, 15, 23, 59, 0), 2, 1), "01:59");
}

TEST_F(Conversion, AHourOfMinusOneBecomes23AndTwentyFourBecomesZero) {
  Zones({Zone(0, false), Zone(60, false), Zone(-60, false)});
  EXPECT_EQ(Convert(MakeTime(2003, 6, 15, 0, 0, 0), 1, 2), "23:00");
  EXPECT_EQ(Convert(MakeTime(2003, 6, 15, 23, 0, 0), 1, 3), "00:00");
}

TEST_F(Conversion, NoCatalogueOffsetCanOverflowTheArithmetic) {
  Zones({Zone(2147483647, true), Zone(-2147483647 - 1, true)});
  const std::string text = Convert(MakeTime(2003, 6, 15, 12, 0, 0), 1, 2);
  EXPECT_LE(result.wHour, 23);
  EXPECT_LE(result.wMinute, 59);
  EXPECT_EQ(text.size(), 5u);
  EXPECT_EQ(t.end.ends, 0);
}

TEST_F(Conversion, ADaylightSourceZoneShiftsEveryResultBackAnHour) {
  Zones({Zone(0, true), Zone(-330, false)});
  EXPECT_EQ(Convert(MakeTime(2003, 6, 15, 14, 35, 20), 1, 2), "19:05");
  Zones({Zone(0, false), Zone(-330, false)});
  EXPECT_EQ(Convert(MakeTime(2003, 6, 15, 14, 35, 20), 1, 2), "20:05");
}

TEST_F(Conversion, AZoneInDaylightSavingMovesByItsOwnDaylightBiasOrByAnHourWithoutOne) {
  ZoneRuleRecord lordHowe = Zone(-630, true);
  lordHowe.DaylightBias = -30;  // half an hour ahead in summer
  Zones({Zone(0, false), lordHowe, Zone(-60, true)});
  EXPECT_EQ(Convert(MakeTime(2027, 2, 20, 12, 0, 0), 1, 2), "23:00");
  EXPECT_EQ(Convert(MakeTime(2027, 2, 20, 12, 0, 0), 1, 3), "14:00");
  EXPECT_EQ(Convert(MakeTime(2027, 2, 20, 23, 0, 0), 2, 3), "14:00");
}

TEST_F(Conversion, AZoneNumberOutsideTheCatalogueEndsTheProgram) {
  Zones({Zone(0, false)});
  EXPECT_THROW(Convert(MakeTime(2003, 6, 15, 12, 0, 0), 1, 2), testing::ProgramEnded);
  ASSERT_EQ(t.messages.texts.size(), 1u);
  EXPECT_EQ(t.messages.texts[0], "Subscript out of range in CalcTime");
}

TEST_F(Conversion, AFailedTimeFormatGivesBlanksWithoutAMessage) {
  Zones({Zone(0, false)});
  t.locale.timeFormatFails = true;
  EXPECT_EQ(Convert(MakeTime(2003, 6, 15, 12, 0, 0), 1, 1), std::string(255, ' '));
  EXPECT_TRUE(t.messages.texts.empty());
}

}  // namespace
}  // namespace tellux::zonetime
