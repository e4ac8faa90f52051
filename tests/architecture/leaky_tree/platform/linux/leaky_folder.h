// Breaks each of the Linux backend's rules once, for the check's own test.
#include <filesystem>
#include <unicode/locid.h>
namespace fs = std::filesystem;
inline bool Usable(const fs::path& dir) { return fs::is_directory(dir); }
inline bool Fine(const fs::path& dir, std::error_code& ec) { return fs::is_directory(dir, ec); }
inline auto Listing(const fs::path& dir) { return std::filesystem::directory_iterator(dir); }
