#include "platform/linux/zones/environment.h"

#include <cstdlib>

namespace tellux::zoneinfo {
namespace {

std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string_view() : std::string_view(value);
}

}  // namespace

std::string ZoneDirectory() {
  const std::string_view dir = Variable("TZDIR");
  return dir.empty() ? std::string(kDefaultZoneDirectory) : std::string(dir);
}

}  // namespace tellux::zoneinfo
