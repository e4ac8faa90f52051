#include "tests/platform/linux/zone_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace tellux::zoneinfo::testing {

namespace fs = std::filesystem;

ZoneFolder::ZoneFolder() {
  std::string pattern = (fs::temp_directory_path() / "tellux-zones-XXXXXX").string();
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (mkdtemp(buffer.data()) == nullptr) throw std::runtime_error("no scratch folder");
  path_ = buffer.data();
}

ZoneFolder::~ZoneFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

bool ZoneFolder::Compile(std::string_view source, const std::string& extraZicOptions) {
  const std::string sourcePath = path_ + "/.source.zi";
  Write(".source.zi", source);
  const std::string command = "/usr/sbin/zic " + extraZicOptions + " -d '" + path_ + "' '" +
                              sourcePath + "' 2>/dev/null";
  const bool ok = std::system(command.c_str()) == 0;
  fs::remove(sourcePath);
  return ok;
}

void ZoneFolder::Write(const std::string& name, std::string_view bytes) {
  const fs::path file = fs::path(path_) / name;
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ZoneFolder::Read(const std::string& name) const { return ReadBytes(path_ + "/" + name); }

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace tellux::zoneinfo::testing
