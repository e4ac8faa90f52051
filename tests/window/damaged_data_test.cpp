// Whatever the settings store or the registry holds, the program starts (or
// shows exactly the message kept for that case) and never ends.

#include <gtest/gtest.h>

#include <climits>

#include "tests/window/form_test_support.h"

namespace tellux {
namespace {

using testing::FakeRegistry;
using testing::FakeValue;
using testing::FormTest;

class DamagedData : public FormTest {
 protected:
  // Starts; the program must not end and must not speak unless told so.
  void StartQuietly() {
    ASSERT_NO_THROW(Start());
    EXPECT_EQ(t.end.ends, 0);
  }
  // A tick, a typed time and a spin step still work afterwards.
  void StillRuns() {
    ASSERT_NO_THROW({
      form->Timer1.Fire();
      form->RaiseUserEvent([&] { form->Text1.UserEdit("11:45 PM"); });
      form->RaiseUserEvent([&] { form->UpDown[2].UserUp(); });
    });
    for (const SYSTEMTIME& r : form->PanelTime) {
      EXPECT_LE(r.wHour, 23);
      EXPECT_LE(r.wMinute, 59);
    }
    EXPECT_EQ(t.end.ends, 0);
  }
};

// What start-up does with one stored text in place of a list position:
// -1 clears the list, 0..6 selects it, anything else keeps the default.
struct StoredCase {
  const char* name;
  std::string stored;
  int expected;  // -2: the default chosen while loading
};

TEST_F(DamagedData, EachTimeZoneKeyTakesWhatItCanAndIgnoresTheRest) {
  const StoredCase cases[] = {
      {"empty", "", -2},
      {"huge", "99999999999999999999", -2},
      {"too large", "32768", -2},
      {"past the list", "7", -2},
      {"negative", "-5", -2},
      {"none", "-1", -1},
      {"fractional", "2.5", 2},
      {"fraction below a half", "0.4", 0},
      {"fraction rounding to -1", "-0.6", -1},
      {"exponent", "5e0", 5},
      {"non-numeric", "Pacific", -2},
      {"full-width digit", "\xEF\xBC\x91", -2},
      {"binary", std::string("\x01\xFF\0\x7F", 4), -2},
      {"number and junk", "3 zones", -2},
      {"infinite", "1e400", -2},
  };
  const int defaults[4] = {1, 6, 5, 4};  // Berlin (the machine's), Pacific, Central, Eastern
  for (const StoredCase& c : cases) {
    for (int key = 0; key < 4; ++key) {
      t.settings.values.clear();
      t.settings.Store("TimeZone" + std::to_string(key + 1), c.stored);
      for (int other = 0; other < 4; ++other) {
        if (other != key) t.settings.Store("TimeZone" + std::to_string(other + 1), "99");
      }
      StartQuietly();
      const int want = c.expected == -2 ? defaults[key] : c.expected;
      EXPECT_EQ(form->ComboTZ[static_cast<std::size_t>(key)].ListIndex(), want) << c.name << " in key " << key;
      EXPECT_TRUE(t.messages.texts.empty()) << c.name;
    }
  }
}

TEST_F(DamagedData, AMissingOrDamagedSelectionChoosesTheFourthPanel) {
  for (const std::string& stored : {std::string(), std::string("x"), std::string("1e999"), std::string("\0", 1),
                                   std::string("-3"), std::string("2.5"), std::string("99999999999")}) {
    t.settings.values.clear();
    t.settings.Store("Selection", stored);
    StartQuietly();
    EXPECT_TRUE(form->Option1[3].Value()) << stored;
  }
}

TEST_F(DamagedData, CatalogueTextsOfTheWrongTypeReadAsEmpty) {
  for (std::uint32_t type : {0u, 2u, kRegDword, 7u, 11u}) {
    t.registry.Clear();
    t.registry.AddZone({"Odd", "", "", "", FakeRegistry::MakeTzi(-60)});
    for (const char* name : {"Display", "Std", "Dlt"}) t.registry.SetValue("Odd", name, FakeValue{type, std::string("Name\0", 5)});
    StartQuietly();
    EXPECT_EQ(form->ComboTZ[0].Items(), std::vector<std::string>{""});
    EXPECT_TRUE(t.messages.texts.empty());
    StillRuns();
  }
}

TEST_F(DamagedData, ATruncatedRecordIsReportedBelowItsLastByteReadAndLoadsFromThere) {
  const std::string full = FakeRegistry::MakeTzi(-60, -60, 10, 5, 3, 3, 5, 2);
  for (std::size_t length = 0; length <= 44; ++length) {
    t.registry.Clear();
    t.registry.AddZone({"Cut", "(GMT+01:00) Cut", "Cut Std", "Cut Dlt", full.substr(0, length)});
    t.registry.AddZone({"Whole", "(GMT) Whole", "Whole Std", "Whole Dlt", FakeRegistry::MakeTzi(0)});
    StartQuietly();
    if (length < 37) {
      ASSERT_EQ(t.messages.texts.size(), 1u) << length;
      EXPECT_EQ(t.messages.texts[0], "Invalid procedure call or argument in GetRegistryValues for Cut");
    } else {
      EXPECT_TRUE(t.messages.texts.empty()) << length;
    }
    EXPECT_EQ(form->ComboTZ[0].ListCount(), 2);
    const auto& cut = form->Catalogue.ZoneRule[form->Catalogue.KeyName[1] == "Cut" ? 1u : 2u];
    EXPECT_EQ(cut.Bias, length >= 4 ? -60 : 0) << length;
    EXPECT_EQ(cut.DaylightMonth, length >= 31 ? 3 : 0) << length;
    t.messages.texts.clear();
    StillRuns();
    EXPECT_TRUE(t.messages.texts.empty());
  }
}

TEST_F(DamagedData, ExtremeOffsetsStillConvert) {
  t.registry.Clear();
  t.registry.AddZone({"Max", "(max) Max", "Max Std", "Max Dlt", FakeRegistry::MakeTzi(INT_MAX, INT_MIN, 1, 1, 0, 12, 5, 0)});
  t.registry.AddZone({"Min", "(min) Min", "Min Std", "Min Dlt", FakeRegistry::MakeTzi(INT_MIN, INT_MAX, 255, 255, 255, 255, 255, 255)});
  t.registry.AddZone({"Zero", "(0) Zero", "Zero Std", "Zero Dlt", FakeRegistry::MakeTzi(0)});
  StartQuietly();
  EXPECT_TRUE(t.messages.texts.empty());
  StillRuns();
  EXPECT_TRUE(t.messages.texts.empty());
}

TEST_F(DamagedData, CataloguesOfAnySizeLoadWhole) {
  for (int zones : {0, 1, 100, 101, 500}) {
    t.registry.Clear();
    testing::AddManyZones(t.registry, zones);
    StartQuietly();
    EXPECT_EQ(form->ComboTZ[1].ListCount(), zones);
    EXPECT_EQ(form->ComboTZ[1].ListIndex(), zones == 0 ? -1 : 0);
    EXPECT_TRUE(t.messages.texts.empty()) << zones;
    StillRuns();
  }
}

}  // namespace
}  // namespace tellux
