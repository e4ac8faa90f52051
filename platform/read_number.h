#pragma once
// Reading a text as a number, independent of the locale ("." is the decimal
// point).

#include <optional>
#include <string>
#include <string_view>

namespace tellux {

// Reads the number at the start of text: blanks, tabs and line feeds are
// ignored wherever they stand; then an optional sign, digits, an optional "."
// with a fraction and an optional exponent (E or D, with sign). Reading stops
// at the first other character; a text that starts with no number reads as 0.
// Overflow run-time error when the number is too large for a double.
double Val(std::string_view text);

// text with every Unicode decimal digit (Arabic-Indic, Devanagari, fullwidth,
// ...) written as the ASCII digit of the same value; everything else,
// malformed bytes included, is copied as it stands. Digits of other scripts
// come from locales that write their times in them and from native keyboards.
std::string WithAsciiDigits(std::string_view text);

// The whole text, less blanks around it, read as a number in the same form;
// nullopt when it is empty, holds anything else, or is too large.
std::optional<double> ParseNumber(std::string_view text);

}  // namespace tellux
