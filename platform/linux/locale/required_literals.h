#pragma once
// Which texts a date pattern can read at all: the literal characters strict
// reading needs, so that the general date form skips a pattern early. Part
// of the ICU-backed date services; only their .cpp and tests include this.

#include <unicode/unistr.h>

namespace tellux {

// The literal characters of a date pattern that strict reading needs in the
// text, in order: those before the pattern's last field that are not blanks
// (a blank in a pattern takes any white space). Quoted text counts as
// literal; a literal after the last field may be left off the text.
icu::UnicodeString ReadingLiterals(const icu::UnicodeString& pattern);

// Whether text holds the characters of literals in their order, others
// between them.
bool HoldsInOrder(const icu::UnicodeString& text, const icu::UnicodeString& literals);

}  // namespace tellux
