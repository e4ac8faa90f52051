#pragma once
// Finding a zone in a list by typing, for both views. Every entry begins with
// "(UTC", so a list's own type-ahead is no use: here typed letters pick the
// next entry holding a word that begins with them ("tok" finds "(UTC+09:00)
// Osaka, Sapporo, Tokyo"), or one of its places (ZoneSearch::PlacesOf), and a
// typed offset ("+5:30", "-3") the first entry of that offset. Keys typed
// less than kPauseMs apart make one search, as native list type-ahead does.
// A pick by typing is a pick: the list's Click runs, once per new selection.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/zone_search.h"
#include "window/frm_time.h"

namespace tellux::view {

// What one list entry is found by.
struct ZoneEntry {
  std::string text;                 // as the list shows it
  int offsetMinutes = 0;            // standard offset, east of UTC positive
  std::vector<std::string> places;  // further names (cities)
};

// A typed offset: a sign, the hours, and the start of the minutes.
struct TypedOffset {
  int sign = 1;
  int hours = 0;
  std::string minutes;  // "" or "3" or "30": matched as a start
};
// "+5:30", "-3", "+05", "+530", "−3" (the minus sign); nullopt for anything
// else, "+" alone included.
std::optional<TypedOffset> ReadTypedOffset(std::string_view typed);

// The position of the entry typed finds, searching from `from` onwards and
// round to the start (entries.size() > from >= 0), or nullopt. An offset
// goes to the first entry of that offset in the whole list instead.
std::optional<int> FindZone(std::span<const ZoneEntry> entries, std::string_view typed, int from,
                            const ZoneSearch& search);

class ZoneFinder {
 public:
  static constexpr std::int64_t kPauseMs = 1000;

  // The form and search must outlive this.
  ZoneFinder(frmTime& form, const ZoneSearch& search);

  // One key's text typed into list `list` (0..3) at atMs, the event's time
  // in milliseconds. Moves the list's selection when the search finds
  // another entry. Returns whether the key belonged to the search: a
  // printable text, or a blank while a search is going on; the view then
  // keeps it from the list's own handling.
  bool Type(int list, std::string_view typed, std::int64_t atMs);

 private:
  std::span<const ZoneEntry> Entries();

  frmTime& form_;
  const ZoneSearch& search_;
  std::vector<ZoneEntry> entries_;  // made at the first key, the lists being full by then
  std::string typed_;
  int typedList_ = -1;
  std::int64_t lastMs_ = 0;
};

}  // namespace tellux::view
