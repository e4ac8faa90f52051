#pragma once
// A Locale that remembers the time texts another Locale wrote: the clock asks
// for the same instants in several boxes, so a repeated call is answered
// from memory. Locale texts pass straight through. A remembered answer is
// keyed by every argument the answer depends on (locale, flags, format text,
// every field of the time, the buffer's offered and real sizes), so a hit
// writes exactly what the inner call wrote and returns the same count. At
// most `capacity` answers are kept; when full, the memory starts afresh.
// Clear() whenever the inner Locale's data changes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "platform/locale.h"

namespace tellux {

class MemoLocale final : public Locale {
 public:
  // inner must outlive this.
  explicit MemoLocale(Locale& inner, std::size_t capacity = 64);

  int GetLocaleInfoA(std::uint32_t locale, std::uint32_t lcType, std::string* lcData,
                     int cchData) override;
  int GetTimeFormatA(std::uint32_t locale, std::uint32_t flags, const SYSTEMTIME* time,
                     const char* format, std::string* timeStr, int cchTime) override;

  void Clear();
  std::size_t Size() const { return answers_.size(); }

 private:
  struct Answer {
    int result = 0;
    std::string written;  // the characters the call wrote from the start of the buffer
  };

  Locale& inner_;
  std::size_t capacity_;
  std::unordered_map<std::string, Answer> answers_;
  std::string key_;  // reused: no allocation for a key on a hit
};

}  // namespace tellux
