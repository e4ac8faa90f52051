#pragma once
// Reading a time of day written in a Windows time picture ("tt h:mm:ss",
// "HH' h 'mm' min 'ss' s'"): h and hh for the 12-hour clock, H and HH for
// the 24-hour clock, m and mm, s and ss, t (first character of the day
// period) and tt (all of it), quoted literal text, other characters as they
// stand. Texts are UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace tellux {

// Whether picture writes a day period (an unquoted t).
bool PictureHasDayPeriod(std::string_view picture);

// The time of day of text as a fraction of a day, when text is written in
// picture: each number one or two digits in range, each literal as in the
// picture, blanks in the picture matching any blanks (or none) in the text,
// blanks around the text ignored. The day period is am or pm, matched
// exactly; a 12-hour time needs one. nullopt when text is not such a time.
std::optional<double> ReadTimePicture(std::string_view text, std::string_view picture,
                                      const std::string& am, const std::string& pm);

}  // namespace tellux
