#pragma once
// Zone names as the machine's zone record holds them: at most 31 UTF-16
// code units followed by NUL padding (TIME_ZONE_INFORMATION.StandardName).
// Texts are UTF-8; malformed bytes count as U+FFFD. Never fails.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tellux::zoneinfo {

inline constexpr std::size_t kRecordNameUnits = 31;

// Length of name in UTF-16 code units.
std::size_t Utf16Length(std::string_view name);

// name cut to at most 31 UTF-16 units, never inside a surrogate pair.
std::string FitRecordName(std::string_view name);

// name, cut as FitRecordName does, written into field and NUL-padded.
void CopyRecordName(std::string_view name, std::array<char16_t, 32>& field);

}  // namespace tellux::zoneinfo
