#include "platform/linux/locale/memo_date_services.h"

#include <algorithm>
#include <bit>

namespace tellux {
namespace {

// By bits, not by value: 0.0 and -0.0, or two NaNs, may not write alike.
std::uint64_t KeyOf(double date) { return std::bit_cast<std::uint64_t>(date); }

template <class Map, class Key, class Make>
const typename Map::mapped_type& Remembered(Map& map, std::size_t capacity, const Key& key,
                                            Make make) {
  if (const auto found = map.find(key); found != map.end()) return found->second;
  auto value = make();
  if (map.size() >= capacity) map.clear();
  return map.emplace(key, std::move(value)).first->second;
}

}  // namespace

MemoDateServices::MemoDateServices(DateServices& inner, std::size_t capacity)
    : inner_(inner), capacity_(std::max<std::size_t>(capacity, 1)) {}

std::optional<double> MemoDateServices::ReadGeneralDate(std::string_view text) {
  // Heterogeneous lookup needs C++20 transparent hashing; the key is short.
  return Remembered(reads_, capacity_, std::string(text),
                    [&] { return inner_.ReadGeneralDate(text); });
}

std::string MemoDateServices::FormatGeneralDate(double date) {
  return Remembered(generalDates_, capacity_, KeyOf(date),
                    [&] { return inner_.FormatGeneralDate(date); });
}

std::string MemoDateServices::FormatShortTime(double date) {
  return Remembered(shortTimes_, capacity_, KeyOf(date),
                    [&] { return inner_.FormatShortTime(date); });
}

void MemoDateServices::Clear() {
  reads_.clear();
  generalDates_.clear();
  shortTimes_.clear();
}

}  // namespace tellux
