#include "platform/linux/locale/date_digits.h"

#include <unicode/fmtable.h>
#include <unicode/parsepos.h>
#include <unicode/uchar.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace tellux {
namespace {

// What ICU's reading passes over before a number: blanks, tabs and
// direction marks.
bool Ignorable(UChar32 c) {
  return c == u'\t' || u_charType(c) == U_SPACE_SEPARATOR || u_hasBinaryProperty(c, UCHAR_BIDI_CONTROL);
}

}  // namespace

DateDigits::DateDigits(const icu::DecimalFormatSymbols& symbols) {
  for (int i = 0; i < 10; ++i) {
    const auto symbol = i == 0 ? icu::DecimalFormatSymbols::kZeroDigitSymbol
                               : static_cast<icu::DecimalFormatSymbols::ENumberFormatSymbol>(
                                     icu::DecimalFormatSymbols::kOneDigitSymbol + i - 1);
    const icu::UnicodeString& digit = symbols.getConstSymbol(symbol);
    // A digit of more than one code point would be a broken locale: ASCII.
    digits_[i] = digit.countChar32() == 1 ? digit.char32At(0) : '0' + i;
  }
  minus_ = symbols.getConstSymbol(icu::DecimalFormatSymbols::kMinusSignSymbol);
}

DateDigits* DateDigits::clone() const { return new DateDigits(*this); }

bool DateDigits::operator==(const icu::Format& other) const {
  if (!icu::NumberFormat::operator==(other)) return false;
  const auto& that = static_cast<const DateDigits&>(other);  // same class, checked above
  for (int i = 0; i < 10; ++i) {
    if (digits_[i] != that.digits_[i]) return false;
  }
  return minus_ == that.minus_;
}

icu::UnicodeString& DateDigits::format(double number, icu::UnicodeString& appendTo,
                                       icu::FieldPosition& pos) const {
  if (!std::isfinite(number) || std::fabs(number) >= 9.2e18) return appendTo;
  return format(static_cast<int64_t>(number), appendTo, pos);
}

icu::UnicodeString& DateDigits::format(int32_t number, icu::UnicodeString& appendTo,
                                       icu::FieldPosition& pos) const {
  return format(static_cast<int64_t>(number), appendTo, pos);
}

icu::UnicodeString& DateDigits::format(int64_t number, icu::UnicodeString& appendTo,
                                       icu::FieldPosition& /*pos*/) const {
  // Unsigned, so the most negative number has a magnitude too.
  const auto bits = static_cast<std::uint64_t>(number);
  std::uint64_t magnitude = number < 0 ? 0 - bits : bits;
  int reversed[20];
  int count = 0;
  do {
    reversed[count++] = static_cast<int>(magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  // As a decimal format with these widths: the highest digits beyond the
  // most are cut ("24" for 2024 in a two-digit year), zeros pad to the least.
  const int most = getMaximumIntegerDigits();
  const int least = getMinimumIntegerDigits();
  const int shown = count < most ? count : most;
  if (number < 0) appendTo.append(minus_);
  for (int i = shown; i < least; ++i) appendTo.append(digits_[0]);
  for (int i = shown - 1; i >= 0; --i) appendTo.append(digits_[reversed[i]]);
  return appendTo;
}

void DateDigits::parse(const icu::UnicodeString& text, icu::Formattable& result,
                       icu::ParsePosition& position) const {
  const int32_t start = position.getIndex();
  int32_t at = start;
  while (at < text.length() && Ignorable(text.char32At(at))) at = text.moveIndex32(at, 1);

  // The locale's digits need not be decimal digits of Unicode (Chinese
  // numerals); any script's decimal digits are read too.
  const auto digitAt = [&](int32_t i) -> int {
    const UChar32 c = text.char32At(i);
    if (u_isdigit(c)) return u_charDigitValue(c);
    for (int d = 0; d < 10; ++d) {
      if (c == digits_[d]) return d;
    }
    return -1;
  };

  // A value too large for any field saturates; its digits are still taken.
  constexpr int64_t kCeiling = std::numeric_limits<int64_t>::max() / 10 - 9;
  int64_t value = 0;
  bool any = false;
  while (at < text.length()) {
    const int digit = digitAt(at);
    if (digit < 0) break;
    value = value > kCeiling ? std::numeric_limits<int64_t>::max() : value * 10 + digit;
    any = true;
    at = text.moveIndex32(at, 1);
  }
  if (!any) {
    position.setErrorIndex(start);
    return;
  }
  result.setInt64(value);
  position.setIndex(at);
}

UClassID DateDigits::getStaticClassID() {
  static char id = 0;
  return &id;
}

UClassID DateDigits::getDynamicClassID() const { return getStaticClassID(); }

}  // namespace tellux
