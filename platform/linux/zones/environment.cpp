#include "platform/linux/zones/environment.h"

#include <sys/stat.h>

#include <cstdlib>

#include "platform/linux/files/small_file.h"

namespace tellux::zoneinfo {
namespace {

// Set once, in main before any thread starts, when TZ was replaced.
bool tzReplaced = false;
std::optional<std::string> usersTz;

// The file glibc opens for TZ: as the program's own reader takes it (see
// FromTzVariable in machine_zone.cpp), the name after an optional ':' in
// the zone folder unless absolute; empty TZ reads no file.
std::string CLibraryZoneFile(const char* tz, const char* localtime) {
  if (tz == nullptr) return localtime;
  std::string_view name = tz;
  if (name.starts_with(':')) name.remove_prefix(1);
  if (name.empty()) return {};
  if (name.front() == '/') return std::string(name);
  return ZoneDirectory() + "/" + std::string(name);
}

std::string_view Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string_view() : std::string_view(value);
}

}  // namespace

std::string ZoneDirectory() {
  const std::string_view dir = Variable("TZDIR");
  return dir.empty() ? std::string(kDefaultZoneDirectory) : std::string(dir);
}

bool KeepTheCLibraryOffUnreadableZones(const char* localtime) {
  const char* tz = std::getenv("TZ");
  const std::string file = CLibraryZoneFile(tz, localtime);
  struct stat st {};
  // What cannot be looked at cannot be opened either: glibc fails at once.
  if (file.empty() || ::stat(file.c_str(), &st) != 0) return false;
  if (S_ISREG(st.st_mode) && static_cast<std::size_t>(st.st_size) <= kSmallFileLimit) return false;
  if (tz != nullptr) usersTz = tz;
  tzReplaced = true;
  return ::setenv("TZ", "UTC0", 1) == 0;
}

std::optional<std::string> UsersTz() {
  if (tzReplaced) return usersTz;
  const char* tz = std::getenv("TZ");
  return tz == nullptr ? std::nullopt : std::optional<std::string>(tz);
}

}  // namespace tellux::zoneinfo
