#pragma once
// Which texts a date pattern can read at all: the literal characters strict
// reading needs, so that the general date form skips a pattern early. Part
// of the ICU-backed date services; only their .cpp and tests include this.
// Templates over ICU's string type, as icu_utf8.h is, so that this header
// needs no ICU header; required_literals.cpp makes them for
// icu::UnicodeString, the one type they take.

#include <type_traits>

namespace tellux {

// The literal characters of a date pattern that strict reading needs in the
// text, in order: those before the pattern's last field that are not blanks
// (a blank in a pattern takes any white space). Quoted text counts as
// literal; a literal after the last field may be left off the text.
template <class IcuString>
IcuString ReadingLiterals(const IcuString& pattern);

// Whether text holds the characters of literals in their order, others
// between them.
template <class IcuString>
bool HoldsInOrder(const IcuString& text, const std::type_identity_t<IcuString>& literals);

}  // namespace tellux
