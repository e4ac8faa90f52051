// Any text typed into a panel box, then the box losing the focus, in a few
// scripted locales and on the real ICU services of a few real ones (a day
// period before the hour, other digits, a 24-hour clock): the program goes
// on, the records stay valid times and every other panel shows the
// rendering of its record.
//
// Each window is made, loaded and (when asked) ticked once per process; an
// input then changes only the panel texts and records and the working
// positions, and those are put back before the next. The real-locale windows
// call the ICU services directly, as the program does.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzz/fuzz_support.h"
#include "tests/reliability/real_locale_services.h"
#include "zonetime/calc_time.h"
#include "zonetime/remove_seconds.h"

namespace {

using namespace tellux;

testing::LocaleScript Script(int choice) {
  switch (choice) {
    case 0: return testing::EnglishUs();
    case 1: return testing::German();    // no PM designator
    case 2: return testing::Finnish();   // "." separates the time
    default: {
      testing::LocaleScript s;           // day period first, other words
      s.amDesignator = "vorm.";
      s.pmDesignator = "nachm.";
      s.timePicture = "tt h:mm:ss";
      return s;
    }
  }
}

// Real locales: a day period before the hour, other digits (two kinds),
// a 24-hour clock.
constexpr const char* kRealLocales[] = {"ko_KR", "ar_EG", "fa_IR", "de_DE"};

struct Window {
  std::unique_ptr<testing::TestServices> scripted;
  std::unique_ptr<testing::RealLocaleServices> real;
  testing::TestServices* doubles = nullptr;
  Locale* locale = nullptr;
  DateServices* dates = nullptr;
  std::unique_ptr<frmTime> form;
  // What an input may change, as loading left it.
  std::array<std::string, 4> texts;
  std::array<SYSTEMTIME, 4> times{};
  std::int16_t charPos = 0, charPos2 = 0, editValue = 0;

  void Reset() {
    form->Updating = -1;  // program-set texts are not read back
    for (int i = 0; i < 4; ++i) form->PanelBox(i).SetText(texts[static_cast<std::size_t>(i)]);
    form->Updating = 0;
    form->PanelTime = times;
    form->CharPos = charPos;
    form->CharPos2 = charPos2;
    form->EditValue = editValue;
  }
};

std::unique_ptr<Window> Make(bool real, int choice, bool tick) {
  auto w = std::make_unique<Window>();
  Services services = [&] {
    if (real) {
      w->real = std::make_unique<testing::RealLocaleServices>(kRealLocales[choice]);
      w->doubles = &w->real->doubles;
      w->locale = &w->real->icuLocale;
      w->dates = &w->real->icuDates;
      return w->real->services();
    }
    w->scripted = std::make_unique<testing::TestServices>(Script(choice));
    testing::AddSevenZones(w->scripted->registry);
    w->doubles = w->scripted.get();
    w->locale = &w->scripted->locale;
    w->dates = &w->scripted->dates;
    return w->scripted->services();
  }();
  w->doubles->settings.Store("TimeZone1", "0");
  w->doubles->settings.Store("TimeZone2", "1");
  w->doubles->settings.Store("TimeZone3", "5");
  w->form = std::make_unique<frmTime>(services);
  w->form->Form_Load();
  if (tick) w->form->Timer1.Fire();
  for (int i = 0; i < 4; ++i) w->texts[static_cast<std::size_t>(i)] = w->form->PanelBox(i).Text();
  w->times = w->form->PanelTime;
  w->charPos = w->form->CharPos;
  w->charPos2 = w->form->CharPos2;
  w->editValue = w->form->EditValue;
  fuzz::Check(w->doubles->messages.texts.empty() && w->doubles->end.ends == 0, "start-up failed");
  return w;
}

Window& TheWindow(bool real, int choice, bool tick) {
  static std::unique_ptr<Window> windows[2][4][2];
  std::unique_ptr<Window>& w = windows[real ? 1 : 0][choice][tick ? 1 : 0];
  if (!w) w = Make(real, choice, tick);
  return *w;
}

std::string Rendering(Window& w, const SYSTEMTIME& record) {
  std::int16_t charPos = 0;
  return zonetime::RemoveSeconds(*w.dates, w.form->TimeSeparator, charPos,
                                 zonetime::FormatSystemTime(*w.locale, record));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const int choice = data[0] & 3;
  const int panel = (data[0] >> 2) & 3;
  const bool tick = (data[0] & 0x10) != 0;
  const bool real = (data[0] & 0x20) != 0;
  const std::string typed(reinterpret_cast<const char*>(data + 1), size - 1);

  Window& w = TheWindow(real, choice, tick);
  w.Reset();
  frmTime& form = *w.form;

  TextBox& box = form.PanelBox(panel);
  fuzz::AsUser(form, [&] { box.UserEdit(typed); });
  fuzz::Check(fuzz::RecordsInRange(form), "records out of range after typing");
  const std::string kept = box.Text();
  fuzz::AsUser(form, [&] { box.UserLeave(); });
  fuzz::Check(fuzz::RecordsInRange(form), "records out of range after leaving");

  fuzz::Check(w.doubles->end.ends == 0 && w.doubles->messages.texts.empty(), "a message or an end");
  fuzz::Check(form.Updating == 0, "Updating left set");
  std::int16_t charPos = 0;
  fuzz::Check(box.Text() == zonetime::RemoveSeconds(*w.dates, form.TimeSeparator, charPos, kept),
              "the typed box is not its tidied text");
  for (int i = 0; i < 4; ++i) {
    if (i == panel) continue;
    const std::string& now = form.PanelBox(i).Text();
    fuzz::Check(now == w.texts[static_cast<std::size_t>(i)] ||
                    now == Rendering(w, form.PanelTime[static_cast<std::size_t>(i)]),
                "another panel shows neither its old text nor its record");
  }
  // Put back now rather than at the next input, so that libFuzzer's leak
  // check counts this input's memory against this input only.
  w.Reset();
  return 0;
}
