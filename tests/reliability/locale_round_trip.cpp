#include "tests/reliability/locale_round_trip.h"

#include <array>

#include "zonetime/calc_time.h"

namespace tellux::testing {
namespace {

int MinuteOfDay(const SYSTEMTIME& t) { return t.wHour * 60 + t.wMinute; }

std::string Clock(int minuteOfDay) {
  const int h = minuteOfDay / 60, m = minuteOfDay % 60;
  return std::to_string(h) + ":" + (m < 10 ? "0" : "") + std::to_string(m);
}

class Panels {
 public:
  explicit Panels(frmTime& form) : form_(form) {
    for (std::size_t j = 0; j < 4; ++j) {
      offset_[j] = (MinuteOfDay(form.PanelTime[j]) - MinuteOfDay(form.PanelTime[0]) + 1440) % 1440;
    }
  }

  // Empty when panel i holds minuteOfDay and the others the same instant.
  std::string Holds(int i, int minuteOfDay, const std::string& doing) const {
    const int shown = MinuteOfDay(form_.PanelTime[static_cast<std::size_t>(i)]);
    if (shown != minuteOfDay) {
      return doing + ": panel " + std::to_string(i) + " holds " + Clock(shown) + ", not " +
             Clock(minuteOfDay) + " (\"" + form_.PanelBox(i).Text() + "\")";
    }
    const int base = (minuteOfDay - offset_[static_cast<std::size_t>(i)] + 1440) % 1440;
    for (std::size_t j = 0; j < 4; ++j) {
      if (MinuteOfDay(form_.PanelTime[j]) != (base + offset_[j]) % 1440) {
        return doing + ": panel " + std::to_string(j) + " no longer shows the same instant";
      }
    }
    return {};
  }

 private:
  frmTime& form_;
  std::array<int, 4> offset_{};
};

SYSTEMTIME At(const SYSTEMTIME& date, int hour, int minute, int second) {
  SYSTEMTIME t = date;
  t.wHour = static_cast<std::uint16_t>(hour);
  t.wMinute = static_cast<std::uint16_t>(minute);
  t.wSecond = static_cast<std::uint16_t>(second);
  return t;
}

}  // namespace

std::string LocaleRoundTrip(frmTime& form, Locale& locale) {
  const Panels panels(form);
  std::string wrong;
  auto check = [&](std::string found) {
    if (wrong.empty()) wrong = std::move(found);
    return wrong.empty();
  };

  // The first tick's texts, typed back and left: nothing moves.
  for (int i = 0; i < 4; ++i) {
    const int seeded = MinuteOfDay(form.PanelTime[static_cast<std::size_t>(i)]);
    TextBox& box = form.PanelBox(i);
    const std::string name = "panel " + std::to_string(i) + "'s seeded text";
    form.RaiseUserEvent([&] { box.UserEdit(box.Text()); });
    if (!check(panels.Holds(i, seeded, name + " typed back"))) return wrong;
    form.RaiseUserEvent([&] { box.UserLeave(); });
    if (!check(panels.Holds(i, seeded, name + " left"))) return wrong;
  }

  // Every hour as the locale writes it, with seconds: typed in, left, and
  // stepped an hour up and down. The text the box is left with must not
  // depend on the seconds.
  TextBox& box = form.Text1;
  SpinControl& spin = form.UpDown[1];
  const SYSTEMTIME date = form.PanelTime[1];
  for (int hour = 0; hour < 24; ++hour) {
    const int meant = hour * 60 + 47;
    const std::string at = "hour " + std::to_string(hour);
    const std::string noSeconds = zonetime::FormatSystemTime(locale, At(date, hour, 47, 0));
    const std::string seconds = zonetime::FormatSystemTime(locale, At(date, hour, 47, 59));
    form.RaiseUserEvent([&] { box.UserEdit(noSeconds); });
    if (!check(panels.Holds(1, meant, at + " typed as \"" + noSeconds + "\""))) return wrong;
    form.RaiseUserEvent([&] { box.UserLeave(); });
    const std::string leftWithout = box.Text();
    form.RaiseUserEvent([&] { box.UserEdit(seconds); });
    if (!check(panels.Holds(1, meant, at + " typed as \"" + seconds + "\""))) return wrong;
    form.RaiseUserEvent([&] { box.UserLeave(); });
    if (!check(panels.Holds(1, meant, at + " left"))) return wrong;
    if (box.Text() != leftWithout) {
      return at + ": leaving \"" + seconds + "\" shows \"" + box.Text() + "\", with \"" + noSeconds +
             "\" \"" + leftWithout + "\"";
    }
    form.RaiseUserEvent([&] { spin.UserUp(); });
    if (!check(panels.Holds(1, (meant + 60) % 1440, at + " stepped up"))) return wrong;
    form.RaiseUserEvent([&] { spin.UserDown(); });
    if (!check(panels.Holds(1, meant, at + " stepped back down"))) return wrong;
  }
  return wrong;
}

}  // namespace tellux::testing
