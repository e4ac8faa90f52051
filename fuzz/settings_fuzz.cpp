// Any stored settings: start-up takes what it can use and ignores the rest
// without a message, and closing stores values the next start reads back the
// same. The same bytes as a settings file's text: every readable setting
// survives storing another. (Reading the file itself, whatever stands in
// its place, is the hostile-files tests' story.)

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/error_trap.h"
#include "platform/linux/settings/ini_document.h"

namespace {

using namespace tellux;

constexpr const char* kKeys[] = {"TimeZone1", "TimeZone2", "TimeZone3", "TimeZone4", "Selection"};

// One window, loaded once on seven zones. An input is read as start-up
// reads stored choices, from a window put back to how the catalogue load
// left it. The lists' pick handlers are taken off: they convert every panel,
// which costs the run its speed and reads no setting.
struct Window {
  testing::TestServices t;
  std::unique_ptr<frmTime> form;
  std::array<int, 4> filled{};  // the lists' positions as the load chose them

  Window() {
    testing::AddSevenZones(t.registry);
    for (const char* key : kKeys) t.settings.Store(key, "x");  // not a position: not applied
    form = std::make_unique<frmTime>(t.services());
    form->Form_Load();
    fuzz::Check(t.messages.texts.empty(), "start-up failed");
    for (std::size_t i = 0; i < 4; ++i) {
      filled[i] = form->ComboTZ[i].ListIndex();
      form->ComboTZ[i].Click = nullptr;
    }
  }

  // Lists and caption panel as before the stored choices were read.
  void Reset() {
    for (std::size_t i = 0; i < 4; ++i) form->ComboTZ[i].SetListIndex(filled[i]);
    form->Option1[0].SetValue(true);
    form->SavedZone = {};
  }

  void ReadStoredChoices() {
    Reset();
    try {
      TrapAndEnd(t.services(), "Form_Load", [&] { form->ReadStoredChoices(); });
    } catch (const testing::ProgramEnded&) {
      fuzz::Broken("start-up ended the program");
    }
  }
};

int SelectedPanel(const frmTime& form) {
  int set = 0;
  int which = -1;
  for (int k = 0; k < 4; ++k) {
    if (form.Option1[static_cast<std::size_t>(k)].Value()) {
      ++set;
      which = k;
    }
  }
  fuzz::Check(set == 1, "not exactly one caption panel");
  return which;
}

void StartUpTakesWhatItCan(const std::string& input) {
  static Window w;
  testing::TestServices& t = w.t;
  frmTime& form = *w.form;
  t.settings.values.clear();
  std::string_view rest = input;
  for (const char* key : kKeys) {
    const auto cut = rest.find('\n');
    if (rest.empty() && cut == std::string_view::npos) break;
    t.settings.Store(key, std::string(rest.substr(0, cut)));
    rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
  }
  w.ReadStoredChoices();
  fuzz::Check(t.messages.texts.empty(), "start-up showed a message");
  const int panel = SelectedPanel(form);
  int positions[4];
  for (std::size_t i = 0; i < 4; ++i) {
    positions[i] = form.ComboTZ[i].ListIndex();
    fuzz::Check(positions[i] >= -1 && positions[i] < 7, "a list position outside the list");
  }
  std::int16_t cancel = 0;
  try {
    form.Form_Unload(cancel);
  } catch (const testing::ProgramEnded&) {
  }
  w.ReadStoredChoices();
  for (std::size_t i = 0; i < 4; ++i) {
    fuzz::Check(form.ComboTZ[i].ListIndex() == positions[i], "a stored position read back differently");
  }
  fuzz::Check(SelectedPanel(form) == panel, "the stored caption panel read back differently");
  // What the input stored goes with it, so that libFuzzer's leak check sees
  // only what the input itself kept.
  t.settings.values.clear();
  std::vector<std::string>().swap(t.messages.texts);
  std::vector<std::string>().swap(t.messages.captions);
}

// The bytes as a settings file's text: what a save writes back is read as
// before, the stored value included.
void SettingsFileKeepsWhatIsReadable(std::string_view input) {
  IniDocument saved(input);
  std::optional<std::string> before[5];
  for (std::size_t k = 0; k < 5; ++k) before[k] = saved.Get("Settings", kKeys[k]);
  fuzz::Check(saved.Set("Settings", "TimeZone2", "3"), "a plain value was not stored");
  const IniDocument reread(saved.Text());
  fuzz::Check(reread.Get("Settings", "TimeZone2") == "3", "the stored value is lost");
  for (std::size_t k = 0; k < 5; ++k) {
    if (k == 1) continue;
    fuzz::Check(reread.Get("Settings", kKeys[k]) == before[k], "storing one setting changed another");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  StartUpTakesWhatItCan(input);
  SettingsFileKeepsWhatIsReadable(input);
  return 0;
}
