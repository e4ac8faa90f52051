#include "platform/linux/locale/required_literals.h"

#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include "platform/linux/locale/pattern_letters.h"

namespace tellux {
namespace {

bool IsPatternBlank(UChar c) {
  return u_isUWhiteSpace(c) || (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0x200E ||
         c == 0x200F || c == 0x2028 || c == 0x2029;
}

}  // namespace

template <class IcuString>
IcuString ReadingLiterals(const IcuString& pattern) {
  IcuString literals;
  int32_t beforeLastField = 0;  // literals' length up to the last field seen
  bool quoted = false;
  for (int32_t i = 0; i < pattern.length(); ++i) {
    const UChar c = pattern.charAt(i);
    if (c == u'\'') {
      if (i + 1 < pattern.length() && pattern.charAt(i + 1) == u'\'') {
        literals.append(c);  // '' is a quote, in quoted text or not
        ++i;
      } else {
        quoted = !quoted;
      }
    } else if (!quoted && IsPatternLetter(c)) {
      beforeLastField = literals.length();
    } else if (!IsPatternBlank(c)) {
      literals.append(c);
    }
  }
  literals.truncate(beforeLastField);
  return literals;
}

template <class IcuString>
bool HoldsInOrder(const IcuString& text, const std::type_identity_t<IcuString>& literals) {
  int32_t from = 0;
  for (int32_t k = 0; k < literals.length(); ++k) {
    const int32_t at = text.indexOf(literals.charAt(k), from);
    if (at < 0) return false;
    from = at + 1;
  }
  return true;
}

template icu::UnicodeString ReadingLiterals(const icu::UnicodeString& pattern);
template bool HoldsInOrder<icu::UnicodeString>(const icu::UnicodeString& text,
                                               const icu::UnicodeString& literals);

}  // namespace tellux
