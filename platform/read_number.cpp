#include "platform/read_number.h"

#include <charconv>
#include <cmath>
#include <string>

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

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

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
