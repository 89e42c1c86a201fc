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
// port's display name: $XDG_RUNTIME_DIR/voltaro-ports when XDG_RUNTIME_DIR is an absolute
// path (a relative one is invalid and ignored), else /tmp/voltaro-ports-<uid>, one per user
// in the shared /tmp.
std::string VirtualPortDirectory();
// True when path is a folder (not a link to one) of the effective user that no other user
// may write to: only then are the links in it the user's own and not planted by another.
bool IsPrivateDirectory(const std::string& path);

}  // namespace voltaro
