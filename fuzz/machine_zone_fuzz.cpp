// The machine's zone found from anything in TZ (":Europe/Paris",
// "../../x", absolute paths, POSIX rules), from any bytes copied to
// /etc/localtime, or from /etc/localtime linking anywhere: the zone is
// always one the window can show, and a zone of its own never takes the
// name of a catalogue entry. The catalogue is the system's, built once.

#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "platform/linux/tzdb/windows_record_name.h"
#include "platform/linux/zones/catalogue.h"
#include "platform/linux/zones/machine_zone.h"

namespace {

namespace fs = std::filesystem;
using namespace tellux;
using namespace tellux::zoneinfo;

constexpr const char* kZoneDirectory = "/usr/share/zoneinfo";

struct World {
  std::unique_ptr<TzCatalogue> catalogue;
  std::vector<std::array<char16_t, 32>> entryNames;
  fs::path scratch;  // in memory where possible: one file is written per input
};

World& TheWorld() {
  static World world = [] {
    World w;
    w.catalogue = std::make_unique<TzCatalogue>("en_US", kZoneDirectory);
    for (const TzCatalogueEntry& e : w.catalogue->Entries()) {
      CopyRecordName(e.standardName, w.entryNames.emplace_back());
    }
    const fs::path shm = "/dev/shm";
    std::error_code ec;
    std::string pattern = ((fs::is_directory(shm, ec) ? shm : fs::temp_directory_path()) /
                           "tellux-zone-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    w.scratch = pattern;
    std::ofstream(w.scratch / "timezone") << "Europe/Paris\n";
    return w;
  }();
  return world;
}

// Paths into the machine's devices and kernel files are not opened: the
// harness must not disturb the machine it runs on. Regular files anywhere
// else, and links to them, are fair game.
bool Harmless(const std::string& path) {
  std::error_code ec;
  const std::string real = fs::weakly_canonical(fs::path(path), ec).generic_string();
  if (ec) return false;
  for (std::string_view root : {"/dev", "/proc", "/sys", "/run"}) {
    if (real.compare(0, root.size(), root) == 0 &&
        (real.size() == root.size() || real[root.size()] == '/')) {
      return false;
    }
  }
  return true;
}

void CheckRecord(const World& w, MachineZoneMatch match, const TIME_ZONE_INFORMATION& info) {
  using fuzz::Check;
  Check(info.Bias > -25 * 60 && info.Bias < 25 * 60, "a bias out of range");
  Check(info.StandardName[31] == 0 && info.DaylightName[31] == 0, "a name without its end");
  Check(info.StandardName[0] != 0, "a zone without a name");
  if (match != MachineZoneMatch::kOwnRule) return;
  for (const auto& name : w.entryNames) {
    Check(name != info.StandardName, "a zone of its own named as a catalogue entry");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  World& w = TheWorld();
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  MachineZoneSources sources;
  sources.timezonePath = (w.scratch / "timezone").string();
  switch (data[0] % 3) {
    case 0: {  // TZ; the environment cannot hold a NUL
      const std::string tz(rest.substr(0, rest.find('\0')));
      const std::string_view name = tz.empty() || tz[0] != ':' ? std::string_view(tz)
                                                               : std::string_view(tz).substr(1);
      const std::string path = !name.empty() && name[0] == '/'
                                   ? std::string(name)
                                   : std::string(kZoneDirectory) + "/" + std::string(name);
      if (!Harmless(path)) return 0;
      sources.tz = tz;
      break;
    }
    case 1: {  // a copy of a zone file
      sources.localtimePath = (w.scratch / "localtime").string();
      std::ofstream(sources.localtimePath, std::ios::binary | std::ios::trunc) << rest;
      break;
    }
    default: {  // a link to wherever
      const std::string target(rest.substr(0, rest.find('\0')));
      if (target.empty() || !Harmless(target[0] == '/' ? target : (w.scratch / target).string())) {
        return 0;
      }
      sources.localtimePath = (w.scratch / "link").string();
      ::unlink(sources.localtimePath.c_str());
      if (::symlink(target.c_str(), sources.localtimePath.c_str()) != 0) return 0;
      break;
    }
  }
  TIME_ZONE_INFORMATION info;
  const MachineZoneMatch match = FillMachineZone(*w.catalogue, sources, info);
  CheckRecord(w, match, info);
  return 0;
}
