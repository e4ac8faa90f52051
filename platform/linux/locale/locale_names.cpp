#include "platform/linux/locale/locale_names.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/linux/files/small_file.h"
#include "platform/text.h"

namespace tellux {
namespace {

constexpr std::string_view kDefaultLocale = "en_US";

// Blanks around a line of a shell-style file, a CR of DOS line ends among them.
std::string Trim(std::string_view s) { return std::string(text::Trim(s, " \t\r")); }

// LANG=value from a shell-style assignment file, quotes removed; empty if
// absent. Read as a small regular file, so a FIFO or device named here never
// holds up the start.
std::string LangFromFile(const std::string& path) {
  const std::optional<std::string> file = ReadSmallFile(path);
  if (!file) return {};
  std::string_view rest = *file;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    std::string s = Trim(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (s.rfind("export ", 0) == 0) s = Trim(std::string_view(s).substr(7));
    if (s.rfind("LANG=", 0) != 0) continue;
    std::string value = Trim(std::string_view(s).substr(5));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
      value = value.substr(1, value.size() - 2);
    }
    if (!value.empty()) return value;
  }
  return {};
}

}  // namespace

std::string IcuLocaleName(std::string_view posixName) {
  const std::size_t at = posixName.find('@');
  std::string_view name = posixName.substr(0, std::min(posixName.find('.'), at));
  if (name.empty() || name == "C" || name == "POSIX") return std::string(kDefaultLocale);
  if (at == std::string_view::npos) return std::string(name);
  std::string_view modifier = posixName.substr(at + 1);
  modifier = modifier.substr(0, modifier.find('.'));
  // glibc names a script by a modifier, ICU by a subtag after the language:
  // sr_RS@latin is sr_Latn_RS. Of its other modifiers ICU knows Valencian
  // as a variant; the rest (@euro and the like) say nothing ICU can use.
  constexpr std::pair<std::string_view, std::string_view> kScripts[] = {
      {"latin", "Latn"}, {"cyrillic", "Cyrl"}, {"devanagari", "Deva"}};
  for (const auto& [glibc, script] : kScripts) {
    if (modifier != glibc) continue;
    const std::size_t underscore = name.find('_');
    const std::string_view language = name.substr(0, underscore);
    std::string icu = std::string(language) + "_" + std::string(script);
    if (underscore != std::string_view::npos) icu += std::string(name.substr(underscore));
    return icu;
  }
  if (modifier == "valencia") {
    return std::string(name) + (name.find('_') == std::string_view::npos ? "__" : "_") + "VALENCIA";
  }
  return std::string(name);
}

std::string UserLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return IcuLocaleName(value);
  }
  return std::string(kDefaultLocale);
}

std::string SystemLocaleName(const std::vector<std::string>& files, std::string_view fallback) {
  for (const std::string& file : files) {
    const std::string lang = LangFromFile(file);
    if (!lang.empty()) return IcuLocaleName(lang);
  }
  return std::string(fallback);
}

std::string SystemLocaleName(std::string_view fallback) {
  return SystemLocaleName({"/etc/default/locale", "/etc/locale.conf"}, fallback);
}

}  // namespace tellux
