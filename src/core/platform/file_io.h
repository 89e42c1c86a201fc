#pragma once
// Reading and writing the program's own small files (configuration files, reports, the
// settings profile) with care for what the user pointed at:
// - reads take regular files only (a FIFO, a terminal or a device node would block or be
//   endless) and refuse a file beyond a size limit before reading it;
// - writes go to regular files (or a new file) only, through symbolic links to their
//   targets, keep an existing file's mode and owner, refuse what the user may not write,
//   and replace the file atomically (temporary file renamed over it). When the rename
//   cannot keep the file as it was (its directory is not writable, it has other hard
//   links, its owner cannot be kept) the file is rewritten in place instead, after its
//   space was reserved, so that a full disk fails before anything is changed.
#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace voltaro {

// Largest configuration file or profile read: a real one is a few kilobytes.
constexpr std::size_t kMaxSettingsFileBytes = 1024 * 1024;

enum class FileError {
    None,
    Missing,     // the file (or a directory above it) does not exist
    NotRegular,  // a FIFO, socket, device node ...
    TooLarge,    // beyond the caller's limit
    System,      // any other failure: systemError tells
};

struct FileStatus {
    FileError error = FileError::None;
    int systemError = 0;    // errno of Missing and System
    std::size_t limit = 0;  // the size limit of TooLarge

    explicit operator bool() const { return error == FileError::None; }
    // The failure in the user's words: the string table's text for NotRegular and
    // TooLarge (naming path), the system's text otherwise. Empty when there is none.
    std::string Text(const std::string& path) const;

    static FileStatus Ok() { return {}; }
    static FileStatus FromErrno(int error);
};

// Reads the whole regular file path into data (at most maxBytes). A directory is a System
// failure with EISDIR. Never blocks on a FIFO or device.
FileStatus ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& data);

// Whether path may be saved to: a regular file the user may write, or a new file in an
// existing directory that the user may write. Symbolic links are followed. Nothing is
// changed; a save still checks again.
FileStatus CheckSaveTarget(const std::string& path);

// Writes data as the new content of path (see the top of this file). A new file gets
// newFileMode; an existing one keeps its mode and owner.
FileStatus WriteFileSafely(const std::string& path, std::string_view data, mode_t newFileMode);

// Takes the group's and others' permissions away from the file at path (symbolic links
// followed) when it is a regular file owned by the user, so that a file that holds a
// secret and was written open by an older version becomes private. Anything else (a file
// of another user, a device, a missing file) is left as it is; false only when a chmod of
// the user's own file failed.
bool RestrictToOwner(const std::string& path);

// The file a save of path writes: path itself, or the end of the chain of symbolic links
// starting at path (which need not exist yet). Fails with ELOOP for a cycle.
FileStatus ResolveSaveTarget(const std::string& path, std::string& target);

}  // namespace voltaro
