#pragma once
// ICU time pattern rewriting, so that every time the program writes reads
// back by the panels' rule (separator, hour before it, one AM and one PM
// designator), as the Windows calls write them:
// - flexible day periods ("B", "b": "清晨", "凌晨", "晚上", "noon") become
//   the plain AM/PM field "a";
// - words before an hour that opens the pattern ("ཆུ་ཚོད་h:mm:ss a") are
//   left out.

#include <string>
#include <string_view>

namespace tellux {

// pattern with each run of unquoted B or b letters replaced by one "a", and
// the literal text before a leading hour field removed; quoted text and
// everything else unchanged.
std::u16string ReadableTimePattern(std::u16string_view pattern);

}  // namespace tellux
