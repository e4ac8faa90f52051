#include "platform/linux/zones/catalogue_cache.h"

#include <unicode/icudataver.h>
#include <unicode/timezone.h>
#include <unicode/uversion.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <optional>
#include <utility>

#include "platform/linux/files/atomic_file.h"
#include "platform/linux/files/user_folder.h"
#include "platform/linux/tzdb/tzif_file.h"
#include "platform/linux/tzdb/windows_record_name.h"

#ifndef TELLUX_VERSION_TEXT
#define TELLUX_VERSION_TEXT "unversioned"
#endif

namespace tellux::zoneinfo {
namespace {

// Raise with any change to what the catalogue holds or how it is built, so
// that no older store is taken for the new build.
constexpr std::uint32_t kFormat = 2;
constexpr char kMagic[8] = {'T', 'L', 'X', 'Z', 'O', 'N', 'E', 'S'};
constexpr std::size_t kHeaderSize = sizeof kMagic + 4 + 8 + 8;
// About 200 KiB today; far more is not ours.
constexpr std::size_t kMaxFileSize = 4 << 20;
constexpr std::size_t kMaxText = 4096;
constexpr std::int64_t kMaxAgeSeconds = 7 * 24 * 3600;

class Writer {
 public:
  void U8(std::uint8_t v) { bytes_.push_back(static_cast<char>(v)); }
  void U32(std::uint32_t v) { Little(v, 4); }
  void U64(std::uint64_t v) { Little(v, 8); }
  void I64(std::int64_t v) { U64(static_cast<std::uint64_t>(v)); }
  void Text(std::string_view s) {
    U32(static_cast<std::uint32_t>(s.size()));
    bytes_.append(s);
  }
  void Units(const std::u16string& s) {
    U32(static_cast<std::uint32_t>(s.size()));
    for (const char16_t c : s) Little(c, 2);
  }
  void Tzi(const TziRecord& tzi) { bytes_ += TziBytes(tzi); }
  std::string& Bytes() { return bytes_; }

 private:
  void Little(std::uint64_t v, int n) {
    for (int i = 0; i < n; ++i) bytes_.push_back(static_cast<char>(v >> (8 * i)));
  }
  std::string bytes_;
};

// The UTF-16 length of valid UTF-8 (no overlong forms, surrogates or code
// points past U+10FFFF); nullopt for anything else.
std::optional<std::size_t> Utf16Units(std::string_view s) {
  std::size_t units = 0;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    std::size_t n = 0;
    char32_t c = 0;
    if (b < 0x80) {
      ++i;
      ++units;
      continue;
    }
    if (b >= 0xC2 && b <= 0xDF) {
      n = 1;
      c = b & 0x1Fu;
    } else if (b >= 0xE0 && b <= 0xEF) {
      n = 2;
      c = b & 0x0Fu;
    } else if (b >= 0xF0 && b <= 0xF4) {
      n = 3;
      c = b & 0x07u;
    } else {
      return std::nullopt;
    }
    if (s.size() - i <= n) return std::nullopt;
    for (std::size_t k = 1; k <= n; ++k) {
      const unsigned char t = static_cast<unsigned char>(s[i + k]);
      if ((t & 0xC0u) != 0x80u) return std::nullopt;
      c = (c << 6) | (t & 0x3Fu);
    }
    const bool overlongOrSurrogate = n == 2 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF));
    if (overlongOrSurrogate || (n == 3 && (c < 0x10000 || c > 0x10FFFF))) return std::nullopt;
    i += n + 1;
    units += n == 3 ? 2 : 1;
  }
  return units;
}

// Every read checks its bounds; after the first failure all reads give
// zeros and ok() stays false.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : rest_(bytes) {}
  bool ok() const { return ok_; }
  bool AtEnd() const { return rest_.empty(); }

  std::uint8_t U8() { return static_cast<std::uint8_t>(Little(1)); }
  std::uint16_t U16() { return static_cast<std::uint16_t>(Little(2)); }
  std::uint32_t U32() { return static_cast<std::uint32_t>(Little(4)); }
  std::uint64_t U64() { return Little(8); }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  std::int64_t I64() { return static_cast<std::int64_t>(U64()); }
  bool Flag() {
    const std::uint8_t v = U8();
    if (v > 1) ok_ = false;
    return v == 1;
  }

  // Only valid UTF-8 of at most kMaxText bytes and maxUnits UTF-16 units.
  std::string Text(std::size_t maxUnits = kMaxText) {
    const std::uint32_t n = U32();
    if (!Need(n) || n > kMaxText) return {};
    const std::string_view s = rest_.substr(0, n);
    rest_.remove_prefix(n);
    const std::optional<std::size_t> units = Utf16Units(s);
    if (!units || *units > maxUnits) ok_ = false;
    return std::string(s);
  }

  // UTF-16 as ICU takes it, any units (ICU copes with lone surrogates), at
  // most kMaxText of them.
  std::u16string Units() {
    const std::uint32_t n = U32();
    if (n > kMaxText) ok_ = false;
    if (!Need(std::size_t{n} * 2)) return {};
    std::u16string s(n, u'\0');
    for (char16_t& c : s) c = U16();
    return s;
  }

  // A count of items of at least itemBytes each, refused when the rest
  // cannot hold that many (so nothing is reserved for a lie).
  std::size_t Count(std::size_t itemBytes) {
    const std::uint32_t n = U32();
    if (ok_ && n > rest_.size() / itemBytes) ok_ = false;
    return ok_ ? n : 0;
  }

  SYSTEMTIME Date() {
    SYSTEMTIME d;
    d.wYear = U16();
    d.wMonth = U16();
    d.wDayOfWeek = U16();
    d.wDay = U16();
    d.wHour = U16();
    d.wMinute = U16();
    d.wSecond = U16();
    d.wMilliseconds = U16();
    return d;
  }

  TziRecord Tzi() {
    TziRecord r;
    r.Bias = I32();
    r.StandardBias = I32();
    r.DaylightBias = I32();
    r.StandardDate = Date();
    r.DaylightDate = Date();
    return r;
  }

 private:
  bool Need(std::size_t n) {
    if (ok_ && rest_.size() < n) ok_ = false;
    return ok_;
  }
  // The store holds some 150,000 bytes of records: read a field at a time.
  std::uint64_t Little(int n) {
    if (!Need(static_cast<std::size_t>(n))) return 0;
    std::uint64_t v = 0;
    if constexpr (std::endian::native == std::endian::little) {
      std::memcpy(&v, rest_.data(), static_cast<std::size_t>(n));
    } else {
      for (int i = 0; i < n; ++i)
        v |= std::uint64_t{static_cast<unsigned char>(rest_[i])} << (8 * i);
    }
    rest_.remove_prefix(static_cast<std::size_t>(n));
    return v;
  }

  std::string_view rest_;
  bool ok_ = true;
};

// A name below the zone folder, as the catalogue reads them: nothing that
// could lead out of the folder.
bool IsZoneName(std::string_view name) {
  if (name.empty() || name.front() == '/' || name.find('\0') != std::string_view::npos)
    return false;
  std::size_t at = 0;
  while (at <= name.size()) {
    const std::size_t end = std::min(name.find('/', at), name.size());
    const std::string_view part = name.substr(at, end - at);
    if (part.empty() || part == "." || part == "..") return false;
    at = end + 1;
  }
  return true;
}

void WriteStamp(Writer& out, const ZoneFileStamp& s) {
  out.Text(s.name);
  out.U8(s.present ? 1 : 0);
  out.U64(s.device);
  out.U64(s.inode);
  out.U64(s.size);
  out.I64(s.modifiedSeconds);
  out.I64(s.modifiedNanoseconds);
}

ZoneFileStamp ReadStamp(Reader& in) {
  ZoneFileStamp s;
  s.name = in.Text();
  s.present = in.Flag();
  s.device = in.U64();
  s.inode = in.U64();
  s.size = in.U64();
  s.modifiedSeconds = in.I64();
  s.modifiedNanoseconds = in.I64();
  return s;
}

void WriteEntry(Writer& out, const TzCatalogueEntry& e) {
  out.Text(e.windowsId);
  out.Text(e.zoneName);
  out.Text(e.display);
  out.Text(e.standardName);
  out.Text(e.daylightName);
  out.Tzi(e.tzi);
  out.U64(e.fileHash);
  out.U64(e.fileSize);
  out.U32(static_cast<std::uint32_t>(e.yearRecords.size()));
  for (const YearRecord& y : e.yearRecords) {
    out.U32(static_cast<std::uint32_t>(y.year));
    out.Tzi(y.tzi);
  }
}

// An entry as the build makes them: names that fit the record, a zone file
// name inside the folder, years ascending.
bool ReadEntry(Reader& in, TzCatalogueEntry& e) {
  e.windowsId = in.Text();
  e.zoneName = in.Text();
  e.display = in.Text();
  e.standardName = in.Text(kRecordNameUnits);
  e.daylightName = in.Text(kRecordNameUnits);
  e.tzi = in.Tzi();
  e.tziBytes = TziBytes(e.tzi);
  e.fileHash = in.U64();
  e.fileSize = static_cast<std::size_t>(in.U64());
  e.yearRecords.resize(in.Count(4 + 44));
  for (YearRecord& y : e.yearRecords) {
    y.year = in.I32();
    y.tzi = in.Tzi();
  }
  const bool yearsAscending = std::adjacent_find(e.yearRecords.begin(), e.yearRecords.end(),
                                                 [](const YearRecord& a, const YearRecord& b) {
                                                   return a.year >= b.year;
                                                 }) == e.yearRecords.end();
  return in.ok() && !e.windowsId.empty() && IsZoneName(e.zoneName) && !e.display.empty() &&
         yearsAscending;
}

// Every date pattern, in the order the store keeps them.
template <class Patterns>  // DatePatterns, const or not
auto PatternFields(Patterns& p) {
  static_assert(std::tuple_size_v<decltype(p.typedTimes)> == 4, "every pattern, each once");
  return std::array{&p.writtenDate,   &p.readDate,      &p.time,          &p.shortTime,
                    &p.typedTimes[0], &p.typedTimes[1], &p.typedTimes[2], &p.typedTimes[3]};
}

}  // namespace

std::string CatalogueSoftware() {
  char icu[U_MAX_VERSION_STRING_LENGTH] = {};
  char data[U_MAX_VERSION_STRING_LENGTH] = {};
  UVersionInfo version;
  u_getVersion(version);
  u_versionToString(version, icu);
  UErrorCode status = U_ZERO_ERROR;
  u_getDataVersion(version, &status);
  if (U_SUCCESS(status)) u_versionToString(version, data);
  status = U_ZERO_ERROR;
  const char* tz = icu::TimeZone::getTZDataVersion(status);
  return "format " + std::to_string(kFormat) + "; tellux-time " TELLUX_VERSION_TEXT "; ICU " + icu +
         ", data " + data + ", tz " + (U_SUCCESS(status) && tz != nullptr ? tz : "");
}

std::string CatalogueBytes(const TzCatalogue& catalogue, const CatalogueOrigin& origin,
                           const std::optional<DatePatterns>& datePatterns) {
  Writer out;
  out.Text(origin.software);
  out.Text(origin.localeName);
  out.Text(origin.zoneDirectory);
  out.I64(origin.now);
  out.U32(static_cast<std::uint32_t>(catalogue.Consulted().size()));
  for (const ZoneFileStamp& s : catalogue.Consulted()) WriteStamp(out, s);
  out.U32(static_cast<std::uint32_t>(catalogue.Entries().size()));
  for (const TzCatalogueEntry& e : catalogue.Entries()) WriteEntry(out, e);
  out.U32(static_cast<std::uint32_t>(catalogue.Unserved().size()));
  for (const std::string& id : catalogue.Unserved()) out.Text(id);
  out.U8(datePatterns ? 1 : 0);
  if (datePatterns) {
    for (const std::u16string* p : PatternFields(*datePatterns)) out.Units(*p);
  }

  const std::string& payload = out.Bytes();
  Writer head;
  head.Bytes().append(kMagic, sizeof kMagic);
  head.U32(kFormat);
  head.U64(payload.size());
  head.U64(ZoneFileHash(payload));
  return std::move(head.Bytes()) + payload;
}

std::unique_ptr<TzCatalogue> CatalogueFromBytes(std::string_view bytes,
                                                const CatalogueOrigin& origin,
                                                std::optional<DatePatterns>* datePatterns) {
  if (bytes.size() < kHeaderSize || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
    return nullptr;
  }
  Reader head(bytes.substr(sizeof kMagic, kHeaderSize - sizeof kMagic));
  const std::uint32_t format = head.U32();
  const std::uint64_t size = head.U64();
  const std::uint64_t hash = head.U64();
  const std::string_view payload = bytes.substr(kHeaderSize);
  // A file cut short or damaged anywhere is refused here, before its
  // contents are looked at.
  if (format != kFormat || size != payload.size() || hash != ZoneFileHash(payload)) return nullptr;

  Reader in(payload);
  if (in.Text() != origin.software || in.Text() != origin.localeName ||
      in.Text() != origin.zoneDirectory) {
    return nullptr;
  }
  const std::int64_t built = in.I64();
  // Compared so that no stored time, however far off, overflows.
  if (!in.ok() || built > origin.now || built < origin.now - kMaxAgeSeconds) return nullptr;

  TzCatalogueContents contents;
  contents.consulted.resize(in.Count(4 + 1 + 5 * 8));
  for (ZoneFileStamp& s : contents.consulted) s = ReadStamp(in);
  contents.entries.resize(in.Count(5 * 4 + 44 + 3 * 8));
  for (TzCatalogueEntry& e : contents.entries) {
    if (!ReadEntry(in, e)) return nullptr;
  }
  contents.unserved.resize(in.Count(4));
  for (std::string& id : contents.unserved) id = in.Text();
  std::optional<DatePatterns> patterns;
  if (in.Flag()) {
    for (std::u16string* p : PatternFields(patterns.emplace())) *p = in.Units();
  }
  if (!in.ok() || !in.AtEnd()) return nullptr;

  // Find's binary search needs the order the build gives; it also keeps
  // each Windows id once.
  const auto outOfOrder =
      std::adjacent_find(contents.entries.begin(), contents.entries.end(),
                         [](const TzCatalogueEntry& a, const TzCatalogueEntry& b) {
                           return !WindowsIdLess(a.windowsId, b.windowsId);
                         });
  if (outOfOrder != contents.entries.end()) return nullptr;
  // Last, as it is the only check that asks the file system.
  for (const ZoneFileStamp& s : contents.consulted) {
    if (!IsZoneName(s.name) || StampZoneFile(origin.zoneDirectory, s.name) != s) return nullptr;
  }
  if (datePatterns != nullptr) *datePatterns = std::move(patterns);
  return std::make_unique<TzCatalogue>(origin.localeName, origin.zoneDirectory,
                                       std::move(contents));
}

StoredStart LoadOrBuildCatalogue(const std::filesystem::path& file, const CatalogueOrigin& origin,
                                 const std::function<std::optional<DatePatterns>()>& derive) {
  StoredStart start;
  if (!file.empty()) {
    if (const std::optional<std::string> bytes = ReadSmallFile(file, kMaxFileSize)) {
      start.catalogue = CatalogueFromBytes(*bytes, origin, &start.datePatterns);
      if (start.catalogue) return start;
    }
  }
  start.catalogue = std::make_unique<TzCatalogue>(origin.localeName, origin.zoneDirectory);
  if (derive) start.datePatterns = derive();
  if (file.empty()) return start;
  // A zone file that changed while it was read may have given its old
  // contents under its new stamp: such a catalogue is not kept.
  for (const ZoneFileStamp& s : start.catalogue->Consulted()) {
    if (StampZoneFile(origin.zoneDirectory, s.name) != s) return start;
  }
  // A cache can always be made again: not worth a flush to disk at start-up.
  (void)ReplaceFileAtomically(file, CatalogueBytes(*start.catalogue, origin, start.datePatterns),
                              Durability::kUnsynced);
  return start;
}

std::filesystem::path CatalogueCacheFile() {
  const std::filesystem::path base = UserFolder("XDG_CACHE_HOME", ".cache");
  return base.empty() ? base : base / "tellux-time" / "zones.cache";
}

}  // namespace tellux::zoneinfo
