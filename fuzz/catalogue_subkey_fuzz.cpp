// A catalogue subkey with any "Display", "Std", "Dlt" and "TZI" values, of
// any type and length: the catalogue load goes on (a damaged zone reported
// against its name), the zone reaches the catalogue and every list with a
// selection, and a time still converts from it.
//
// The registry and the services live for the whole run; an input replaces
// the subkey's values and the load runs on an empty catalogue and empty
// lists, as at start-up. The lists are not the window's: a window's lists
// convert the panels on every pick, which would cost the run its speed
// without reading the registry any further.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/fill_time_zone_lists.h"
#include "fuzz/fuzz_check.h"
#include "platform/error_trap.h"
#include "tests/doubles/test_services.h"
#include "zonetime/calc_time.h"

namespace {

using namespace tellux;

constexpr const char* kKey = "Zone0";

// Takes a length-prefixed chunk off the front of the input.
std::string Take(std::string_view& in) {
  if (in.empty()) return {};
  const std::size_t n = std::min<std::size_t>(static_cast<unsigned char>(in[0]), in.size() - 1);
  std::string chunk(in.substr(1, n));
  in.remove_prefix(1 + n);
  return chunk;
}

std::uint32_t TypeOf(std::string_view& in) {
  if (in.empty()) return kRegSz;
  const auto t = static_cast<unsigned char>(in[0]) % 5;  // 0..4: none, sz, expand_sz, binary, dword
  in.remove_prefix(1);
  return t;
}

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

struct World {
  testing::TestServices t;
  std::string separator = ":";
  World() { t.clock.local = testing::MakeTime(2003, 6, 15, 12, 0, 0); }
};

// What the load fills, new for each input.
struct Targets {
  catalogue::ZoneCatalogue catalogue;
  OSVERSIONINFO osVersion{};
  TextBox machineZoneName;
  std::array<ComboBox, 4> lists;
  std::int16_t zeroBiasZone = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static World world;
  testing::TestServices& t = world.t;
  std::string_view in(reinterpret_cast<const char*>(data), size);
  for (const char* name : {"Display", "Std", "Dlt", "TZI"}) {
    const std::uint32_t type = TypeOf(in);
    t.registry.SetValue(kKey, name, testing::FakeValue{type, Take(in)});
  }

  Targets fresh;
  catalogue::CatalogueTargets targets{fresh.catalogue, fresh.osVersion, fresh.machineZoneName,
                                      {&fresh.lists[0], &fresh.lists[1], &fresh.lists[2], &fresh.lists[3]},
                                      fresh.zeroBiasZone};
  try {
    TrapAndEnd(t.services(), "Form_Load", [&] { catalogue::FillTimeZoneLists(t.services(), targets); });
  } catch (const testing::ProgramEnded&) {
    fuzz::Broken("the catalogue load ended the program");
  }
  for (const std::string& message : t.messages.texts) {
    fuzz::Check(EndsWith(message, std::string(" in GetRegistryValues for ") + kKey),
                "a message that is not the zone's load failure");
  }
  fuzz::Check(t.registry.OpenHandles() == 0, "a registry key left open");
  fuzz::Check(fresh.catalogue.Count() == 1 && fresh.catalogue.KeyName[1] == kKey,
              "the zone missing from the catalogue");
  for (const ComboBox& list : fresh.lists) {
    fuzz::Check(list.ListCount() == 1 && list.ListIndex() == 0, "a list without the zone selected");
    fuzz::Check(list.List(0) == fresh.catalogue.DisplayName[1], "a list showing another name");
  }
  fuzz::Check(fresh.zeroBiasZone == (fresh.catalogue.ZoneRule[1].Bias == 0 ? 1 : 0),
              "the zero-offset zone misplaced");

  // The zone's rule as a conversion reads it: from noon there to UTC.
  const std::size_t messages = t.messages.texts.size();
  std::int16_t charPos = 0;
  const zonetime::ConversionContext context{fresh.catalogue.ZoneRule, world.separator, charPos};
  SYSTEMTIME result{};
  try {
    zonetime::CalcTime(t.services(), context, t.clock.local, result, 1, 0);
  } catch (const testing::ProgramEnded&) {
    fuzz::Broken("a conversion ended the program");
  }
  fuzz::Check(t.messages.texts.size() == messages, "a conversion showed a message");
  fuzz::Check(result.wHour <= 23 && result.wMinute <= 59, "a converted time out of range");

  // What the input left in the doubles goes with it, so that memory the
  // input took and did not give back shows as a leak of this input.
  t.registry.Clear();
  std::vector<std::string>().swap(t.registry.openedPaths);
  std::vector<std::string>().swap(t.messages.texts);
  std::vector<std::string>().swap(t.messages.captions);
  return 0;
}
