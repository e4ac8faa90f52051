#include "platform/time_picture.h"

#include <cstddef>

namespace tellux {
namespace {

// Length of a blank (space, tab, U+00A0, U+202F) at text[i], or 0.
std::size_t BlankAt(std::string_view text, std::size_t i) {
  if (i >= text.size()) return 0;
  if (text[i] == ' ' || text[i] == '\t') return 1;
  if (text.substr(i, 2) == "\xC2\xA0") return 2;
  if (text.substr(i, 3) == "\xE2\x80\xAF") return 3;
  return 0;
}

std::size_t SkipBlanks(std::string_view text, std::size_t i) {
  while (std::size_t n = BlankAt(text, i)) i += n;
  return i;
}

// One or two ASCII digits at text[i]; -1 when there is none.
int ReadTwoDigits(std::string_view text, std::size_t& i) {
  int value = -1;
  for (int k = 0; k < 2 && i < text.size() && text[i] >= '0' && text[i] <= '9'; ++k, ++i) {
    value = (value < 0 ? 0 : value * 10) + (text[i] - '0');
  }
  return value;
}

}  // namespace

bool PictureHasDayPeriod(std::string_view picture) {
  bool quoted = false;
  for (char c : picture) {
    if (c == '\'') quoted = !quoted;
    if (!quoted && c == 't') return true;
  }
  return false;
}

std::optional<double> ReadTimePicture(std::string_view text, std::string_view picture,
                                      const std::string& am, const std::string& pm) {
  int hour12 = -1, hour24 = -1, minute = -1, second = 0;
  int period = -1;  // 0 am, 1 pm
  std::size_t i = SkipBlanks(text, 0);
  for (std::size_t p = 0; p < picture.size();) {
    const char c = picture[p];
    std::size_t run = 1;
    while (p + run < picture.size() && picture[p + run] == c) ++run;
    if (c == '\'') {
      const std::size_t close = picture.find('\'', p + 1);
      const std::string_view literal =
          picture.substr(p + 1, close == std::string_view::npos ? std::string_view::npos : close - p - 1);
      // A quoted literal's blanks are blanks like any other.
      for (std::size_t k = 0; k < literal.size();) {
        if (std::size_t n = BlankAt(literal, k)) {
          i = SkipBlanks(text, i);
          k += n;
        } else if (i < text.size() && text[i] == literal[k]) {
          ++i, ++k;
        } else {
          return std::nullopt;
        }
      }
      p = close == std::string_view::npos ? picture.size() : close + 1;
      continue;
    }
    if (c == 'h' || c == 'H' || c == 'm' || c == 's') {
      const int value = ReadTwoDigits(text, i);
      if (value < 0) return std::nullopt;
      (c == 'h' ? hour12 : c == 'H' ? hour24 : c == 'm' ? minute : second) = value;
    } else if (c == 't') {
      int found = -1;
      std::size_t longest = 0;
      for (int k = 0; k < 2; ++k) {
        const std::string& full = k == 0 ? am : pm;
        const std::string_view d = run >= 2 ? std::string_view(full) : std::string_view(full).substr(0, 1);
        if (!d.empty() && d.size() > longest && text.substr(i, d.size()) == d) found = k, longest = d.size();
      }
      if (found < 0) return std::nullopt;
      period = found;
      i += longest;
    } else if (BlankAt(picture, p) != 0) {
      i = SkipBlanks(text, i);
      p += BlankAt(picture, p);
      continue;
    } else {
      // Other characters stand for themselves, each one of the run.
      for (std::size_t k = 0; k < run; ++k, ++i) {
        if (i >= text.size() || text[i] != c) return std::nullopt;
      }
    }
    p += run;
  }
  if (SkipBlanks(text, i) != text.size()) return std::nullopt;
  int hour = hour24;
  if (hour12 >= 0) {
    if (hour12 < 1 || hour12 > 12 || period < 0) return std::nullopt;
    hour = hour12 % 12 + (period == 1 ? 12 : 0);
  }
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second > 59) return std::nullopt;
  return (hour * 3600 + minute * 60 + second) / 86400.0;
}

}  // namespace tellux
