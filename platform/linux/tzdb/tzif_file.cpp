#include "platform/linux/tzdb/tzif_file.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>

namespace tellux::zoneinfo {
namespace {

constexpr std::size_t kHeaderSize = 44;

std::uint32_t BigEndian32(std::string_view b, std::size_t at) {
  return (std::uint32_t{static_cast<unsigned char>(b[at])} << 24) |
         (std::uint32_t{static_cast<unsigned char>(b[at + 1])} << 16) |
         (std::uint32_t{static_cast<unsigned char>(b[at + 2])} << 8) |
         std::uint32_t{static_cast<unsigned char>(b[at + 3])};
}

struct Header {
  char version = 0;
  std::uint64_t isutcnt = 0, isstdcnt = 0, leapcnt = 0, timecnt = 0, typecnt = 0, charcnt = 0;

  // Size of the data block that follows, with timeSize-byte transition times.
  // 64-bit sums of 32-bit counts cannot overflow.
  std::uint64_t BlockSize(std::uint64_t timeSize) const {
    return timecnt * timeSize + timecnt + typecnt * 6 + charcnt + leapcnt * (timeSize + 4) +
           isstdcnt + isutcnt;
  }
};

std::optional<Header> ReadHeader(std::string_view b, std::size_t at) {
  if (b.size() < at + kHeaderSize || b.substr(at, 4) != "TZif") return std::nullopt;
  Header h;
  h.version = b[at + 4];
  h.isutcnt = BigEndian32(b, at + 20);
  h.isstdcnt = BigEndian32(b, at + 24);
  h.leapcnt = BigEndian32(b, at + 28);
  h.timecnt = BigEndian32(b, at + 32);
  h.typecnt = BigEndian32(b, at + 36);
  h.charcnt = BigEndian32(b, at + 40);
  return h;
}

bool IsAbbreviationChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '+' || c == '-';
}

// POSIX writes offsets west of UTC as positive: UT offset +5:30 is "-5:30".
std::string PosixOffset(std::int32_t utOffset) {
  const std::int64_t west = -static_cast<std::int64_t>(utOffset);
  const std::int64_t magnitude = std::llabs(west);
  std::string s = west < 0 ? "-" : "";
  s += std::to_string(magnitude / 3600);
  const std::int64_t minutes = magnitude / 60 % 60;
  const std::int64_t seconds = magnitude % 60;
  if (minutes != 0 || seconds != 0) {
    s += (minutes < 10 ? ":0" : ":") + std::to_string(minutes);
    if (seconds != 0) s += (seconds < 10 ? ":0" : ":") + std::to_string(seconds);
  }
  return s;
}

// The data block at `at` checked for consistency, and the fixed rule of its
// last standard-time period. nullopt when the block does not hold together.
std::optional<std::string> FixedRuleFromBlock(std::string_view b, std::size_t at, const Header& h,
                                              std::size_t timeSize) {
  if (h.typecnt == 0 || h.charcnt == 0) return std::nullopt;
  if ((h.isstdcnt != 0 && h.isstdcnt != h.typecnt) || (h.isutcnt != 0 && h.isutcnt != h.typecnt)) {
    return std::nullopt;
  }
  const std::size_t indices = at + h.timecnt * timeSize;
  const std::size_t types = indices + h.timecnt;
  const std::size_t chars = types + h.typecnt * 6;
  for (std::size_t i = 0; i < h.timecnt; ++i) {
    if (static_cast<unsigned char>(b[indices + i]) >= h.typecnt) return std::nullopt;
  }
  auto isDst = [&](std::size_t type) { return b[types + type * 6 + 4] != 0; };
  for (std::size_t t = 0; t < h.typecnt; ++t) {
    if (static_cast<unsigned char>(b[types + t * 6 + 5]) >= h.charcnt) return std::nullopt;
  }

  // The last transition's type, or the last standard-time type before it
  // when that one is daylight saving; type 0 when there is nothing better.
  std::size_t chosen = 0;
  for (std::size_t i = h.timecnt; i-- > 0;) {
    const auto type = static_cast<unsigned char>(b[indices + i]);
    if (!isDst(type)) {
      chosen = type;
      break;
    }
  }
  const auto utOffset = static_cast<std::int32_t>(BigEndian32(b, types + chosen * 6));
  if (utOffset == INT32_MIN) return std::nullopt;

  const std::size_t nameAt = chars + static_cast<unsigned char>(b[types + chosen * 6 + 5]);
  const std::size_t charsEnd = chars + h.charcnt;
  std::string name;
  for (std::size_t k = nameAt; k < charsEnd && b[k] != '\0'; ++k) name += b[k];
  bool usable = name.size() >= 3;
  for (char c : name) usable = usable && IsAbbreviationChar(c);
  if (!usable) name = "UNK";
  return "<" + name + ">" + PosixOffset(utOffset);
}

std::int64_t BigEndian64(std::string_view b, std::size_t at) {
  return static_cast<std::int64_t>((std::uint64_t{BigEndian32(b, at)} << 32) |
                                   BigEndian32(b, at + 4));
}

// Where the data block to read lies: the 64-bit one of a version 2+ file,
// else the 32-bit one; nullopt when the file is too short to hold it.
struct DataBlock {
  Header header;
  std::size_t at = 0;
  std::size_t timeSize = 4;
};

std::optional<DataBlock> LocateDataBlock(std::string_view b) {
  const std::optional<Header> first = ReadHeader(b, 0);
  if (!first) return std::nullopt;
  const std::uint64_t firstEnd = kHeaderSize + first->BlockSize(4);
  if (firstEnd > b.size()) return std::nullopt;
  if (first->version == '\0') return DataBlock{*first, kHeaderSize, 4};
  const std::optional<Header> second = ReadHeader(b, static_cast<std::size_t>(firstEnd));
  if (!second) return std::nullopt;
  const std::size_t at = static_cast<std::size_t>(firstEnd) + kHeaderSize;
  if (at + second->BlockSize(8) > b.size()) return std::nullopt;
  return DataBlock{*second, at, 8};
}

}  // namespace

std::optional<std::vector<TzifTransition>> TzifTransitions(std::string_view b) {
  const std::optional<DataBlock> block = LocateDataBlock(b);
  if (!block) return std::nullopt;
  const Header& h = block->header;
  if (h.typecnt == 0) return std::nullopt;
  const std::size_t indices = block->at + h.timecnt * block->timeSize;
  const std::size_t types = indices + h.timecnt;
  auto offsetOf = [&](std::size_t type) -> std::optional<std::int32_t> {
    if (type >= h.typecnt) return std::nullopt;
    const auto offset = static_cast<std::int32_t>(BigEndian32(b, types + type * 6));
    if (offset == INT32_MIN) return std::nullopt;
    return offset;
  };

  std::optional<std::int32_t> current = offsetOf(0);
  if (!current) return std::nullopt;
  std::vector<TzifTransition> list;
  list.reserve(static_cast<std::size_t>(h.timecnt));
  for (std::size_t i = 0; i < h.timecnt; ++i) {
    const std::size_t timeAt = block->at + i * block->timeSize;
    const std::int64_t at = block->timeSize == 8
                                ? BigEndian64(b, timeAt)
                                : static_cast<std::int32_t>(BigEndian32(b, timeAt));
    if (!list.empty() && at <= list.back().at) return std::nullopt;
    const std::optional<std::int32_t> next = offsetOf(static_cast<unsigned char>(b[indices + i]));
    if (!next) return std::nullopt;
    list.push_back({at, *current, *next});
    current = next;
  }
  return list;
}

std::optional<std::string> TzifRule(std::string_view b) {
  const std::optional<Header> first = ReadHeader(b, 0);
  if (!first) return std::nullopt;
  const std::uint64_t firstEnd = kHeaderSize + first->BlockSize(4);
  if (firstEnd > b.size()) return std::nullopt;

  if (first->version == '\0') {
    return FixedRuleFromBlock(b, kHeaderSize, *first, 4);
  }

  const std::optional<Header> second = ReadHeader(b, static_cast<std::size_t>(firstEnd));
  if (!second) return std::nullopt;
  const std::size_t dataAt = static_cast<std::size_t>(firstEnd) + kHeaderSize;
  const std::uint64_t dataEnd = dataAt + second->BlockSize(8);
  if (dataEnd >= b.size()) return std::nullopt;
  std::optional<std::string> fixed = FixedRuleFromBlock(b, dataAt, *second, 8);
  if (!fixed) return std::nullopt;

  // The footer: the TZ string between two newlines.
  const auto footerAt = static_cast<std::size_t>(dataEnd);
  if (b[footerAt] != '\n') return std::nullopt;
  const std::size_t close = b.find('\n', footerAt + 1);
  if (close == std::string_view::npos) return std::nullopt;
  std::string footer(b.substr(footerAt + 1, close - footerAt - 1));
  return footer.empty() ? fixed : std::optional<std::string>(std::move(footer));
}

std::optional<TzifFile> ReadTzifFile(const std::string& path) {
  std::optional<std::string> bytes = ReadSmallFile(path);
  if (!bytes) return std::nullopt;
  std::optional<std::string> rule = TzifRule(*bytes);
  if (!rule) return std::nullopt;
  return TzifFile{std::move(*bytes), std::move(*rule)};
}

}  // namespace tellux::zoneinfo
