#include "window/zone_finder.h"

#include <algorithm>
#include <cstddef>

#include "platform/read_number.h"

namespace tellux::view {
namespace {

// The characters that end a word in an entry's text: ASCII punctuation and
// blanks, and the commas, blanks and minus signs of other scripts that zone
// names in the user's language use. Any other character, a letter of any
// script included, continues a word.
constexpr std::string_view kWideSeparators[] = {
    "\u00A0", "\u060C", "\u2212", "\u3000", "\u3001", "\uFF08", "\uFF09", "\uFF0C",
};

// The length of the separator at text[i], or 0 where a word character stands.
std::size_t SeparatorAt(std::string_view text, std::size_t i) {
  const auto c = static_cast<unsigned char>(text[i]);
  if (c < 0x80) {
    const bool alnum = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    return alnum ? 0 : 1;
  }
  for (std::string_view s : kWideSeparators) {
    if (text.substr(i, s.size()) == s) return s.size();
  }
  return 0;
}

// Whether a word of text begins with typed: tried at every word's start.
bool AWordBeginsWith(std::string_view text, std::string_view typed, const ZoneSearch& search) {
  bool atStart = true;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t separator = SeparatorAt(text, i);
    if (separator > 0) {
      atStart = true;
      i += separator;
      continue;
    }
    if (atStart && search.BeginsWith(text.substr(i), typed)) return true;
    atStart = false;
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0u) == 0x80u) ++i;
  }
  return false;
}

bool Found(const ZoneEntry& entry, std::string_view typed, const ZoneSearch& search) {
  if (AWordBeginsWith(entry.text, typed, search)) return true;
  for (const std::string& place : entry.places) {
    if (AWordBeginsWith(place, typed, search)) return true;
  }
  return false;
}

bool OffsetMatches(const ZoneEntry& entry, const TypedOffset& offset, bool wholeHour) {
  const int minutes = entry.offsetMinutes < 0 ? -entry.offsetMinutes : entry.offsetMinutes;
  if (minutes / 60 != offset.hours) return false;
  // Zero hours east and west are one: "+0" and "-0" both find UTC.
  if (entry.offsetMinutes != 0 && (entry.offsetMinutes < 0) != (offset.sign < 0)) return false;
  const int rest = minutes % 60;
  if (wholeHour) return rest == 0;
  const std::string two{static_cast<char>('0' + rest / 10), static_cast<char>('0' + rest % 10)};
  return two.starts_with(offset.minutes);
}

bool IsBlank(std::string_view typed) { return typed == " " || typed == "\u00A0" || typed == "\u3000"; }

// A key's text the search takes: printable, no control character.
bool IsPrintable(std::string_view typed) {
  if (typed.empty()) return false;
  for (const char ch : typed) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == 0x7F) return false;
  }
  return true;
}

// A search of one letter typed again and again ("ttt") steps through the
// entries with that letter, as native type-ahead does.
bool OneLetterRepeated(std::string_view typed) {
  std::size_t first = 1;
  while (first < typed.size() && (static_cast<unsigned char>(typed[first]) & 0xC0u) == 0x80u) {
    ++first;
  }
  if (first == typed.size()) return false;
  const std::string_view letter = typed.substr(0, first);
  for (std::size_t i = 0; i < typed.size(); i += first) {
    if (typed.substr(i, first) != letter) return false;
  }
  return true;
}

}  // namespace

std::optional<TypedOffset> ReadTypedOffset(std::string_view typed) {
  TypedOffset offset;
  if (typed.starts_with("+")) {
    typed.remove_prefix(1);
  } else if (typed.starts_with("-")) {
    offset.sign = -1;
    typed.remove_prefix(1);
  } else if (typed.starts_with("\u2212")) {
    offset.sign = -1;
    typed.remove_prefix(3);
  } else {
    return std::nullopt;
  }
  const std::string digits = WithAsciiDigits(typed);
  std::string hours;
  std::size_t i = 0;
  while (i < digits.size() && digits[i] >= '0' && digits[i] <= '9') hours += digits[i++];
  if (i < digits.size() && (digits[i] == ':' || digits[i] == '.')) {
    ++i;
    while (i < digits.size() && digits[i] >= '0' && digits[i] <= '9') offset.minutes += digits[i++];
    if (offset.minutes.size() > 2) return std::nullopt;
  } else if (hours.size() > 2) {
    // "+0530": the last two digits are the minutes.
    if (hours.size() > 4) return std::nullopt;
    offset.minutes = hours.substr(hours.size() - 2);
    hours.resize(hours.size() - 2);
  }
  if (i != digits.size() || hours.empty() || hours.size() > 2) return std::nullopt;
  offset.hours = std::stoi(hours);
  return offset;
}

std::optional<int> FindZone(std::span<const ZoneEntry> entries, std::string_view typed, int from,
                            const ZoneSearch& search) {
  const int count = static_cast<int>(entries.size());
  if (count == 0 || typed.empty()) return std::nullopt;
  if (const std::optional<TypedOffset> offset = ReadTypedOffset(typed)) {
    // "+5" is the whole hour where the list has one, else any of that hour.
    for (const bool wholeHour : {offset->minutes.empty(), false}) {
      for (int k = 0; k < count; ++k) {
        if (OffsetMatches(entries[static_cast<std::size_t>(k)], *offset, wholeHour)) return k;
      }
    }
    return std::nullopt;
  }
  for (int step = 0; step < count; ++step) {
    const int k = (from + step) % count;
    if (Found(entries[static_cast<std::size_t>(k)], typed, search)) return k;
  }
  return std::nullopt;
}

ZoneFinder::ZoneFinder(frmTime& form, const ZoneSearch& search) : form_(form), search_(search) {}

std::span<const ZoneEntry> ZoneFinder::Entries() {
  const ComboBox& list = form_.ComboTZ[0];
  const int count = std::min(list.ListCount(), form_.Catalogue.Count());
  if (static_cast<int>(entries_.size()) != count) {
    entries_.clear();
    for (int k = 0; k < count; ++k) {
      const auto zone = static_cast<std::size_t>(k) + 1;
      entries_.push_back({list.List(k), -form_.Catalogue.ZoneRule[zone].Bias,
                          search_.PlacesOf(form_.Catalogue.KeyName[zone])});
    }
  }
  return entries_;
}

bool ZoneFinder::Type(int list, std::string_view typed, std::int64_t atMs) {
  if (list < 0 || list > 3 || !IsPrintable(typed)) return false;
  const bool goingOn = list == typedList_ && !typed_.empty() && atMs - lastMs_ < kPauseMs;
  if (IsBlank(typed) && !goingOn) return false;  // the list's own key (Space opens it)
  if (!goingOn) typed_.clear();
  typed_ += typed;
  typedList_ = list;
  lastMs_ = atMs;

  ComboBox& combo = form_.ComboTZ[static_cast<std::size_t>(list)];
  const std::span<const ZoneEntry> entries = Entries();
  if (entries.empty()) return true;
  const int current = combo.ListIndex();
  // A longer search may still fit the entry the shorter one found; a new
  // one moves on from it.
  const int here = current < 0 ? 0 : current;
  const int next = (here + (current < 0 ? 0 : 1)) % static_cast<int>(entries.size());
  std::optional<int> found = FindZone(entries, typed_, goingOn ? here : next, search_);
  if (!found && OneLetterRepeated(typed_)) {
    found = FindZone(entries, typed_.substr(0, typed.size()), next, search_);
  }
  if (found && *found != current) form_.RaiseUserEvent([&] { combo.UserSelect(*found); });
  return true;
}

}  // namespace tellux::view
