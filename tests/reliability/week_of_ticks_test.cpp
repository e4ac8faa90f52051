// A week of ticks (604,800) on the real locale services, with a clock that
// runs a minute per tick so the week crosses both daylight-saving changes
// and a new year: allocated memory does not grow after the first minute,
// every clock text and the caption stay valid times, typed panels stay as
// typed.

#include <gtest/gtest.h>
#include <malloc.h>

#include <cstddef>
#include <cstdio>
#include <string>

#include "tests/reliability/real_locale_services.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TELLUX_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TELLUX_ASAN 1
#endif
#ifdef TELLUX_ASAN
// From the sanitizer runtime; GCC ships no header declaring it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace tellux {
namespace {

using testing::MakeTime;
using testing::RealLocaleServices;

// ctest runs this with glibc's per-thread cache off (see CMakeLists.txt):
// the blocks it keeps count as allocated.
std::size_t AllocatedBytes() {
#ifdef TELLUX_ASAN
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

constexpr int kTicks = 604800;

TEST(WeekOfTicks, MemoryStaysFlatAndEveryTextStaysATime) {
  RealLocaleServices real("en_US");
  auto& clock = real.doubles.clock;
  clock.utc = MakeTime(2025, 1, 20, 23, 0, 0);
  clock.local = MakeTime(2025, 1, 21, 0, 0, 0);
  real.doubles.settings.Store("TimeZone1", "0");
  real.doubles.settings.Store("TimeZone2", "1");
  real.doubles.settings.Store("TimeZone3", "5");
  real.doubles.settings.Store("TimeZone4", "-1");
  real.doubles.settings.Store("Selection", "2");
  frmTime form(real.services());
  form.Form_Load();
  form.Timer1.Fire();
  form.RaiseUserEvent([&] { form.Text2.UserEdit("7:15 AM"); });
  form.RaiseUserEvent([&] { form.Text3.UserEdit("not a time"); });
  const auto typed = form.PanelTime;
  const std::string typedTexts = form.Text0.Text() + "|" + form.Text1.Text() + "|" + form.Text2.Text() + "|" + form.Text3.Text();

  std::size_t atMinuteOne = 0;
  std::size_t highest = 0;
  int invalid = 0;
  const auto readsAsTime = [&](const std::string& t) {
    const auto v = real.icuDates.ReadGeneralDate(t);
    return v.has_value() && *v >= 0 && *v < 1;
  };
  for (int tick = 1; tick <= kTicks; ++tick) {
    clock.Advance(60);
    form.Timer1.Fire();
    if (tick == 60) atMinuteOne = AllocatedBytes();
    if (tick > 60 && tick % 3600 == 0) highest = std::max(highest, AllocatedBytes());
    // Checking every text of every tick would double the run; every 97th
    // tick walks through all minutes of the day over the week.
    if (tick % 97 == 0 || tick < 1500) {
      for (const TextBox& box : form.txtTime) invalid += readsAsTime(box.Text()) ? 0 : 1;
      invalid += readsAsTime(form.txtLocTime.Text()) ? 0 : 1;
      invalid += readsAsTime(form.txtSysTime.Text()) ? 0 : 1;
      const std::string& caption = form.Caption();
      const std::string expected = form.txtTime[1].Text() + " ";
      invalid += caption.compare(0, expected.size(), expected) == 0 ? 0 : 1;
    }
  }
  const std::size_t atDaySeven = AllocatedBytes();
  std::printf("allocated: %zu bytes at minute 1, %zu at day 7, at most %zu in between\n", atMinuteOne,
              atDaySeven, highest);
  EXPECT_EQ(invalid, 0);
  EXPECT_LE(atDaySeven, atMinuteOne);
  EXPECT_LE(highest, atMinuteOne);
  EXPECT_EQ(form.PanelTime, typed);
  EXPECT_EQ(form.Text0.Text() + "|" + form.Text1.Text() + "|" + form.Text2.Text() + "|" + form.Text3.Text(),
            typedTexts);
  EXPECT_EQ(clock.utc.wYear, 2026);  // the run crossed a new year and both changes of 2025
  EXPECT_TRUE(real.doubles.messages.texts.empty());
}

}  // namespace
}  // namespace tellux
