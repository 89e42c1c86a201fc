// Careful reads and writes of the program's small files.
#include "core/platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/sys_error.h"

namespace voltaro {
namespace {

// Links followed at most before a chain counts as a cycle (the kernel's own limit).
constexpr int kMaxLinkHops = 40;

FileStatus Fail(FileError error, int systemError = 0) {
    FileStatus status;
    status.error = error;
    status.systemError = systemError;
    if (systemError != 0) errno = systemError;
    return status;
}

FileStatus FailErrno() {
    return FileStatus::FromErrno(errno);
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAllAt(int fd, std::string_view data, off_t offset) {
    std::size_t done = 0;
    while (done < data.size()) {
        ssize_t n =
            ::pwrite(fd, data.data() + done, data.size() - done, offset + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The target (no link) as it stands: exists tells whether it is there; st is its state.
FileStatus CheckResolvedTarget(const std::string& target, struct stat& st, bool& exists) {
    exists = false;
    if (::lstat(target.c_str(), &st) != 0) {
        if (errno != ENOENT) return FailErrno();
        // A new file: its directory must be there and writable.
        struct stat dir {};
        const std::string directory = DirectoryOf(target);
        if (::stat(directory.c_str(), &dir) != 0) return FailErrno();
        if (!S_ISDIR(dir.st_mode)) return Fail(FileError::System, ENOTDIR);
        if (::faccessat(AT_FDCWD, directory.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
            return FailErrno();
        return FileStatus::Ok();
    }
    exists = true;
    if (S_ISDIR(st.st_mode)) return Fail(FileError::System, EISDIR);
    if (!S_ISREG(st.st_mode)) return Fail(FileError::NotRegular);
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return FailErrno();
    return FileStatus::Ok();
}

// Rewrites the existing regular file target in place: space reserved first, then the data,
// then the file cut to its new length.
FileStatus WriteInPlace(const std::string& target, std::string_view data) {
    int fd = ::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return FailErrno();
    struct stat st {};
    int error = 0;
    if (::fstat(fd, &st) != 0)
        error = errno;
    else if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return Fail(FileError::NotRegular);
    }
    if (!error && !data.empty()) {
        // Not every file system can reserve space; those simply go on without.
        const int reserved = ::posix_fallocate(fd, 0, static_cast<off_t>(data.size()));
        if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL) error = reserved;
    }
    if (!error && !WriteAllAt(fd, data, 0)) error = errno;
    if (!error && ::ftruncate(fd, static_cast<off_t>(data.size())) != 0) error = errno;
    if (!error && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    return error ? Fail(FileError::System, error) : FileStatus::Ok();
}

}  // namespace

FileStatus FileStatus::FromErrno(int error) {
    return Fail(error == ENOENT ? FileError::Missing : FileError::System, error);
}

std::string FileStatus::Text(const std::string& path) const {
    switch (error) {
        case FileError::None:
            return {};
        case FileError::NotRegular:
            return FormatMessageId(kMsgNotRegularFile, {path});
        case FileError::TooLarge:
            return FormatMessageId(kMsgFileTooLarge, {path, std::to_string(limit)});
        default:
            return SystemErrorText(systemError);
    }
}

FileStatus ReadSmallFile(const std::string& path, std::size_t maxBytes, std::string& data) {
    data.clear();
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return FailErrno();
    if (S_ISDIR(st.st_mode)) return Fail(FileError::System, EISDIR);
    if (!S_ISREG(st.st_mode)) return Fail(FileError::NotRegular);
    FileStatus tooLarge = Fail(FileError::TooLarge);
    tooLarge.limit = maxBytes;
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) return tooLarge;
    // Non-blocking, so that a file swapped for a FIFO meanwhile cannot hold the open.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return FailErrno();
    FileStatus status;
    if (::fstat(fd, &st) != 0)
        status = FailErrno();
    else if (!S_ISREG(st.st_mode))
        status = Fail(FileError::NotRegular);
    char buffer[65536];
    while (status) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            status = FailErrno();
        } else if (n == 0) {
            break;
        } else if (data.size() + static_cast<std::size_t>(n) > maxBytes) {
            status = tooLarge;  // it grew while being read
        } else {
            data.append(buffer, static_cast<std::size_t>(n));
        }
    }
    const int saved = errno;
    ::close(fd);
    errno = saved;
    if (!status) data.clear();
    return status;
}

FileStatus ResolveSaveTarget(const std::string& path, std::string& target) {
    std::string current = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0) {
            if (errno != ENOENT) return FailErrno();
            target = current;  // a new file, or a link that points at one
            return FileStatus::Ok();
        }
        if (!S_ISLNK(st.st_mode)) {
            target = current;
            return FileStatus::Ok();
        }
        char link[4096];
        ssize_t n = ::readlink(current.c_str(), link, sizeof link - 1);
        if (n < 0) return FailErrno();
        std::string next(link, static_cast<std::size_t>(n));
        current = next.front() == '/' ? next : DirectoryOf(current) + "/" + next;
    }
    return Fail(FileError::System, ELOOP);
}

FileStatus CheckSaveTarget(const std::string& path) {
    std::string target;
    if (FileStatus status = ResolveSaveTarget(path, target); !status) return status;
    struct stat st {};
    bool exists = false;
    return CheckResolvedTarget(target, st, exists);
}

bool RestrictToOwner(const std::string& path) {
    // Opened rather than stat'ed by name, so that the file checked is the file changed;
    // O_NONBLOCK keeps a FIFO from blocking the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return true;
    struct stat st {};
    bool ok = true;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
        (st.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        ok = ::fchmod(fd, st.st_mode & 07777 & ~static_cast<mode_t>(S_IRWXG | S_IRWXO)) == 0;
    ::close(fd);
    return ok;
}

FileStatus WriteFileSafely(const std::string& path, std::string_view data, mode_t newFileMode) {
    std::string target;
    if (FileStatus status = ResolveSaveTarget(path, target); !status) return status;
    struct stat st {};
    bool exists = false;
    if (FileStatus status = CheckResolvedTarget(target, st, exists); !status) return status;

    // Another name of the same file would keep the old content after a rename.
    if (exists && st.st_nlink > 1) return WriteInPlace(target, data);
    std::string temp = target + ".tmp.XXXXXX";
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        // The file may be writable where its directory is not.
        if (exists && (errno == EACCES || errno == EPERM)) return WriteInPlace(target, data);
        return FailErrno();
    }
    const mode_t mode = exists ? (st.st_mode & 07777) : newFileMode;
    if (exists && (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) &&
        ::fchown(fd, st.st_uid, st.st_gid) != 0) {
        // The owner cannot be kept by a new file: rewrite the file itself.
        ::close(fd);
        ::unlink(temp.c_str());
        return WriteInPlace(target, data);
    }
    int error = 0;
    if (::fchmod(fd, mode) != 0) error = errno;
    if (!error && !WriteAllAt(fd, data, 0)) error = errno;
    if (!error && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(temp.c_str(), target.c_str()) != 0) error = errno;
    if (error) {
        ::unlink(temp.c_str());
        return Fail(FileError::System, error);
    }
    // Make the rename itself durable; a failure here does not undo a completed save.
    int dirFd = ::open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return FileStatus::Ok();
}

}  // namespace voltaro
