#pragma once
// The in-memory copy of the operating system's time-zone catalogue: parallel
// arrays indexed by zone number. Entry 0 is never written and stays all zero
// (no name, Bias 0, not in daylight saving), so a list without a selection
// converts as UTC. Zones occupy entries 1..Count(), sorted by Bias; zone k is
// item k - 1 of every zone list.

#include <string>
#include <vector>

#include "zonetime/zone_rule.h"

namespace tellux::catalogue {

struct ZoneCatalogue {
  std::vector<std::string> KeyName = std::vector<std::string>(1);
  std::vector<std::string> DisplayName = std::vector<std::string>(1);
  std::vector<std::string> StdName = std::vector<std::string>(1);
  std::vector<std::string> DltName = std::vector<std::string>(1);
  std::vector<zonetime::ZoneRuleRecord> ZoneRule = std::vector<zonetime::ZoneRuleRecord>(1);

  // Number of zones (entries above 0).
  int Count() const { return static_cast<int>(KeyName.size()) - 1; }

  // Makes room for entries 0..last, keeping what is there.
  void Resize(int last);
};

}  // namespace tellux::catalogue
