// The remembered general date form: reads and writes answer as the inner
// service does, failures included, and a repeat costs no new call.

#include "platform/linux/locale/memo_date_services.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tellux {
namespace {

// Counts its calls; reads "noon" as half a day and nothing else.
class CountingDates final : public DateServices {
 public:
  int calls = 0;
  std::optional<double> ReadGeneralDate(std::string_view text) override {
    ++calls;
    if (text == "noon") return 0.5;
    return std::nullopt;
  }
  std::string FormatGeneralDate(double date) override {
    ++calls;
    return "general " + std::to_string(date);
  }
  std::string FormatShortTime(double date) override {
    ++calls;
    return "short " + std::to_string(date);
  }
};

TEST(MemoDateServices, RepeatsAnswerAsTheServiceDidWithoutAskingAgain) {
  CountingDates inner;
  MemoDateServices memo(inner);
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(memo.ReadGeneralDate("noon"), std::optional<double>(0.5));
    EXPECT_EQ(memo.ReadGeneralDate("not a time"), std::nullopt);
    EXPECT_EQ(memo.FormatGeneralDate(0.25), inner.FormatGeneralDate(0.25));
    EXPECT_EQ(memo.FormatShortTime(0.25), inner.FormatShortTime(0.25));
  }
  // Four the memo asked for, four the test asked in each round.
  EXPECT_EQ(inner.calls, 4 + 2 * 2);

  memo.Clear();
  EXPECT_EQ(memo.ReadGeneralDate("noon"), std::optional<double>(0.5));
  EXPECT_EQ(inner.calls, 9);
}

}  // namespace
}  // namespace tellux
