#pragma once
// Texts that registry, locale and time-format calls return end at their first
// NUL character.

#include <string>
#include <string_view>

namespace tellux::catalogue {

// The part of text before its first NUL character, or text unchanged when it
// holds none. Never fails, whatever the length.
std::string StripTerminator(std::string_view text);

}  // namespace tellux::catalogue
