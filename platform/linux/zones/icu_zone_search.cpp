#include "platform/linux/zones/icu_zone_search.h"

#include <unicode/coleitr.h>
#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/tblcoll.h>
#include <unicode/tznames.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>

#include "platform/linux/icu_utf8.h"
#include "platform/linux/zones/windows_zone_map.h"

namespace tellux {
namespace {

icu::UnicodeString Unicode(std::string_view s) {
  return icu::UnicodeString::fromUTF8(
      icu::StringPiece(s.data(), static_cast<std::int32_t>(s.size())));
}

icu::Locale UsableLocale(const std::string& name) {
  icu::Locale locale(name.c_str());
  return locale.isBogus() ? icu::Locale::getRoot() : locale;
}

// One language's collation, read as the primary weights of a text: what
// compares equal at primary strength has the same weights, so a text begins
// with typed where typed's weights begin its own. Contractions and
// expansions count as the language has them ("ß" weighs as "ss").
class PrimaryWeights {
 public:
  explicit PrimaryWeights(const icu::Locale& locale) {
    UErrorCode status = U_ZERO_ERROR;
    collator_.reset(icu::Collator::createInstance(locale, status));
    auto* rules = dynamic_cast<icu::RuleBasedCollator*>(collator_.get());
    if (U_FAILURE(status) || rules == nullptr) return;
    // Typed and shown texts need not come in one normal form.
    collator_->setAttribute(UCOL_NORMALIZATION_MODE, UCOL_ON, status);
    elements_.reset(rules->createCollationElementIterator(icu::UnicodeString()));
  }

  bool Usable() const { return elements_ != nullptr; }
  bool SameAs(const PrimaryWeights& other) const {
    return Usable() && other.Usable() && *collator_ == *other.collator_;
  }

  // The weights of text, ignorable ones left out, at most `most` of them.
  void Of(const icu::UnicodeString& text, std::size_t most, std::vector<std::int32_t>& weights) {
    weights.clear();
    if (!Usable()) return;
    UErrorCode status = U_ZERO_ERROR;
    elements_->setText(text, status);
    while (U_SUCCESS(status) && weights.size() < most) {
      const std::int32_t element = elements_->next(status);
      if (element == icu::CollationElementIterator::NULLORDER) break;
      const std::int32_t primary = icu::CollationElementIterator::primaryOrder(element);
      if (primary != 0) weights.push_back(primary);
    }
  }

  bool Begins(const icu::UnicodeString& text, const std::vector<std::int32_t>& typed,
              std::vector<std::int32_t>& scratch) {
    if (typed.empty()) return false;
    Of(text, typed.size(), scratch);
    return scratch == typed;
  }

 private:
  std::unique_ptr<icu::Collator> collator_;
  std::unique_ptr<icu::CollationElementIterator> elements_;  // null when unusable
};

// "Australia/Melbourne" -> "Melbourne", "America/Argentina/Buenos_Aires" ->
// "Buenos Aires"; "" for names that are no place ("Etc/GMT-10", "EST5EDT").
std::string EnglishCity(std::string_view zone) {
  const std::size_t slash = zone.rfind('/');
  if (slash == std::string_view::npos || zone.starts_with("Etc/")) return {};
  std::string city(zone.substr(slash + 1));
  std::replace(city.begin(), city.end(), '_', ' ');
  return city;
}

}  // namespace

struct IcuZoneSearch::Collation {
  explicit Collation(const std::string& localeName)
      : user(UsableLocale(localeName)),
        root(icu::Locale::getRoot()),
        userIsRoot(user.SameAs(root)) {}

  PrimaryWeights user;
  PrimaryWeights root;
  bool userIsRoot;  // English and others without rules of their own: one pass does
  // A search asks about one typed text for every word of every entry: its
  // weights are kept until another comes.
  std::string typed;
  std::vector<std::int32_t> typedUser;
  std::vector<std::int32_t> typedRoot;
  std::vector<std::int32_t> scratch;
};

struct IcuZoneSearch::Names {
  explicit Names(const std::string& localeName) {
    UErrorCode status = U_ZERO_ERROR;
    names.reset(icu::TimeZoneNames::createInstance(UsableLocale(localeName), status));
    if (U_FAILURE(status)) names.reset();
  }
  std::unique_ptr<icu::TimeZoneNames> names;  // null without ICU's name data
};

IcuZoneSearch::IcuZoneSearch(std::string localeName) : localeName_(std::move(localeName)) {}

IcuZoneSearch::~IcuZoneSearch() = default;

bool IcuZoneSearch::BeginsWith(std::string_view text, std::string_view typed) const {
  if (typed.empty()) return false;
  if (!collation_) collation_ = std::make_unique<Collation>(localeName_);
  Collation& c = *collation_;
  if (!c.user.Usable() && !c.root.Usable()) {
    icu::UnicodeString folded = Unicode(text);
    return folded.foldCase().startsWith(Unicode(typed).foldCase());
  }
  if (typed != c.typed) {
    c.typed = typed;
    const icu::UnicodeString unicode = Unicode(typed);
    constexpr std::size_t kAll = std::numeric_limits<std::size_t>::max();
    c.user.Of(unicode, kAll, c.typedUser);
    c.root.Of(unicode, kAll, c.typedRoot);
  }
  const icu::UnicodeString unicode = Unicode(text);
  return c.user.Begins(unicode, c.typedUser, c.scratch) ||
         (!c.userIsRoot && c.root.Begins(unicode, c.typedRoot, c.scratch));
}

std::vector<std::string> IcuZoneSearch::PlacesOf(std::string_view keyName) const {
  if (!names_) names_ = std::make_unique<Names>(localeName_);
  std::vector<std::string> places;
  const auto add = [&places](std::string place) {
    if (!place.empty() && std::find(places.begin(), places.end(), place) == places.end()) {
      places.push_back(std::move(place));
    }
  };
  for (const std::string& zone : zoneinfo::ZonesOfWindowsId(keyName)) {
    if (names_->names) {
      icu::UnicodeString city;
      names_->names->getExemplarLocationName(Unicode(zone), city);
      if (!city.isBogus()) add(Utf8(city));
    }
    add(EnglishCity(zone));
  }
  return places;
}

}  // namespace tellux
