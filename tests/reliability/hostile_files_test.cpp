// Hostile files where the program reads its data: a FIFO named by TZ (for
// the program's readers and for the C library's), a FIFO in the zone
// folder, a FIFO in place of the settings file, a settings folder that is a
// link loop, a zone file far larger than any real one, a temporary file a
// killed save left behind, and a zone folder that is missing or empty. The program never waits on any of
// them, and goes on as it does without the file.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "platform/linux/settings/ini_settings.h"
#include "platform/linux/tzdb/tzif_file.h"
#include "platform/linux/zones/catalogue.h"
#include "platform/linux/zones/emulated_registry.h"
#include "platform/linux/zones/environment.h"
#include "platform/linux/zones/machine_zone.h"
#include "tests/doubles/test_services.h"
#include "tests/platform/linux/zone_folder.h"
#include "window/frm_time.h"

namespace tellux {
namespace {

namespace fs = std::filesystem;
using zoneinfo::testing::ReadBytes;
using zoneinfo::testing::ZoneFolder;

constexpr const char* kSystemZones = "/usr/share/zoneinfo";

// Runs check in a child that a blocked open() cannot keep from ending: true
// when it returned true within five seconds.
bool PassesWithoutWaiting(const std::function<bool()>& check) {
  const pid_t child = fork();
  if (child == 0) {
    alarm(5);
    _exit(check() ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class HostileFiles : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0); }

  ZoneFolder folder;
  std::string fifo = folder.Path() + "/fifo";
};

TEST_F(HostileFiles, AFifoNamedByTzIsNoZoneAndTheMachineRunsOnUtc) {
  const zoneinfo::TzCatalogue catalogue("en_US", kSystemZones);
  for (const std::string& tz : {fifo, ":" + fifo}) {
    EXPECT_TRUE(PassesWithoutWaiting([&] {
      zoneinfo::MachineZoneSources sources;
      sources.tz = tz;
      TIME_ZONE_INFORMATION info;
      const auto match = zoneinfo::FillMachineZone(catalogue, sources, info);
      return match == zoneinfo::MachineZoneMatch::kWindowsZone && info.Bias == 0 &&
             info.DaylightDate.wMonth == 0;
    })) << tz;
  }
}

TEST_F(HostileFiles, AFifoAsLocaltimeIsNoZoneEither) {
  const zoneinfo::TzCatalogue catalogue("en_US", kSystemZones);
  EXPECT_TRUE(PassesWithoutWaiting([&] {
    zoneinfo::MachineZoneSources sources;
    sources.localtimePath = fifo;
    sources.timezonePath = fifo;
    TIME_ZONE_INFORMATION info;
    zoneinfo::FillMachineZone(catalogue, sources, info);
    return info.Bias == 0;
  }));
}

// The C library's own zone reading opens a FIFO and waits for a writer; the
// program keeps it off the FIFO and still reads the user's TZ itself.
TEST_F(HostileFiles, AFifoTzNamesInTzdirDoesNotHoldUpTheCLibrary) {
  fs::create_directories(folder.Path() + "/Europe");
  ASSERT_EQ(::mkfifo((folder.Path() + "/Europe/Paris").c_str(), 0600), 0);
  for (const char* tz : {"Europe/Paris", ":Europe/Paris"}) {
    EXPECT_TRUE(PassesWithoutWaiting([&] {
      ::setenv("TZDIR", folder.Path().c_str(), 1);
      ::setenv("TZ", tz, 1);
      const bool replaced = zoneinfo::KeepTheCLibraryOffUnreadableZones();
      tzset();
      const std::time_t now = std::time(nullptr);
      std::tm parts{};
      return replaced && localtime_r(&now, &parts) != nullptr && parts.tm_gmtoff == 0 &&
             zoneinfo::MachineZoneSourcesFromEnvironment().tz == std::string(tz);
    })) << tz;
  }
  // A zone the C library can read, and one that is not there, stay as set.
  EXPECT_TRUE(PassesWithoutWaiting([&] {
    ::setenv("TZDIR", kSystemZones, 1);
    ::setenv("TZ", "Europe/Paris", 1);
    const bool paris = zoneinfo::KeepTheCLibraryOffUnreadableZones();
    ::setenv("TZ", "Nowhere/City", 1);
    const bool nowhere = zoneinfo::KeepTheCLibraryOffUnreadableZones();
    return !paris && !nowhere && std::string(std::getenv("TZ")) == "Nowhere/City";
  }));
  // Unset, TZ means localtime: a FIFO there is kept off too.
  EXPECT_TRUE(PassesWithoutWaiting([&] {
    ::unsetenv("TZ");
    const bool replaced = zoneinfo::KeepTheCLibraryOffUnreadableZones(fifo.c_str());
    tzset();
    return replaced && !zoneinfo::MachineZoneSourcesFromEnvironment().tz.has_value();
  }));
}

TEST_F(HostileFiles, AFifoInTheZoneFolderLeavesOnlyItsZoneOut) {
  folder.Write("Europe/Paris", ReadBytes(std::string(kSystemZones) + "/Europe/Paris"));
  fs::create_directories(folder.Path() + "/Europe");
  ASSERT_EQ(::mkfifo((folder.Path() + "/Europe/Berlin").c_str(), 0600), 0);
  EXPECT_TRUE(PassesWithoutWaiting([&] {
    const zoneinfo::TzCatalogue catalogue("en_US", folder.Path());
    const auto& unserved = catalogue.Unserved();
    return catalogue.Find("Romance Standard Time") != nullptr &&
           catalogue.Find("W. Europe Standard Time") == nullptr &&
           std::find(unserved.begin(), unserved.end(), "W. Europe Standard Time") != unserved.end();
  }));
}

TEST_F(HostileFiles, AFifoAsTheSettingsFileGivesTheDefaultsAndIsNotReplaced) {
  const fs::path base = folder.Path() + "/config";
  fs::create_directories(base / "TelluxTime");
  const fs::path file = base / "TelluxTime" / "TelluxTime.ini";
  ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
  EXPECT_TRUE(PassesWithoutWaiting([&] {
    IniSettings settings(base);
    return settings.GetSetting("TelluxTime", "Settings", "TimeZone1", "7") == "7" &&
           !settings.SaveSetting("TelluxTime", "Settings", "TimeZone1", "3");
  }));
  EXPECT_TRUE(fs::is_fifo(file));
}

TEST_F(HostileFiles, ASettingsFolderThatIsALinkLoopGivesTheDefaultsAndIsLeftAlone) {
  const fs::path base = folder.Path() + "/config";
  fs::create_directories(base);
  const fs::path dir = base / "TelluxTime";
  ASSERT_EQ(::symlink(dir.c_str(), dir.c_str()), 0);
  IniSettings settings(base);
  EXPECT_EQ(settings.GetSetting("TelluxTime", "Settings", "TimeZone1", "7"), "7");
  EXPECT_FALSE(settings.SaveSetting("TelluxTime", "Settings", "TimeZone1", "3"));
  std::error_code ec;
  EXPECT_TRUE(fs::is_symlink(dir, ec));
}

TEST_F(HostileFiles, AZoneFileFarLargerThanAnyRealOneIsRefusedUnread) {
  const std::string paris = ReadBytes(std::string(kSystemZones) + "/Europe/Paris");
  ASSERT_FALSE(paris.empty());
  // The same zone with padding after its footer: still a zone by its bytes.
  folder.Write("Padded", paris + std::string(64 * 1024 - paris.size(), '\n'));
  folder.Write("Oversized", paris + std::string(64 * 1024 - paris.size() + 1, '\n'));
  EXPECT_TRUE(zoneinfo::ReadTzifFile(folder.Path() + "/Padded").has_value());
  EXPECT_TRUE(zoneinfo::TzifRule(ReadBytes(folder.Path() + "/Oversized")).has_value());
  EXPECT_FALSE(zoneinfo::ReadTzifFile(folder.Path() + "/Oversized").has_value());

  // Four GiB, nearly all hole: refused by its size, not by running out.
  const std::string huge = folder.Path() + "/Huge";
  folder.Write("Huge", paris);
  ASSERT_EQ(::truncate(huge.c_str(), off_t{4} << 30), 0);
  EXPECT_FALSE(zoneinfo::ReadSmallFile(huge).has_value());
  zoneinfo::MachineZoneSources sources;
  sources.tz = ":" + huge;
  TIME_ZONE_INFORMATION info;
  zoneinfo::FillMachineZone(zoneinfo::TzCatalogue("en_US", kSystemZones), sources, info);
  EXPECT_EQ(info.Bias, 0);  // no zone: UTC, as the C library takes it
}

TEST_F(HostileFiles, AStaleTemporaryFileOfAKilledSaveIsRemovedAtTheNextSave) {
  const fs::path base = folder.Path() + "/config";
  const fs::path dir = base / "TelluxTime";
  fs::create_directories(dir);
  auto make = [&](const std::string& name, std::chrono::seconds age) {
    std::ofstream(dir / name) << "[Settings]\nTimeZone1=";
    const auto when = std::chrono::system_clock::now() - age;
    const timeval times[2] = {{std::chrono::system_clock::to_time_t(when), 0},
                              {std::chrono::system_clock::to_time_t(when), 0}};
    ASSERT_EQ(::utimes((dir / name).c_str(), times), 0);
  };
  make("TelluxTime.ini.Ab3xZ9", std::chrono::hours(1));   // killed an hour ago
  make("TelluxTime.ini.Qr7tW2", std::chrono::seconds(0));  // another instance, saving now
  make("TelluxTime.ini.bak", std::chrono::hours(1));       // the user's own
  make("Other.ini.Ab3xZ9", std::chrono::hours(1));

  IniSettings settings(base);
  ASSERT_TRUE(settings.SaveSetting("TelluxTime", "Settings", "TimeZone1", "4"));
  EXPECT_FALSE(fs::exists(dir / "TelluxTime.ini.Ab3xZ9"));
  EXPECT_TRUE(fs::exists(dir / "TelluxTime.ini.Qr7tW2"));
  EXPECT_TRUE(fs::exists(dir / "TelluxTime.ini.bak"));
  EXPECT_TRUE(fs::exists(dir / "Other.ini.Ab3xZ9"));
  EXPECT_EQ(settings.GetSetting("TelluxTime", "Settings", "TimeZone1", ""), "4");
}

// The window on the Linux catalogue of a zone folder, everything else doubled.
std::vector<std::string> MessagesAtStartUp(const std::string& zoneFolder) {
  const zoneinfo::TzCatalogue catalogue("en_US", zoneFolder);
  zoneinfo::TzRegistry registry(catalogue);
  testing::TestServices t;
  frmTime form({registry, t.clock, t.locale, t.dates, t.settings, t.messages, t.end});
  form.Form_Load();
  for (const ComboBox& list : form.ComboTZ) {
    EXPECT_EQ(list.ListCount(), static_cast<int>(catalogue.Entries().size()));
  }
  return t.messages.texts;
}

TEST_F(HostileFiles, WithoutAReadableZoneFolderStartUpSaysTheCatalogueIsMissing) {
  const std::vector<std::string> missing = {"Can't find Timezone information in registry"};
  EXPECT_EQ(MessagesAtStartUp(folder.Path()), missing);  // empty but for a FIFO
  EXPECT_EQ(MessagesAtStartUp(folder.Path() + "/nowhere"), missing);
  EXPECT_TRUE(MessagesAtStartUp(kSystemZones).empty());
}

}  // namespace
}  // namespace tellux
