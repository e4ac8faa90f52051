#pragma once
// The user's base folders as the XDG base directory rules name them.

#include <filesystem>

namespace tellux {

// $<variable> when it is an absolute path, else $HOME/<underHome> (the
// password database's home when HOME is unset or relative); empty when
// neither is known. UserFolder("XDG_CONFIG_HOME", ".config").
std::filesystem::path UserFolder(const char* variable, const char* underHome);

}  // namespace tellux
