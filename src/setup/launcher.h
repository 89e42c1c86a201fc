#pragma once
// The installer launcher: starts the system installer on the product package with one
// public property set, and returns without waiting for it.
#include <cstddef>

namespace voltaro::setup {

// The installer's fixed command line. The package is named relative to the current
// directory, so it is looked for in the directory that setup was started in.
inline constexpr char kInstallerCommandLine[] = "msiexec /i App_x86 SETUPVAR1=0";
// Size of the writable buffer that the command line is copied into.
inline constexpr std::size_t kCommandLineCapacity = 1024;

// Copies text with its terminating NUL into buffer (capacity chars). Returns false and
// leaves buffer empty when the text does not fit: the copy fails rather than truncates.
bool CopyBounded(char* buffer, std::size_t capacity, const char* text);

// Splits the command line in buffer at blanks, in place, into at most maxWords words and
// a terminating null pointer in words (maxWords + 1 entries). Returns the number of words,
// or 0 when there are none or more than maxWords.
std::size_t SplitInPlace(char* buffer, char** words, std::size_t maxWords);

// Starts the installer: the program is searched along PATH and runs with this process's
// environment, current directory and standard streams. Neither waits for it nor tells
// why it could not start; returns whether it started.
bool StartInstaller();

}  // namespace voltaro::setup
