#pragma once
// A zone search for tests: letters compare without case and without the
// accents of Latin-1 ("zur" finds "Zürich"), and each zone's places are what
// the test gives it.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/zone_search.h"

namespace tellux::testing {

class PlainZoneSearch final : public ZoneSearch {
 public:
  bool BeginsWith(std::string_view text, std::string_view typed) const override {
    const std::string t = Fold(typed);
    return !t.empty() && Fold(text).starts_with(t);
  }
  std::vector<std::string> PlacesOf(std::string_view keyName) const override {
    const auto it = places.find(std::string(keyName));
    return it == places.end() ? std::vector<std::string>{} : it->second;
  }

  std::map<std::string, std::vector<std::string>> places;  // by key name

 private:
  // ASCII letters in lower case; Latin-1 letters (C3 xx in UTF-8) as their
  // base letter.
  static std::string Fold(std::string_view s) {
    static constexpr std::string_view kBase =  // C3 80 .. C3 BF
        "aaaaaaaceeeeiiiidnooooo*ouuuuyts"
        "aaaaaaaceeeeiiiidnooooo/ouuuuyty";
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
      const auto c = static_cast<unsigned char>(s[i]);
      if (c == 0xC3 && i + 1 < s.size()) {
        const auto d = static_cast<unsigned char>(s[i + 1]);
        if (d >= 0x80 && d <= 0xBF) {
          out += kBase[d - 0x80];
          ++i;
          continue;
        }
      }
      out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    }
    return out;
  }
};

}  // namespace tellux::testing
