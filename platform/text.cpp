#include "platform/text.h"

#include <algorithm>
#include <cstddef>

#include "platform/run_time_error.h"

namespace tellux::text {
namespace {

// Byte length of the UTF-8 sequence starting with lead; 1 for anything that
// cannot start a well-formed sequence.
std::size_t SequenceLength(std::string_view s, std::size_t i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  std::size_t n = 1;
  if (lead >= 0xC2 && lead <= 0xDF) n = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) n = 3;
  else if (lead >= 0xF0 && lead <= 0xF4) n = 4;
  if (i + n > s.size()) return 1;
  for (std::size_t k = 1; k < n; ++k) {
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
  }
  return n;
}

// Byte offset of character position pos (1-based); s.size() past the end.
std::size_t ByteOffset(std::string_view s, long long pos) {
  std::size_t i = 0;
  for (long long c = 1; c < pos && i < s.size(); ++c) i += SequenceLength(s, i);
  return i;
}

}  // namespace

long long Len(std::string_view s) {
  long long n = 0;
  for (std::size_t i = 0; i < s.size(); i += SequenceLength(s, i)) ++n;
  return n;
}

long long InStr(long long start, std::string_view s, std::string_view find) {
  if (start < 1) throw RunTimeError::InvalidProcedureCall();
  if (s.empty()) return 0;
  long long pos = 1;
  std::size_t i = 0;
  while (pos < start && i < s.size()) {
    i += SequenceLength(s, i);
    ++pos;
  }
  if (i >= s.size()) return 0;
  if (find.empty()) return start;
  for (; i < s.size(); i += SequenceLength(s, i), ++pos) {
    if (s.substr(i, find.size()) == find) return pos;
  }
  return 0;
}

std::string Left(std::string_view s, long long n) {
  if (n < 0) throw RunTimeError::InvalidProcedureCall();
  return std::string(s.substr(0, ByteOffset(s, n + 1)));
}

std::string Mid(std::string_view s, long long start) {
  if (start < 1) throw RunTimeError::InvalidProcedureCall();
  return std::string(s.substr(ByteOffset(s, start)));
}

std::string FirstChar(std::string_view s) {
  if (s.empty()) return {};
  return std::string(s.substr(0, SequenceLength(s, 0)));
}

std::string StripTerminator(std::string_view s) {
  const auto nul = s.find('\0');
  return std::string(nul == std::string_view::npos ? s : s.substr(0, nul));
}

namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a == b) return true;  // the usual case, at memcmp's speed
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

bool LessNoCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return AsciiLower(x) < AsciiLower(y); });
}

std::string_view Trim(std::string_view s, std::string_view blanks) {
  const auto first = s.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

}  // namespace tellux::text

namespace tellux::text {
namespace {

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string FromUtf16(std::u16string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size() && s[i] != 0; ++i) {
    char32_t c = s[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    AppendUtf8(out, c);
  }
  return out;
}

std::u16string ToUtf16(std::string_view s) {
  std::u16string out;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = SequenceLength(s, i);
    const auto lead = static_cast<unsigned char>(s[i]);
    char32_t c = 0xFFFD;
    if (n == 1 && lead < 0x80) {
      c = lead;
    } else if (n > 1) {
      c = lead & (0xFF >> (n + 1));
      for (std::size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    }
    if (c >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
    i += n;
  }
  return out;
}

}  // namespace tellux::text
