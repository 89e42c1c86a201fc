#include "setup/launcher.h"

#include <spawn.h>
#include <sys/types.h>

#include <cstring>

extern char** environ;

namespace voltaro::setup {

bool CopyBounded(char* buffer, std::size_t capacity, const char* text) {
    if (capacity == 0) return false;
    const std::size_t length = std::strlen(text);
    if (length >= capacity) {
        buffer[0] = '\0';
        return false;
    }
    std::memcpy(buffer, text, length + 1);
    return true;
}

std::size_t SplitInPlace(char* buffer, char** words, std::size_t maxWords) {
    std::size_t count = 0;
    char* cursor = buffer;
    while (*cursor != '\0') {
        while (*cursor == ' ')
            *cursor++ = '\0';
        if (*cursor == '\0') break;
        if (count == maxWords) {
            words[0] = nullptr;
            return 0;
        }
        words[count++] = cursor;
        while (*cursor != '\0' && *cursor != ' ')
            ++cursor;
    }
    words[count] = nullptr;
    return count;
}

bool StartInstaller() {
    // Writable: the words are cut out of the buffer in place.
    char commandLine[kCommandLineCapacity];
    if (!CopyBounded(commandLine, sizeof commandLine, kInstallerCommandLine)) return false;
    constexpr std::size_t kMaxWords = 15;
    char* words[kMaxWords + 1];
    if (SplitInPlace(commandLine, words, kMaxWords) == 0) return false;
    // Default attributes and no file actions: the child gets this process's priority,
    // signal dispositions, environment and working directory.
    pid_t child = 0;
    return ::posix_spawnp(&child, words[0], nullptr, nullptr, words, environ) == 0;
}

}  // namespace voltaro::setup
