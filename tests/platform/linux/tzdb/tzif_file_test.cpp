// Compiled zone files, as zic writes them and as a damaged disk or a stray
// file might leave them: the zone's current rule or nothing.

#include "platform/linux/tzdb/tzif_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/platform/linux/zone_folder.h"

namespace tellux::zoneinfo {
namespace {

using testing::ReadBytes;
using testing::ZoneFolder;

constexpr std::string_view kPacificSource =
    "Rule US 2007 max - Mar Sun>=8 2:00 1:00 D\n"
    "Rule US 2007 max - Nov Sun>=1 2:00 0 S\n"
    "Zone America/Los_Angeles -8:00 US P%sT\n";

void Put32(std::string& s, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) s += static_cast<char>((v >> shift) & 0xFF);
}

struct ZoneType {
  std::int32_t utOffset;
  bool dst;
  std::uint8_t nameIndex;
};

// A version 1 file: transitions at times 1, 2, ... to the given types.
std::string VersionOneFile(const std::vector<ZoneType>& types,
                           const std::vector<std::uint8_t>& transitionTypes,
                           std::string_view names) {
  std::string s = "TZif";
  s += std::string(16, '\0');
  for (std::uint32_t count : {0u, 0u, 0u, static_cast<std::uint32_t>(transitionTypes.size()),
                              static_cast<std::uint32_t>(types.size()),
                              static_cast<std::uint32_t>(names.size())}) {
    Put32(s, count);
  }
  for (std::size_t i = 0; i < transitionTypes.size(); ++i) Put32(s, static_cast<std::uint32_t>(i + 1));
  for (std::uint8_t t : transitionTypes) s += static_cast<char>(t);
  for (const ZoneType& t : types) {
    Put32(s, static_cast<std::uint32_t>(t.utOffset));
    s += static_cast<char>(t.dst ? 1 : 0);
    s += static_cast<char>(t.nameIndex);
  }
  s += names;
  return s;
}

TEST(TzifFile, GivesTheRuleZicWroteAtTheEndOfTheFile) {
  ZoneFolder folder;
  ASSERT_TRUE(folder.Compile(kPacificSource));
  const std::optional<TzifFile> file = ReadTzifFile(folder.Path() + "/America/Los_Angeles");
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->rule, "PST8PDT,M3.2.0,M11.1.0");
  EXPECT_EQ(file->bytes, folder.Read("America/Los_Angeles"));
}

TEST(TzifFile, ReadsTheSystemDatabase) {
  const std::optional<TzifFile> kolkata = ReadTzifFile("/usr/share/zoneinfo/Asia/Kolkata");
  ASSERT_TRUE(kolkata.has_value());
  EXPECT_EQ(kolkata->rule, "IST-5:30");
}

TEST(TzifFile, TakesTheLastStandardTimeWhenTheFooterIsEmpty) {
  // A file cut off in time (-r) says nothing about what follows.
  ZoneFolder folder;
  ASSERT_TRUE(folder.Compile(kPacificSource, "-r @0/@1000000000"));
  EXPECT_EQ(TzifRule(folder.Read("America/Los_Angeles")), "<PST>8");
}

TEST(TzifFile, TakesAVersionOneFileAsFixedAtItsLastStandardTime) {
  const std::string names = std::string("LMT\0ABC\0ABD\0", 12);
  const std::vector<ZoneType> types = {{1800, false, 0}, {10800, false, 4}, {14400, true, 8}};
  EXPECT_EQ(TzifRule(VersionOneFile(types, {1, 2}, names)), "<ABC>-3");
  EXPECT_EQ(TzifRule(VersionOneFile(types, {}, names)), "<LMT>-0:30");
  EXPECT_EQ(TzifRule(VersionOneFile({{-(3 * 3600 + 15 * 60 + 7), false, 0}}, {}, "AB\0")),
            "<UNK>3:15:07");
}

TEST(TzifFile, RefusesAVersionOneFileThatDoesNotHoldTogether) {
  const std::string names = std::string("LMT\0", 4);
  EXPECT_FALSE(TzifRule(VersionOneFile({{0, false, 0}}, {1}, names)));     // no type 1
  EXPECT_FALSE(TzifRule(VersionOneFile({{0, false, 9}}, {}, names)));      // name past the end
  EXPECT_FALSE(TzifRule(VersionOneFile({}, {}, names)));                   // no types at all
  EXPECT_FALSE(TzifRule(VersionOneFile({{static_cast<std::int32_t>(0x80000000u), false, 0}}, {},
                                       names)));
}

TEST(TzifFile, RefusesEveryTruncationOfAFile) {
  ZoneFolder folder;
  ASSERT_TRUE(folder.Compile(kPacificSource));
  const std::string whole = folder.Read("America/Los_Angeles");
  ASSERT_GT(whole.size(), 100u);
  for (std::size_t n = 0; n < whole.size(); ++n) {
    EXPECT_FALSE(TzifRule(std::string_view(whole).substr(0, n))) << n << " bytes";
  }
}

TEST(TzifFile, RefusesWhatIsNoZoneFile) {
  EXPECT_FALSE(TzifRule("hello, world"));
  EXPECT_FALSE(TzifRule(std::string("TZif2") + std::string(200, '\xff')));
  ZoneFolder folder;
  folder.Write("Europe/Berlin", "#!/bin/sh\necho not a zone\n");
  EXPECT_FALSE(ReadTzifFile(folder.Path() + "/Europe/Berlin"));
  EXPECT_FALSE(ReadTzifFile(folder.Path() + "/Europe/Nowhere"));
  EXPECT_FALSE(ReadTzifFile(folder.Path() + "/Europe"));  // a folder
  EXPECT_FALSE(ReadSmallFile(folder.Path() + "/Europe"));
}

TEST(TzifTransitions, ListsTheChangesInOrderOrNothingForAFileThatDoesNotHoldTogether) {
  const std::string names = std::string("LMT\0ABC\0ABD\0", 12);
  const std::vector<ZoneType> types = {{1800, false, 0}, {10800, false, 4}, {14400, true, 8}};
  EXPECT_EQ(TzifTransitions(VersionOneFile(types, {1, 2}, names)),
            (std::vector<TzifTransition>{{1, 1800, 10800}, {2, 10800, 14400}}));
  EXPECT_FALSE(TzifTransitions(VersionOneFile(types, {3}, names)));  // no type 3
  std::string backwards = VersionOneFile(types, {1, 2}, names);
  backwards[44 + 3] = 9;  // the first time after the second
  EXPECT_FALSE(TzifTransitions(backwards));

  ZoneFolder folder;
  ASSERT_TRUE(folder.Compile(kPacificSource));
  const std::string whole = folder.Read("America/Los_Angeles");
  const std::size_t footer = whole.rfind('\n', whole.size() - 2);
  for (std::size_t n = 0; n < footer; ++n) {
    EXPECT_FALSE(TzifTransitions(std::string_view(whole).substr(0, n))) << n << " bytes";
  }
}

}  // namespace
}  // namespace tellux::zoneinfo
