#include "platform/read_number.h"

#include <charconv>
#include <cmath>
#include <string>
#include <utility>

#include "platform/run_time_error.h"

namespace tellux {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Copies the longest prefix of s that has the number's form into out, in the
// form from_chars takes (no "+", exponent marker "e"). Returns the count of
// characters of s consumed.
std::size_t ScanNumber(std::string_view s, std::string& out) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') out += '-';
    ++i;
  }
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) out += s[i++], ++digits;
  if (i < s.size() && s[i] == '.') {
    std::size_t j = i + 1;
    std::string frac;
    while (j < s.size() && IsDigit(s[j])) frac += s[j++];
    if (digits > 0 || !frac.empty()) {
      out += '.';
      out += frac;
      digits += frac.size();
      i = j;
    }
  }
  if (digits == 0) {
    out.clear();
    return 0;
  }
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    std::size_t j = i + 1;
    std::string exp = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
      if (s[j] == '-') exp += '-';
      ++j;
    }
    const std::size_t first = j;
    while (j < s.size() && IsDigit(s[j])) exp += s[j++];
    if (j > first) {
      out += exp;
      i = j;
    }
  }
  return i;
}

// Parses what ScanNumber produced; nullopt when it is out of range.
std::optional<double> Convert(const std::string& number) {
  double value = 0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // Underflow to zero is harmless; only a too-large magnitude fails.
    const auto e = number.find('e');
    if (e != std::string::npos && number.find('-', e) != std::string::npos) return 0.0;
    return std::nullopt;
  }
  if (ec != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

// The zero of every run of ten decimal digits in Unicode 15 (general
// category Nd); each run holds the values 0 to 9 in order.
constexpr char32_t kDigitZeros[] = {
    0x30,    0x660,   0x6F0,   0x7C0,   0x966,   0x9E6,   0xA66,   0xAE6,   0xB66,   0xBE6,
    0xC66,   0xCE6,   0xD66,   0xDE6,   0xE50,   0xED0,   0xF20,   0x1040,  0x1090,  0x17E0,
    0x1810,  0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,
    0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066,
    0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0,
    0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x11F50, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8,
    0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E4F0, 0x1E950, 0x1FBF0};

// The value of c as a decimal digit, or -1.
int DigitValue(char32_t c) {
  for (char32_t zero : kDigitZeros) {
    if (c >= zero && c < zero + 10) return static_cast<int>(c - zero);
  }
  return -1;
}

// The code point of the well-formed UTF-8 sequence at s[i] and its length;
// length 0 when the bytes there are not one.
std::pair<char32_t, std::size_t> Decode(std::string_view s, std::size_t i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  std::size_t n = 0;
  char32_t c = 0;
  if (lead >= 0xC2 && lead <= 0xDF) n = 2, c = lead & 0x1F;
  else if (lead >= 0xE0 && lead <= 0xEF) n = 3, c = lead & 0x0F;
  else if (lead >= 0xF0 && lead <= 0xF4) n = 4, c = lead & 0x07;
  if (n == 0 || i + n > s.size()) return {0, 0};
  for (std::size_t k = 1; k < n; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return {0, 0};
    c = (c << 6) | (b & 0x3F);
  }
  // Overlong forms are malformed: a three-byte "0" is not a digit.
  if ((n == 3 && c < 0x800) || (n == 4 && (c < 0x10000 || c > 0x10FFFF))) return {0, 0};
  return {c, n};
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

std::string WithAsciiDigits(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      out += text[i++];
      continue;
    }
    const auto [c, n] = Decode(text, i);
    const int digit = n > 0 ? DigitValue(c) : -1;
    if (digit >= 0) {
      out += static_cast<char>('0' + digit);
    } else {
      out.append(text.substr(i, n > 0 ? n : 1));
    }
    i += n > 0 ? n : 1;
  }
  return out;
}

double Val(std::string_view text) {
  std::string packed;
  packed.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') packed += c;
  }
  std::string number;
  if (ScanNumber(packed, number) == 0) return 0.0;
  const auto value = Convert(number);
  if (!value) throw RunTimeError::Overflow();
  return *value;
}

std::optional<double> ParseNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  std::string number;
  if (text.empty() || ScanNumber(text, number) != text.size()) return std::nullopt;
  return Convert(number);
}

}  // namespace tellux
