// A year's rule needs that year's changes to be one away from standard time
// and one back; anything else leaves the standing rule. (Real zone files are
// checked in every_zone_all_year_test.cpp.)

#include "platform/linux/tzdb/year_records.h"

#include <gtest/gtest.h>

namespace tellux::zoneinfo {
namespace {

TEST(YearRecords, AYearThatIsNotOnePairOfChangesHasNone) {
  const std::int64_t jan2030 = 1893456000, day = 86400;  // 2030-01-01 00:00 UTC
  const TzifTransition away{jan2030 + 30 * day, 3600, 7200};
  const TzifTransition back{jan2030 + 90 * day, 7200, 3600};
  const TzifTransition renamed{jan2030 + 60 * day, 7200, 7200};
  EXPECT_TRUE(TziForYear({away, back}, 2030, -60));
  EXPECT_TRUE(TziForYear({away, renamed, back}, 2030, -60));
  EXPECT_EQ(TziForYear({back}, 2030, -60), std::nullopt);  // leaving daylight saving for good
  EXPECT_EQ(TziForYear({away, back, {jan2030 + 200 * day, 3600, 7200}}, 2030, -60), std::nullopt);
  EXPECT_EQ(TziForYear({away, {back.at, 7200, 10800}}, 2030, -60), std::nullopt);  // no way back
  EXPECT_EQ(TziForYear({away, back}, 2030, -180), std::nullopt);  // standard time in neither
  // The placeholder some files start with is dated in no year.
  EXPECT_TRUE(YearRecords({{-(std::int64_t{1} << 59), 0, 3600}}, TziRecord{}).empty());
}

}  // namespace
}  // namespace tellux::zoneinfo
