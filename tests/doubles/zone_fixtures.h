#pragma once
// Catalogues for tests: a few real-looking zones, and many generated ones.

#include <string>

#include "tests/doubles/fake_registry.h"
#include "tests/doubles/memory_settings.h"

namespace tellux::testing {

// Seven zones, enumerated in this (unsorted) order:
//   "Pacific"   480, daylight from the 1st Sunday of April to the last of October
//   "GMT"         0, daylight from the last Sunday of March to the last of October
//   "Eastern"   300, as Pacific
//   "W. Europe" -60, as GMT
//   "Central"   360, as Pacific
//   "Greenwich"   0, no daylight saving
//   "India"    -330, no daylight saving
// Display texts are "(GMT-08:00) Pacific Time" and the like; Std names are
// "<key> Standard Time", Dlt names "<key> Daylight Time".
void AddSevenZones(FakeRegistry& registry);

// Stored choices that put the four panels of the seven-zone catalogue on
// India, W. Europe, Central and Eastern.
void StoreFourPanels(MemorySettings& settings);

// count zones "Zone 0001".. with biases spread over -840..720 minutes.
void AddManyZones(FakeRegistry& registry, int count);

}  // namespace tellux::testing
