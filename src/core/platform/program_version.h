#pragma once
// What the programs print for --version, and the language of their command-line output.
#include <string>

namespace voltaro {

// Loads language index for command-line output (-1: the locale's, from LC_ALL,
// LC_MESSAGES, LANG); when its module cannot be loaded, says so on standard error (with
// the module file) and keeps the English texts.
void LoadCommandLineLanguage(int index = -1);

// "<product> Version <version>", then the language in use: English, or the language of
// the loaded module with the file it came from. Each line ends with a line break.
std::string VersionText();

}  // namespace voltaro
