// Any stored settings: start-up takes what it can use and ignores the rest
// without a message, and closing stores values the next start reads back the
// same. The same bytes as a settings file: every readable setting survives
// storing another.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "platform/linux/ini_settings.h"

namespace {

using namespace tellux;

constexpr const char* kKeys[] = {"TimeZone1", "TimeZone2", "TimeZone3", "TimeZone4", "Selection"};

// A folder of its own for the settings file, made once per run; in memory
// where there is such a folder, since every input is written and synced.
const std::filesystem::path& Base() {
  static const std::filesystem::path base = [] {
    std::error_code ec;
    const std::filesystem::path shm = "/dev/shm";
    const std::filesystem::path dir =
        std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
    std::string pattern = (dir / "tellux-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    return std::filesystem::path(pattern);
  }();
  return base;
}

void StartUpTakesWhatItCan(const std::string& input) {
  testing::TestServices t;
  testing::AddSevenZones(t.registry);
  std::string_view rest = input;
  for (const char* key : kKeys) {
    const auto cut = rest.find('\n');
    if (rest.empty() && cut == std::string_view::npos) break;
    t.settings.Store(key, std::string(rest.substr(0, cut)));
    rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 1);
  }
  frmTime form(t.services());
  try {
    form.Form_Load();
  } catch (const testing::ProgramEnded&) {
    fuzz::Broken("start-up ended the program");
  }
  fuzz::Check(t.messages.texts.empty(), "start-up showed a message");
  int set = 0;
  for (const OptionButton& b : form.Option1) set += b.Value() ? 1 : 0;
  fuzz::Check(set == 1, "not exactly one caption panel");
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
  frmTime again(t.services());
  again.Form_Load();
  for (std::size_t i = 0; i < 4; ++i) {
    fuzz::Check(again.ComboTZ[i].ListIndex() == positions[i], "a stored position read back differently");
  }
}

void SettingsFileKeepsWhatIsReadable(const std::string& input) {
  const std::filesystem::path dir = Base() / "TelluxTime";
  std::filesystem::create_directories(dir);
  {
    std::ofstream file(dir / "TelluxTime.ini", std::ios::binary | std::ios::trunc);
    file << input;
  }
  IniSettings settings(Base());
  std::string before[5];
  for (std::size_t k = 0; k < 5; ++k) before[k] = settings.GetSetting("TelluxTime", "Settings", kKeys[k], "\x01");
  fuzz::Check(settings.SaveSetting("TelluxTime", "Settings", "TimeZone2", "3"), "a plain value was not stored");
  fuzz::Check(settings.GetSetting("TelluxTime", "Settings", "TimeZone2", "") == "3", "the stored value is lost");
  for (std::size_t k = 0; k < 5; ++k) {
    if (k == 1) continue;
    fuzz::Check(settings.GetSetting("TelluxTime", "Settings", kKeys[k], "\x01") == before[k],
                "storing one setting changed another");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  StartUpTakesWhatItCan(input);
  SettingsFileKeepsWhatIsReadable(input);
  return 0;
}
