#include "tests/doubles/zone_fixtures.h"

#include <cstdio>

namespace tellux::testing {
namespace {

void Add(FakeRegistry& r, const std::string& key, const std::string& display, const std::string& tzi) {
  r.AddZone({key, display, key + " Standard Time", key + " Daylight Time", tzi});
}

}  // namespace

void AddSevenZones(FakeRegistry& r) {
  Add(r, "Pacific", "(GMT-08:00) Pacific Time", FakeRegistry::MakeTzi(480, -60, 10, 5, 2, 4, 1, 2));
  Add(r, "GMT", "(GMT) London", FakeRegistry::MakeTzi(0, -60, 10, 5, 2, 3, 5, 1));
  Add(r, "Eastern", "(GMT-05:00) Eastern Time", FakeRegistry::MakeTzi(300, -60, 10, 5, 2, 4, 1, 2));
  Add(r, "W. Europe", "(GMT+01:00) Berlin", FakeRegistry::MakeTzi(-60, -60, 10, 5, 3, 3, 5, 2));
  Add(r, "Central", "(GMT-06:00) Central Time", FakeRegistry::MakeTzi(360, -60, 10, 5, 2, 4, 1, 2));
  Add(r, "Greenwich", "(GMT) Reykjavik", FakeRegistry::MakeTzi(0));
  Add(r, "India", "(GMT+05:30) Calcutta", FakeRegistry::MakeTzi(-330));
}

void StoreFourPanels(MemorySettings& settings) {
  settings.Store("TimeZone1", "0");  // India
  settings.Store("TimeZone2", "1");  // W. Europe
  settings.Store("TimeZone3", "5");  // Central
  settings.Store("TimeZone4", "4");  // Eastern
}

void AddManyZones(FakeRegistry& r, int count) {
  for (int k = 0; k < count; ++k) {
    char key[32];
    std::snprintf(key, sizeof key, "Zone %04d", k + 1);
    const int bias = -840 + (k * 37) % 1561;
    Add(r, key, std::string("(UTC) ") + key, FakeRegistry::MakeTzi(bias));
  }
}

}  // namespace tellux::testing
