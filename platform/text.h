#pragma once
// Character-based text operations on UTF-8 texts. Positions are 1-based and
// count characters (code points), 0 means not found; comparisons are exact.
// A malformed byte counts as one character, so no input can make these fail.

#include <string>
#include <string_view>

namespace tellux::text {

// Number of characters in s.
long long Len(std::string_view s);

// Position of the first occurrence of find in s at or after character
// position start (start >= 1). 0 when there is none or s is empty; start
// itself when find is empty and start lies within s.
long long InStr(long long start, std::string_view s, std::string_view find);

// The first n characters of s (all of s when n exceeds its length; n >= 0).
std::string Left(std::string_view s, long long n);

// s from character position start (>= 1) to its end; empty past the end.
std::string Mid(std::string_view s, long long start);

// The first character of s, or empty.
std::string FirstChar(std::string_view s);

// The part of s before its first NUL character, or s when it holds none:
// texts the registry, the locale and the time format return are cut with it.
std::string StripTerminator(std::string_view s);

// Byte-wise comparisons that take ASCII letters without case, as registry
// and settings names compare; every other byte compares exactly.
bool EqualNoCase(std::string_view a, std::string_view b);
bool LessNoCase(std::string_view a, std::string_view b);

// s without the leading and trailing bytes that blanks lists; empty when it
// holds nothing else.
std::string_view Trim(std::string_view s, std::string_view blanks);

}  // namespace tellux::text

namespace tellux::text {

// A NUL-padded UTF-16 name (as in TIME_ZONE_INFORMATION) up to its first NUL,
// as UTF-8. Unpaired surrogates become U+FFFD.
std::string FromUtf16(std::u16string_view s);

// UTF-8 text as UTF-16, for the same records. Malformed bytes become U+FFFD.
std::u16string ToUtf16(std::string_view s);

}  // namespace tellux::text
