#pragma once
// The numbers inside dates and times, for the general date form's ICU
// format: written in the locale's own digits, padded and cut to the field's
// width; read as a run of decimal digits of any script, after any blanks or
// direction marks, as ICU reads them. ICU's own number format also reads
// signs, exponents, "NaN" and infinity, none of which a date field holds;
// its first reading builds character tables (about a millisecond) and each
// later one copies the format. Part of the ICU-backed date services; only
// their .cpp and tests include this.
//
// Whole numbers only: a fraction written is dropped. Reading fails (error
// index at the start, index unmoved) where no digit follows.

#include <unicode/dcfmtsym.h>
#include <unicode/numfmt.h>

namespace tellux {

class DateDigits final : public icu::NumberFormat {
 public:
  // The digits and minus sign of symbols, the locale's numbering system.
  explicit DateDigits(const icu::DecimalFormatSymbols& symbols);

  DateDigits* clone() const override;
  bool operator==(const icu::Format& other) const override;

  using icu::NumberFormat::format;
  icu::UnicodeString& format(double number, icu::UnicodeString& appendTo,
                             icu::FieldPosition& pos) const override;
  icu::UnicodeString& format(int32_t number, icu::UnicodeString& appendTo,
                             icu::FieldPosition& pos) const override;
  icu::UnicodeString& format(int64_t number, icu::UnicodeString& appendTo,
                             icu::FieldPosition& pos) const override;

  using icu::NumberFormat::parse;
  void parse(const icu::UnicodeString& text, icu::Formattable& result,
             icu::ParsePosition& position) const override;

  static UClassID getStaticClassID();
  UClassID getDynamicClassID() const override;

 private:
  // Each one code point, as in every numbering system of ICU's data; kept
  // plain because the date format copies this format for every field it
  // writes.
  UChar32 digits_[10] = {};
  icu::UnicodeString minus_;
};

}  // namespace tellux
