// Finding a zone by typing in a list: a word of an entry, a place it stands
// for or an offset picks the entry, and the pick runs as a click does.

#include "window/zone_finder.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/doubles/plain_zone_search.h"
#include "tests/doubles/test_services.h"

namespace tellux {
namespace {

using testing::FakeRegistry;

class FindingAZone : public ::testing::Test {
 protected:
  FindingAZone() {
    t.clock.utc = testing::MakeTime(2003, 6, 15, 14, 35, 20);
    const auto add = [&](const std::string& key, const std::string& display, int bias) {
      t.registry.AddZone({key, display, key + " Standard Time", key + " Daylight Time",
                          FakeRegistry::MakeTzi(bias)});
    };
    add("Hawaiian", "(UTC-10:00) Hawaii", 600);
    add("Pacific", "(UTC-08:00) Pacific Time (US & Canada)", 480);
    add("E. South America", "(UTC-03:00) Brasilia", 180);
    add("GMT", "(UTC+00:00) Dublin, Edinburgh, Lisbon, London", 0);
    add("W. Europe", "(UTC+01:00) Amsterdam, Berlin, Bern, Rome, Zürich", -60);
    add("West Asia", "(UTC+05:00) Ashgabat, Tashkent", -300);
    add("India", "(UTC+05:30) Chennai, Kolkata, Mumbai, New Delhi", -330);
    add("Nepal", "(UTC+05:45) Kathmandu", -345);
    add("Tokyo", "(UTC+09:00) Osaka, Sapporo, Tokyo", -540);
    add("AUS Eastern", "(UTC+10:00) Sydney", -600);
    search.places["AUS Eastern"] = {"Melbourne", "Canberra"};
    // Sorted by offset, Hawaii is last: both first lists start there.
    t.settings.Store("TimeZone1", "9");
    t.settings.Store("TimeZone2", "9");
    form = std::make_unique<frmTime>(t.services());
    form->Form_Load();
    form->Timer1.Fire();
    // Every run of list 1's click, as the form's own handler.
    const std::function<void()> handler = form->ComboTZ[1].Click;
    form->ComboTZ[1].Click = [this, handler] {
      ++clicks;
      handler();
    };
    finder = std::make_unique<view::ZoneFinder>(*form, search);
  }

  // Types each character of keys into list 1, step ms apart.
  void Type(const std::string& keys, std::int64_t step = 100) {
    for (std::size_t i = 0; i < keys.size();) {
      std::size_t n = 1;
      while (i + n < keys.size() && (static_cast<unsigned char>(keys[i + n]) & 0xC0u) == 0x80u) ++n;
      EXPECT_TRUE(finder->Type(1, keys.substr(i, n), now)) << keys.substr(i, n);
      now += step;
      i += n;
    }
  }
  std::string Picked() const { return form->ComboTZ[1].Text(); }

  testing::TestServices t;
  std::unique_ptr<frmTime> form;
  testing::PlainZoneSearch search;
  std::unique_ptr<view::ZoneFinder> finder;
  int clicks = 0;
  std::int64_t now = 50'000;
};

TEST_F(FindingAZone, ACityTypedPicksItsEntryAndTheRowFollows) {
  Type("tok");
  EXPECT_EQ(Picked(), "(UTC+09:00) Osaka, Sapporo, Tokyo");
  // Panel 0 sits on Hawaii at 4:35 AM; Tokyo is 19 hours ahead.
  EXPECT_EQ(form->Text1.Text(), "11:35 PM");
  // "t" found Tokyo already; "to" and "tok" kept it: one pick.
  EXPECT_EQ(clicks, 1);
}

TEST_F(FindingAZone, LettersMatchWithoutCaseOrAccentsAndAtAnyWord) {
  Type("ZUR");
  EXPECT_EQ(Picked(), "(UTC+01:00) Amsterdam, Berlin, Bern, Rome, Zürich");
  now += 5000;
  Type("new d");  // a blank goes on with a search
  EXPECT_EQ(Picked(), "(UTC+05:30) Chennai, Kolkata, Mumbai, New Delhi");
  now += 5000;
  Type("mel");  // a place the entry stands for
  EXPECT_EQ(Picked(), "(UTC+10:00) Sydney");
}

TEST_F(FindingAZone, APauseStartsANewSearchAndOneLetterAgainStepsOn) {
  Type("b");
  EXPECT_EQ(Picked(), "(UTC+01:00) Amsterdam, Berlin, Bern, Rome, Zürich");
  Type("b");  // "bb" fits nothing: the next entry with a b-word
  EXPECT_EQ(Picked(), "(UTC-03:00) Brasilia");
  EXPECT_EQ(clicks, 2);
  now += 1500;
  Type("syd");
  EXPECT_EQ(Picked(), "(UTC+10:00) Sydney");
  now += 1500;
  Type("ber", 900);  // slow but within the pause: one search
  EXPECT_EQ(Picked(), "(UTC+01:00) Amsterdam, Berlin, Bern, Rome, Zürich");
}

TEST_F(FindingAZone, AnOffsetGoesToTheFirstEntryOfThatOffset) {
  const std::pair<const char*, const char*> cases[] = {
      {"+5:30", "(UTC+05:30) Chennai, Kolkata, Mumbai, New Delhi"},
      {"+5", "(UTC+05:00) Ashgabat, Tashkent"},
      {"+5:4", "(UTC+05:45) Kathmandu"},
      {"+0530", "(UTC+05:30) Chennai, Kolkata, Mumbai, New Delhi"},
      {"-3", "(UTC-03:00) Brasilia"},
      {"\u22128", "(UTC-08:00) Pacific Time (US & Canada)"},
      {"-0", "(UTC+00:00) Dublin, Edinburgh, Lisbon, London"},
      {"+\u0669", "(UTC+09:00) Osaka, Sapporo, Tokyo"},  // an Arabic-Indic nine
  };
  for (const auto& [typed, entry] : cases) {
    now += 5000;
    Type(typed);
    EXPECT_EQ(Picked(), entry) << typed;
  }
}

TEST_F(FindingAZone, WhatFindsNothingLeavesTheListAndItsRowAlone) {
  const std::string before = form->Text1.Text();
  Type("qx");
  now += 5000;
  Type("-12");
  EXPECT_EQ(Picked(), "(UTC-10:00) Hawaii");
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(form->Text1.Text(), before);
  // A blank with no search going on is the list's own key; so are controls.
  now += 5000;
  EXPECT_FALSE(finder->Type(1, " ", now));
  EXPECT_FALSE(finder->Type(1, "\b", now));
  EXPECT_FALSE(finder->Type(1, "", now));
}

}  // namespace
}  // namespace tellux
