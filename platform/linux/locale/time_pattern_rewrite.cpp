#include "platform/linux/locale/time_pattern_rewrite.h"

#include "platform/linux/locale/pattern_letters.h"

namespace tellux {
namespace {

bool IsHourLetter(char16_t c) { return c == u'h' || c == u'H' || c == u'k' || c == u'K'; }

}  // namespace

std::u16string ReadableTimePattern(std::u16string_view pattern) {
  // The first pattern letter outside quotes: if it is the hour, what stands
  // before it is words of the locale's, which would read as hour 0.
  bool quoted = false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == u'\'') {
      quoted = !quoted;
    } else if (!quoted && IsPatternLetter(pattern[i])) {
      if (IsHourLetter(pattern[i])) pattern.remove_prefix(i);
      break;
    }
  }

  std::u16string out;
  out.reserve(pattern.size());
  quoted = false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char16_t c = pattern[i];
    if (c == u'\'') {
      quoted = !quoted;  // '' inside or outside quotes toggles twice: a quote
      out += c;
    } else if (!quoted && (c == u'B' || c == u'b')) {
      // One "a" whatever the width: that is the form whose texts the PM
      // designator reports.
      while (i + 1 < pattern.size() && pattern[i + 1] == c) ++i;
      out += u'a';
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace tellux
