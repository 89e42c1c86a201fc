#pragma once
// Program paths.
#include <string>

namespace voltaro {

// Absolute path of the running executable (from /proc/self/exe).
std::string ProgramPath();
// Directory of the running executable, without a trailing slash.
std::string ProgramDirectory();
// File name of the running executable without its extension ("voltaro", "voltaro-cli").
std::string ProgramName();
// Folder where simulators publish their pseudo-terminals as symlinks named after the
// port's display name: ${XDG_RUNTIME_DIR:-/tmp}/voltaro-ports.
std::string VirtualPortDirectory();

}  // namespace voltaro
