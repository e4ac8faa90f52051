// Every locale ICU knows, on the real locale services: the panels are seeded
// from a fixed clock, each panel's own text is typed back and the box left,
// and each hour is stepped up and down; the records must come back as they
// were. A locale whose own time text breaks the reading rules (no separator
// in it, digits other than 0-9, the day period before the hour, a PM text
// missing from its afternoon times) cannot round-trip and is listed by name.

#include <gtest/gtest.h>
#include <unicode/locid.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/read_number.h"
#include "platform/text.h"
#include "tests/reliability/real_locale_services.h"
#include "zonetime/calc_time.h"

namespace tellux {
namespace {

using testing::MakeTime;
using testing::RealLocaleServices;

// Why a locale's own time texts cannot be read back by the panel rules, or
// empty when they can.
std::string WhyNotReadable(Locale& locale, const std::string& separator, const std::string& pm) {
  for (int hour : {0, 9, 12, 16, 23}) {
    const std::string shown = zonetime::FormatSystemTime(locale, MakeTime(2003, 6, 15, hour, 47, 0));
    if (shown.find("47") == std::string::npos) return "digits other than 0-9";
    const long long at = text::InStr(1, shown, separator);
    if (separator.empty() || at == 0) return "no time separator in its time text";
    const double read = Val(text::Left(shown, at - 1));
    const bool twelveHour = !pm.empty();
    const int expected = twelveHour ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
    if (read != expected) return "the hour does not come first";
    if (Val(text::Mid(shown, at + 1)) != 47) return "the minute does not follow the separator";
    if (twelveHour && (hour >= 12) != (text::InStr(1, shown, pm) != 0)) return "its PM text is not in its afternoon times";
  }
  return {};
}

struct Sweep {
  int passed = 0;
  std::map<std::string, std::vector<std::string>> listed;  // reason -> locales
  std::vector<std::string> failed;
};

// Types each panel's text back, leaves it, steps its hour up and down.
// Returns what went wrong, or empty.
std::string RoundTrip(frmTime& form) {
  for (int i = 0; i < 4; ++i) {
    const auto before = form.PanelTime;
    TextBox& box = form.PanelBox(i);
    form.RaiseUserEvent([&] { box.UserEdit(box.Text()); });
    if (form.PanelTime != before) return "typing panel " + std::to_string(i) + "'s text back";
    form.RaiseUserEvent([&] { box.UserLeave(); });
    if (form.PanelTime != before) return "leaving panel " + std::to_string(i);
    form.RaiseUserEvent([&] { form.UpDown[static_cast<std::size_t>(i)].UserUp(); });
    form.RaiseUserEvent([&] { form.UpDown[static_cast<std::size_t>(i)].UserDown(); });
    if (form.PanelTime != before) return "stepping panel " + std::to_string(i) + " up and down";
  }
  return {};
}

TEST(EveryLocale, SeededTextsTypedBackAndHoursSteppedLeaveTheRecordsAsTheyWere) {
  int32_t count = 0;
  const icu::Locale* locales = icu::Locale::getAvailableLocales(count);
  ASSERT_GT(count, 100);
  Sweep sweep;
  for (int32_t k = 0; k < count; ++k) {
    const std::string name = locales[k].getName();
    RealLocaleServices real(name);
    real.doubles.clock.utc = MakeTime(2003, 6, 15, 14, 35, 20);
    testing::StoreFourPanels(real.doubles.settings);
    frmTime form(real.services());
    try {
      form.Form_Load();
      form.Timer1.Fire();
      const std::string why = WhyNotReadable(real.icuLocale, form.TimeSeparator, form.PmDesignator);
      const std::string wrong = RoundTrip(form);
      if (wrong.empty()) {
        ++sweep.passed;
      } else if (!why.empty()) {
        sweep.listed[why].push_back(name);
      } else {
        sweep.failed.push_back(name + ": " + wrong + " (\"" + form.Text0.Text() + "\")");
      }
    } catch (const testing::ProgramEnded&) {
      sweep.failed.push_back(name + ": the program ended");
    }
    if (!real.doubles.messages.texts.empty()) {
      sweep.failed.push_back(name + ": message \"" + real.doubles.messages.texts[0] + "\"");
    }
  }
  std::printf("%d of %d locales round-trip\n", sweep.passed, count);
  for (const auto& [why, names] : sweep.listed) {
    std::printf("%zu cannot, %s:", names.size(), why.c_str());
    for (const std::string& n : names) std::printf(" %s", n.c_str());
    std::printf("\n");
  }
  EXPECT_TRUE(sweep.failed.empty()) << ::testing::PrintToString(sweep.failed);
}

}  // namespace
}  // namespace tellux
