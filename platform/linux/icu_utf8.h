#pragma once
// ICU's UTF-16 strings as the program's UTF-8, for the ICU-backed services.
// A template over the string type, so this header needs no ICU header and
// keeps ICU out of whatever includes it. Unpaired surrogates become U+FFFD.

#include <string>

namespace tellux {

template <class IcuString>
std::string Utf8(const IcuString& s) {
  std::string out;
  s.toUTF8String(out);
  return out;
}

}  // namespace tellux
