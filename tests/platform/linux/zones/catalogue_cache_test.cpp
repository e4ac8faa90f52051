// The zone catalogue a start finds stored from the last: the same catalogue
// the build gives, and only while everything it was built from still holds.

#include "platform/linux/zones/catalogue_cache.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cctype>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/platform/linux/zone_folder.h"

namespace tellux::zoneinfo {
namespace {

using testing::ReadBytes;
using testing::ZoneFolder;

constexpr std::int64_t kNow = 1796000000;  // 2026-11-30
constexpr std::int64_t kDay = 24 * 3600;

void ExpectSameCatalogue(const TzCatalogue& a, const TzCatalogue& b) {
  ASSERT_EQ(a.Entries().size(), b.Entries().size());
  for (std::size_t i = 0; i < a.Entries().size(); ++i) {
    const TzCatalogueEntry& x = a.Entries()[i];
    const TzCatalogueEntry& y = b.Entries()[i];
    EXPECT_EQ(x.windowsId, y.windowsId);
    EXPECT_EQ(x.zoneName, y.zoneName) << x.windowsId;
    EXPECT_EQ(x.display, y.display) << x.windowsId;
    EXPECT_EQ(x.standardName, y.standardName) << x.windowsId;
    EXPECT_EQ(x.daylightName, y.daylightName) << x.windowsId;
    EXPECT_EQ(x.tzi, y.tzi) << x.windowsId;
    EXPECT_EQ(x.tziBytes, y.tziBytes) << x.windowsId;
    EXPECT_EQ(x.yearRecords, y.yearRecords) << x.windowsId;
    EXPECT_EQ(x.fileHash, y.fileHash) << x.windowsId;
    EXPECT_EQ(x.fileSize, y.fileSize) << x.windowsId;
  }
  EXPECT_EQ(a.Unserved(), b.Unserved());
  EXPECT_EQ(a.Consulted(), b.Consulted());
  EXPECT_EQ(a.LocaleName(), b.LocaleName());
  EXPECT_EQ(a.ZoneDirectory(), b.ZoneDirectory());
}

TzCatalogueContents ContentsOf(const TzCatalogue& c) {
  return {c.Entries(), c.Unserved(), c.Consulted()};
}

// A user's zone folder: Los Angeles, Casablanca (whose Ramadan years give
// year records), Kolkata under the name ICU does not use (Asia/Calcutta),
// and a broken Berlin.
class StoredCatalogue : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* zone : {"America/Los_Angeles", "Africa/Casablanca", "Asia/Kolkata"}) {
      zones_.Write(zone, ReadBytes(std::string("/usr/share/zoneinfo/") + zone));
    }
    zones_.Write("Europe/Berlin", "not a zone file");
    origin_ = {"format 1; tests", "de_DE", zones_.Path(), kNow};
    file_ = std::filesystem::path(cache_.Path()) / "tellux-time" / "zones.cache";
  }

  // With the locale's date patterns, so that every check below covers them.
  std::string Stored() const {
    return CatalogueBytes(TzCatalogue("de_DE", zones_.Path()), origin_,
                          DeriveDatePatterns("de_DE"));
  }

  ZoneFolder zones_;
  ZoneFolder cache_;
  CatalogueOrigin origin_;
  std::filesystem::path file_;
};

TEST_F(StoredCatalogue, KeepsEachLocalesDatePatternsUnitForUnit) {
  const TzCatalogue catalogue("de_DE", zones_.Path());
  // Narrow no-break spaces (en_US), Arabic letters and marks, CJK day periods.
  for (const char* locale : {"en_US", "ar_EG", "zh_TW", "fi_FI"}) {
    SCOPED_TRACE(locale);
    const std::optional<DatePatterns> derived = DeriveDatePatterns(locale);
    ASSERT_TRUE(derived.has_value());
    std::optional<DatePatterns> read;
    ASSERT_NE(CatalogueFromBytes(CatalogueBytes(catalogue, origin_, derived), origin_, &read),
              nullptr);
    EXPECT_EQ(read, derived);
  }
  // None derived, none read back.
  std::optional<DatePatterns> read = DeriveDatePatterns("en_US");
  ASSERT_NE(CatalogueFromBytes(CatalogueBytes(catalogue, origin_), origin_, &read), nullptr);
  EXPECT_FALSE(read.has_value());
}

TEST_F(StoredCatalogue, ASecondStartReadsBackWhatTheFirstBuilt) {
  int derived = 0;
  const auto derive = [&] {
    ++derived;
    return DeriveDatePatterns("de_DE");
  };
  const StoredStart firstStart = LoadOrBuildCatalogue(file_, origin_, derive);
  const std::unique_ptr<TzCatalogue>& built = firstStart.catalogue;
  ASSERT_TRUE(firstStart.datePatterns.has_value());
  EXPECT_EQ(firstStart.datePatterns->writtenDate, u"dd.MM.yyyy");
  const TzCatalogueEntry* morocco = built->Find("Morocco Standard Time");
  ASSERT_NE(morocco, nullptr);
  EXPECT_FALSE(morocco->yearRecords.empty());
  ASSERT_NE(built->Find("India Standard Time"), nullptr);
  EXPECT_FALSE(built->Unserved().empty());
  struct stat first {};
  ASSERT_EQ(::stat(file_.c_str(), &first), 0);

  origin_.now += 6 * kDay;
  const StoredStart secondStart = LoadOrBuildCatalogue(file_, origin_, derive);
  ExpectSameCatalogue(*built, *secondStart.catalogue);
  EXPECT_EQ(secondStart.datePatterns, firstStart.datePatterns);
  EXPECT_EQ(derived, 1) << "stored patterns are not derived again";
  EXPECT_NE(CatalogueFromBytes(ReadBytes(file_.string()), origin_), nullptr);
  struct stat second {};
  ASSERT_EQ(::stat(file_.c_str(), &second), 0);
  EXPECT_EQ(first.st_ino, second.st_ino) << "a catalogue read back is not stored again";
  EXPECT_EQ(first.st_mtim.tv_nsec, second.st_mtim.tv_nsec);
  // Its names, made at their first use, are the ones the build had.
  EXPECT_EQ(secondStart.catalogue->Names().LongStandard("Asia/Tokyo", 9 * 3600),
            built->Names().LongStandard("Asia/Tokyo", 9 * 3600));
}

TEST_F(StoredCatalogue, IsBuiltAnewWhenWhatItCameFromIsNoLongerSo) {
  const std::string stored = Stored();
  ASSERT_NE(CatalogueFromBytes(stored, origin_), nullptr);
  const std::vector<std::pair<const char*, std::function<void(CatalogueOrigin&)>>> changes = {
      {"another program or ICU", [](CatalogueOrigin& o) { o.software += "."; }},
      {"another locale", [](CatalogueOrigin& o) { o.localeName = "de_AT"; }},
      {"another zone folder", [](CatalogueOrigin& o) { o.zoneDirectory += "/."; }},
      {"over a week old", [](CatalogueOrigin& o) { o.now += 7 * kDay + 1; }},
      {"built after now", [](CatalogueOrigin& o) { o.now -= 1; }},
  };
  for (const auto& [what, change] : changes) {
    CatalogueOrigin origin = origin_;
    change(origin);
    EXPECT_EQ(CatalogueFromBytes(stored, origin), nullptr) << what;
  }

  const std::vector<std::pair<const char*, std::function<void()>>> zoneFileChanges = {
      {"a zone file written again, a second later",
       [&] {
         const std::string file = zones_.Path() + "/America/Los_Angeles";
         const auto written = std::filesystem::last_write_time(file);
         zones_.Write("America/Los_Angeles", zones_.Read("America/Los_Angeles"));
         std::filesystem::last_write_time(file, written + std::chrono::seconds(1));
       }},
      {"the name ICU uses appearing",
       [&] { zones_.Write("Asia/Calcutta", zones_.Read("Asia/Kolkata")); }},
      {"a zone file removed",
       [&] { std::filesystem::remove(zones_.Path() + "/Africa/Casablanca"); }},
      {"a broken file mended",
       [&] { zones_.Write("Europe/Berlin", ReadBytes("/usr/share/zoneinfo/Europe/Berlin")); }},
  };
  for (const auto& [what, change] : zoneFileChanges) {
    const std::string before = Stored();
    ASSERT_NE(CatalogueFromBytes(before, origin_), nullptr) << what;
    change();
    EXPECT_EQ(CatalogueFromBytes(before, origin_), nullptr) << what;
  }
}

TEST_F(StoredCatalogue, IsNeverTakenFromAFileCutShortOrDamaged) {
  const std::string stored = Stored();
  ASSERT_NE(CatalogueFromBytes(stored, origin_), nullptr);
  const std::size_t step = stored.size() / 211 + 1;
  for (std::size_t n = 0; n < stored.size(); n += step) {
    EXPECT_EQ(CatalogueFromBytes(stored.substr(0, n), origin_), nullptr) << "cut to " << n;
    std::string damaged = stored;
    damaged[n] = static_cast<char>(damaged[n] ^ 0x20);
    EXPECT_EQ(CatalogueFromBytes(damaged, origin_), nullptr) << "byte " << n;
  }
  EXPECT_EQ(CatalogueFromBytes(stored.substr(0, stored.size() - 1), origin_), nullptr);
  EXPECT_EQ(CatalogueFromBytes(stored + '\0', origin_), nullptr);
}

// Stores whose sums are right but whose contents no build makes, as a file
// written by someone else might be.
TEST_F(StoredCatalogue, IsNeverTakenWithContentsNoBuildMakes) {
  const TzCatalogue built("de_DE", zones_.Path());
  ASSERT_GE(built.Entries().size(), 2u);
  const auto refused = [&](const char* what,
                           const std::function<void(TzCatalogueContents&)>& change) {
    TzCatalogueContents contents = ContentsOf(built);
    change(contents);
    const TzCatalogue odd("de_DE", zones_.Path(), std::move(contents));
    EXPECT_EQ(CatalogueFromBytes(CatalogueBytes(odd, origin_), origin_), nullptr) << what;
  };
  refused("entries out of order",
          [](TzCatalogueContents& c) { std::swap(c.entries[0], c.entries[1]); });
  refused("one Windows id twice", [](TzCatalogueContents& c) {
    c.entries[1].windowsId = c.entries[0].windowsId;
    for (char& ch : c.entries[1].windowsId) ch = static_cast<char>(std::toupper(ch));
  });
  for (const char* name :
       {"../../etc/passwd", "/etc/localtime", "", "Asia//Tokyo", "Asia/./Tokyo"}) {
    refused(name, [name](TzCatalogueContents& c) { c.entries[0].zoneName = name; });
    refused(name, [name](TzCatalogueContents& c) { c.consulted[0].name = name; });
  }
  refused("a Std longer than the record",
          [](TzCatalogueContents& c) { c.entries[0].standardName = std::string(32, 'x'); });
  refused("a Dlt longer than the record", [](TzCatalogueContents& c) {
    c.entries[0].daylightName = "";
    for (int i = 0; i < 16; ++i) c.entries[0].daylightName += "\xF0\x9F\x95\x90";  // 32 units
  });
  for (const char* bad : {"\xC3\x28", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82"}) {
    refused("malformed UTF-8", [bad](TzCatalogueContents& c) { c.entries[0].display += bad; });
  }
  refused("years out of order", [](TzCatalogueContents& c) {
    for (TzCatalogueEntry& e : c.entries) {
      if (e.yearRecords.size() >= 2) std::swap(e.yearRecords[0], e.yearRecords[1]);
    }
  });
  // And unchanged contents, stored the same way, are taken.
  const TzCatalogue same("de_DE", zones_.Path(), ContentsOf(built));
  EXPECT_NE(CatalogueFromBytes(CatalogueBytes(same, origin_), origin_), nullptr);
}

TEST_F(StoredCatalogue, AStoreThatCannotBeWrittenOrReadOnlyCostsTheTime) {
  // Where a folder should be there is a file: nothing can be stored.
  const std::filesystem::path blocked =
      std::filesystem::path(cache_.Path()) / "file" / "zones.cache";
  cache_.Write("file", "a file");
  const std::unique_ptr<TzCatalogue> unstored = LoadOrBuildCatalogue(blocked, origin_).catalogue;
  EXPECT_NE(unstored->Find("Pacific Standard Time"), nullptr);

  // A damaged store is built over.
  cache_.Write("tellux-time/zones.cache", "TLXZONES and then nothing sensible");
  const std::unique_ptr<TzCatalogue> rebuilt = LoadOrBuildCatalogue(file_, origin_).catalogue;
  ExpectSameCatalogue(*unstored, *rebuilt);
  EXPECT_NE(CatalogueFromBytes(ReadBytes(file_.string()), origin_), nullptr);
}

}  // namespace
}  // namespace tellux::zoneinfo
