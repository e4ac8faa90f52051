#pragma once
// ICU's date pattern syntax, as every scanner of patterns here reads it:
// outside quotes each ASCII letter is a field letter (reserved ones too) and
// anything else is literal text.

namespace tellux {

constexpr bool IsPatternLetter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

}  // namespace tellux
