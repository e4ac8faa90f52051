// Any text typed into a panel box, then the box losing the focus, in a few
// locales: the program goes on, the records stay valid times and every
// other panel shows the rendering of its record.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
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

std::string Rendering(testing::TestServices& t, const frmTime& form, const SYSTEMTIME& record) {
  std::int16_t charPos = 0;
  return zonetime::RemoveSeconds(t.dates, form.TimeSeparator, charPos,
                                 zonetime::FormatSystemTime(t.locale, record));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const int choice = data[0] & 3;
  const int panel = (data[0] >> 2) & 3;
  const bool tick = (data[0] & 0x10) != 0;
  const std::string typed(reinterpret_cast<const char*>(data + 1), size - 1);

  testing::TestServices t(Script(choice));
  testing::AddSevenZones(t.registry);
  t.settings.Store("TimeZone1", "0");
  t.settings.Store("TimeZone2", "1");
  t.settings.Store("TimeZone3", "5");
  frmTime form(t.services());
  form.Form_Load();
  if (tick) form.Timer1.Fire();

  TextBox& box = form.PanelBox(panel);
  std::string before[4];
  for (int i = 0; i < 4; ++i) before[i] = form.PanelBox(i).Text();

  fuzz::AsUser(form, [&] { box.UserEdit(typed); });
  fuzz::Check(fuzz::RecordsInRange(form), "records out of range after typing");
  const std::string kept = box.Text();
  fuzz::AsUser(form, [&] { box.UserLeave(); });
  fuzz::Check(fuzz::RecordsInRange(form), "records out of range after leaving");

  fuzz::Check(t.end.ends == 0 && t.messages.texts.empty(), "a message or an end");
  fuzz::Check(form.Updating == 0, "Updating left set");
  std::int16_t charPos = 0;
  fuzz::Check(box.Text() == zonetime::RemoveSeconds(t.dates, form.TimeSeparator, charPos, kept),
              "the typed box is not its tidied text");
  for (int i = 0; i < 4; ++i) {
    if (i == panel) continue;
    const std::string& now = form.PanelBox(i).Text();
    fuzz::Check(now == before[i] || now == Rendering(t, form, form.PanelTime[static_cast<std::size_t>(i)]),
                "another panel shows neither its old text nor its record");
  }
  return 0;
}
