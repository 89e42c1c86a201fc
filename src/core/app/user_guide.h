#pragma once
// Where the desktop program finds its user guide to open with the desktop's URL opener.
#include <string>
#include <vector>

namespace voltaro {

// Places to look, in order: the installed guide (<prefix>/share/doc/voltaro/README.md beside
// <prefix>/bin), the guide beside the program, and the guide of the source tree the program
// was built from (a development build).
std::vector<std::string> UserGuideCandidates(const std::string& programDirectory,
                                             const std::string& sourceDirectory);
// The first candidate that is a readable regular file; empty when none is.
std::string FindUserGuide(const std::vector<std::string>& candidates);

}  // namespace voltaro
