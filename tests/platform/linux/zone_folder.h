#pragma once
// A scratch zone folder for tests: made empty in the temporary directory,
// filled with zone files compiled by the system's zic from a few lines of
// zone source (or with any bytes), and removed again on destruction.

#include <string>
#include <string_view>

namespace tellux::zoneinfo::testing {

class ZoneFolder {
 public:
  ZoneFolder();
  ~ZoneFolder();
  ZoneFolder(const ZoneFolder&) = delete;
  ZoneFolder& operator=(const ZoneFolder&) = delete;

  const std::string& Path() const { return path_; }

  // Compiles zone source text (Zone, Rule and Link lines) into the folder;
  // extraZicOptions go before the source file (e.g. "-r @0/@2000000000").
  // False when zic fails.
  bool Compile(std::string_view source, const std::string& extraZicOptions = "");

  // Writes bytes to name (e.g. "Europe/Berlin") below the folder.
  void Write(const std::string& name, std::string_view bytes);

  // The bytes of a file below the folder; empty when it cannot be read.
  std::string Read(const std::string& name) const;

 private:
  std::string path_;
};

// The bytes of a file anywhere; empty when it cannot be read.
std::string ReadBytes(const std::string& path);

}  // namespace tellux::zoneinfo::testing
