#include "platform/linux/locale/memo_locale.h"

#include <algorithm>
#include <cstring>

namespace tellux {
namespace {

template <class T>
void Append(std::string& key, T value) {
  char bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));
  key.append(bytes, sizeof(T));
}

}  // namespace

MemoLocale::MemoLocale(Locale& inner, std::size_t capacity)
    : inner_(inner), capacity_(std::max<std::size_t>(capacity, 1)) {}

int MemoLocale::GetLocaleInfoA(std::uint32_t locale, std::uint32_t lcType, std::string* lcData,
                               int cchData) {
  return inner_.GetLocaleInfoA(locale, lcType, lcData, cchData);
}

int MemoLocale::GetTimeFormatA(std::uint32_t locale, std::uint32_t flags, const SYSTEMTIME* time,
                               const char* format, std::string* timeStr, int cchTime) {
  // Without a time the call has nothing worth remembering.
  if (time == nullptr) return inner_.GetTimeFormatA(locale, flags, time, format, timeStr, cchTime);

  key_.clear();
  Append(key_, locale);
  Append(key_, flags);
  Append(key_, cchTime);
  Append(key_, timeStr == nullptr ? std::size_t{0} : timeStr->size() + 1);
  for (const std::uint16_t field : {time->wYear, time->wMonth, time->wDayOfWeek, time->wDay,
                                    time->wHour, time->wMinute, time->wSecond,
                                    time->wMilliseconds}) {
    Append(key_, field);
  }
  // A null format and an empty one are different requests.
  key_.push_back(format == nullptr ? '\0' : '\1');
  if (format != nullptr) key_.append(format);

  if (const auto found = answers_.find(key_); found != answers_.end()) {
    const Answer& answer = found->second;
    if (timeStr != nullptr) std::copy(answer.written.begin(), answer.written.end(), timeStr->begin());
    return answer.result;
  }

  const int result = inner_.GetTimeFormatA(locale, flags, time, format, timeStr, cchTime);
  Answer answer{result, {}};
  // A failure or a size query leaves the buffer untouched; otherwise the call
  // wrote `result` characters, its NUL included, from the start.
  if (result > 0 && cchTime > 0 && timeStr != nullptr) {
    answer.written = timeStr->substr(0, std::min(static_cast<std::size_t>(result), timeStr->size()));
  }
  if (answers_.size() >= capacity_) answers_.clear();
  answers_.emplace(key_, std::move(answer));
  return result;
}

void MemoLocale::Clear() { answers_.clear(); }

}  // namespace tellux
