// Backups and the audit log of safe downloads.
#include "core/files/download_records.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>

#include "core/files/config_file.h"
#include "core/platform/file_io.h"
#include "core/platform/json_text.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/safe_download_text_ids.h"
#include "core/platform/sys_error.h"
#include "core/platform/utc_time.h"

namespace voltaro {
namespace {

constexpr std::size_t kMaxSerialNameChars = 64;

std::string UserHome() {
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return ".";
}

// Makes path and every missing folder above it with mode 0700; throws the folder's failure.
void MakePrivateDirectories(const std::string& path) {
    for (std::size_t pos = path.find('/', 1);; pos = path.find('/', pos + 1)) {
        const std::string dir = path.substr(0, pos);
        if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
            throw CPrivateException(
                FormatMessageId(kTextSafeBackupDirectoryFailed, {dir, SystemErrorText(errno)}));
        if (pos == std::string::npos) break;
    }
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        throw CPrivateException(
            FormatMessageId(kTextSafeBackupDirectoryFailed, {path, SystemErrorText(ENOTDIR)}));
}

std::string ParentDirectory(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
}

}  // namespace

std::string VoltaroDataDirectory() {
    const char* data = std::getenv("XDG_DATA_HOME");
    // Relative values are invalid for XDG_DATA_HOME and are ignored.
    const std::string base = (data && data[0] == '/') ? data : UserHome() + "/.local/share";
    return base + "/voltaro";
}

std::string BackupRootDirectory() {
    return VoltaroDataDirectory() + "/backups";
}

std::string AuditLogPath() {
    return VoltaroDataDirectory() + "/audit.log";
}

std::string SafeSerialName(const std::string& serial) {
    std::string name;
    for (char c : serial) {
        if (name.size() == kMaxSerialNameChars) break;
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
        name += plain ? c : '_';
    }
    if (name.empty()) return "unknown";
    if (name[0] == '.') name[0] = '_';
    return name;
}

std::string BackupFileName(std::chrono::system_clock::time_point time) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ.cfg", &utc);
    return text;
}

bool IsBackupFile(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return false;
    const std::string file = real;
    std::free(real);
    char* rootReal = ::realpath(BackupRootDirectory().c_str(), nullptr);
    if (!rootReal) return false;
    const std::string root = std::string(rootReal) + "/";
    std::free(rootReal);
    return file.compare(0, root.size(), root) == 0;
}

std::string SaveBackup(const ParameterImage& image, const std::string& serial,
                       std::chrono::system_clock::time_point time) {
    const std::string directory = BackupRootDirectory() + "/" + SafeSerialName(serial);
    MakePrivateDirectories(directory);
    const std::string name = BackupFileName(time);
    const std::string stem = directory + "/" + name.substr(0, name.size() - 4);
    // The name is taken by creating the file: two backups of one device in one second (fleet
    // runs back devices up in parallel, and devices without a serial share a folder) then
    // get two names, where a look before the write could give both the same.
    for (int n = 1;; ++n) {
        const std::string path = stem + (n == 1 ? "" : "-" + std::to_string(n)) + ".cfg";
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0)
            throw CPrivateException::WithSystemText(kMsgSaveError,
                                                    FileStatus::FromErrno(errno).Text(path));
        ::close(fd);
        try {
            SaveConfigFile(path, image);
        } catch (...) {
            ::unlink(path.c_str());  // no empty file that looks like a backup
            throw;
        }
        return path;
    }
}

const char* VerifyStateName(VerifyState state) {
    switch (state) {
        case VerifyState::Matched:
            return "matched";
        case VerifyState::Mismatched:
            return "mismatch";
        case VerifyState::NotRead:
            return "not read";
        case VerifyState::NotRun:
            return "not run";
        case VerifyState::Off:
            break;
    }
    return "off";
}

std::string AuditLine(const AuditRecord& r) {
    std::string line = "{\"time\":" + JsonString(IsoUtcTimeText(r.time));
    line += ",\"operation\":" + JsonString(r.operation);
    line += ",\"device\":" + JsonString(r.device);
    line += ",\"model\":" + JsonString(r.model);
    line += ",\"serial\":" + JsonString(r.serial);
    line += ",\"source\":" + JsonString(r.source);
    line += ",\"backup\":" + (r.backup.empty() ? std::string("null") : JsonString(r.backup));
    line += ",\"parameters_changed\":" +
            (r.parametersChanged ? std::to_string(*r.parametersChanged) : std::string("null"));
    line += ",\"verification\":" + JsonString(VerifyStateName(r.verification));
    line += ",\"mismatches\":" + std::to_string(r.mismatches);
    line += ",\"differing\":[";
    for (std::size_t i = 0; i < r.differing.size(); ++i)
        line += (i ? "," : "") + JsonString(r.differing[i]);
    line += "],\"result\":" + JsonString(r.result);
    line += ",\"failure\":" + JsonString(r.failure) + "}";
    return line;
}

std::string AppendAuditLine(const std::string& path, const std::string& line) {
    try {
        if (const std::string parent = ParentDirectory(path); !parent.empty())
            MakePrivateDirectories(parent);
    } catch (const CPrivateException& e) {
        return e.Message();
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return SystemErrorText(errno);
    const std::string data = line + "\n";
    // One write: O_APPEND places it at the end as a whole, whoever else appends.
    const ssize_t written = ::write(fd, data.data(), data.size());
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (written < 0) return SystemErrorText(writeError);
    if (static_cast<std::size_t>(written) != data.size()) return SystemErrorText(ENOSPC);
    if (!closed) return SystemErrorText(errno);
    return {};
}

}  // namespace voltaro
