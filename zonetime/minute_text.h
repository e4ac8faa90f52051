#pragma once
// A clock row's text kept for its minute. The clock renders each row's time
// every second, but a row shows the time without its seconds, so within a
// minute the text stays the same: it is rendered at the minute's first tick
// and reused until the minute (or any other field but the seconds) or the
// time separator changes. Kept only when the same minute with other seconds
// renders the same, so a locale whose row text would show the seconds is
// still rendered every time.

#include <cstdint>
#include <string>

#include "platform/win_types.h"

namespace tellux::zonetime {

class MinuteText {
 public:
  // The text render(time) gives, from memory when time lies in the minute
  // kept and separator is the one it was rendered with.
  template <class Render>
  std::string Get(const SYSTEMTIME& time, const std::string& separator, Render&& render) {
    if (kept_ && SameMinute(time, key_) && separator == separator_) return text_;
    std::string text = render(time);
    SYSTEMTIME other = time;
    other.wSecond = static_cast<std::uint16_t>((time.wSecond % 60 + 30) % 60);
    other.wMilliseconds = 0;
    kept_ = render(other) == text;
    if (kept_) {
      key_ = time;
      separator_ = separator;
      text_ = text;
    }
    return text;
  }

  // Whether a and b differ at most in their seconds and milliseconds.
  static bool SameMinute(const SYSTEMTIME& a, const SYSTEMTIME& b);

 private:
  bool kept_ = false;
  SYSTEMTIME key_{};
  std::string separator_;
  std::string text_;
};

}  // namespace tellux::zonetime
