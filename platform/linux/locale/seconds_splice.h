#pragma once
// The clock writes two times with seconds every second, and within a minute
// only their seconds change. A time pattern whose fields are only hours,
// minutes, one seconds field and the AM/PM designator writes the same text
// around its seconds for a whole minute, and the same seconds text in every
// minute: SecondsSplice remembers both parts from full formats and joins
// them, so a steady clock formats in full once a minute. It holds text only;
// the caller formats, so ICU stays out of it. One splice serves one format.

#include <array>
#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>

namespace tellux {

class SecondsSplice {
 public:
  // Whether pattern (ICU's date pattern syntax, UTF-16) writes texts the
  // splice may join: unquoted letters only from h H k K m a, and exactly one
  // run of s. Anything else (a zone, fractions of a second, the flexible day
  // periods, whose noon depends on the seconds) is formatted every time.
  static bool Joins(std::u16string_view pattern);

  // hour:minute:second (0-23, 0-59, 0-59) as the format wrote it, joined from
  // remembered parts into *text; false, *text untouched, when a part is not
  // remembered yet or a field is out of range.
  bool Find(int hour, int minute, int second, std::string* text) const;

  // Whether the text around the seconds of hour:minute, and the seconds
  // text of second, are remembered.
  bool HasMinute(int hour, int minute) const;
  bool HasSecond(int second) const;

  // A full format of hour:minute:second, cut around its seconds field.
  void Remember(int hour, int minute, int second, std::string_view before, std::string_view seconds,
                std::string_view after);

 private:
  struct Minute {
    int key = -1;  // hour * 60 + minute; -1: empty
    std::string before;
    std::string after;
  };

  const Minute* FindMinute(int hour, int minute) const;

  // The machine's clock and UTC take turns, each in its own minute: a few
  // minutes kept, the oldest replaced.
  std::array<Minute, 4> minutes_;
  std::size_t nextMinute_ = 0;
  std::array<std::string, 60> seconds_;
  std::bitset<60> knownSeconds_;
};

}  // namespace tellux
