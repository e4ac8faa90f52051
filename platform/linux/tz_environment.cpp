#include "platform/linux/tz_environment.h"

#include <cstdlib>

namespace tellux::zoneinfo {
namespace {

std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string_view() : std::string_view(value);
}

}  // namespace

std::string IcuLocaleName(std::string_view posixLocale) {
  const std::size_t cut = posixLocale.find_first_of(".@");
  const std::string_view name = posixLocale.substr(0, cut);
  if (name.empty() || name == "C" || name == "POSIX") return "en_US";
  return std::string(name);
}

std::string UserLocaleName() {
  for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
    const std::string_view value = Variable(name);
    if (!value.empty()) return IcuLocaleName(value);
  }
  return IcuLocaleName({});
}

std::string ZoneDirectory() {
  const std::string_view dir = Variable("TZDIR");
  return dir.empty() ? std::string(kDefaultZoneDirectory) : std::string(dir);
}

}  // namespace tellux::zoneinfo
