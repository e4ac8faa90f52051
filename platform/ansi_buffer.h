#pragma once
// The buffer contract of the Windows ANSI calls (GetLocaleInfoA,
// GetTimeFormatA), written once for every service that answers in their
// shape: with cch 0 the size needed, NUL included, is returned and nothing
// written; otherwise text and a NUL go into the first characters of *buffer
// and that count is returned. Failure value 0, buffer untouched: cch too
// small for the text and its NUL, no buffer, or a buffer shorter than that.

#include <string>
#include <string_view>

namespace tellux {

int WriteAnsiBuffer(std::string_view text, std::string* buffer, int cch);

}  // namespace tellux
