#include "platform/linux/locale/seconds_splice.h"

#include "platform/linux/locale/pattern_letters.h"

namespace tellux {
namespace {

bool InRange(int hour, int minute, int second) {
  return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
}

}  // namespace

bool SecondsSplice::Joins(std::u16string_view pattern) {
  int secondRuns = 0;
  bool quoted = false;
  char16_t previous = 0;  // the letter before, outside quotes; 0 after anything else
  for (const char16_t c : pattern) {
    // '' is a quote character, inside quotes or out; either way it only
    // toggles twice, which leaves the state as it was.
    if (c == u'\'') {
      quoted = !quoted;
      previous = 0;
      continue;
    }
    if (quoted || !IsPatternLetter(c)) {
      previous = 0;
      continue;
    }
    if (std::u16string_view(u"hHkKmas").find(c) == std::u16string_view::npos) return false;
    if (c == u's' && previous != u's') ++secondRuns;
    previous = c;
  }
  return !quoted && secondRuns == 1;
}

const SecondsSplice::Minute* SecondsSplice::FindMinute(int hour, int minute) const {
  if (!InRange(hour, minute, 0)) return nullptr;
  const int key = hour * 60 + minute;
  for (const Minute& m : minutes_) {
    if (m.key == key) return &m;
  }
  return nullptr;
}

bool SecondsSplice::HasMinute(int hour, int minute) const {
  return FindMinute(hour, minute) != nullptr;
}

bool SecondsSplice::HasSecond(int second) const {
  return second >= 0 && second < 60 && knownSeconds_[static_cast<std::size_t>(second)];
}

bool SecondsSplice::Find(int hour, int minute, int second, std::string* text) const {
  const Minute* m = FindMinute(hour, minute);
  if (m == nullptr || !HasSecond(second)) return false;
  const std::string& s = seconds_[static_cast<std::size_t>(second)];
  text->clear();
  text->reserve(m->before.size() + s.size() + m->after.size());
  text->append(m->before).append(s).append(m->after);
  return true;
}

void SecondsSplice::Remember(int hour, int minute, int second, std::string_view before,
                             std::string_view seconds, std::string_view after) {
  if (!InRange(hour, minute, second)) return;
  const auto s = static_cast<std::size_t>(second);
  seconds_[s] = seconds;
  knownSeconds_[s] = true;
  if (HasMinute(hour, minute)) return;
  Minute& m = minutes_[nextMinute_];
  nextMinute_ = (nextMinute_ + 1) % minutes_.size();
  m.key = hour * 60 + minute;
  m.before = before;
  m.after = after;
}

}  // namespace tellux
