#pragma once
// Where a safe download keeps its records, and how: the backups of the device's
// configuration taken before a download ($XDG_DATA_HOME/voltaro/backups/<serial>/, one
// time-stamped .cfg each) and the audit log ($XDG_DATA_HOME/voltaro/audit.log, one JSON
// object per line and per operation). Without XDG_DATA_HOME (or with a relative one) the
// base is ~/.local/share. Folders this makes are private to the user (mode 0700).
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace voltaro {

class ParameterImage;

// "$XDG_DATA_HOME/voltaro" (see above), without a trailing slash.
std::string VoltaroDataDirectory();
std::string BackupRootDirectory();
std::string AuditLogPath();

// serial as a safe single file name: characters outside [A-Za-z0-9._-] become '_', a leading
// '.' becomes '_' (no hidden names, no "." or ".."), at most 64 characters; an empty serial
// gives "unknown".
std::string SafeSerialName(const std::string& serial);
// "20261207T230512Z.cfg": the UTC second of time.
std::string BackupFileName(std::chrono::system_clock::time_point time);
// Whether path lies in the backup root (the file downloaded is a backup: a restore).
bool IsBackupFile(const std::string& path);

// Saves image as a new backup of the device with this serial and returns its path. A
// backup never replaces another: a second one within the same second gets "-2", "-3" ...
// before ".cfg". Throws CPrivateException when the folder cannot be made or the file
// cannot be written.
std::string SaveBackup(const ParameterImage& image, const std::string& serial,
                       std::chrono::system_clock::time_point time);

enum class VerifyState { Off, Matched, Mismatched, NotRead, NotRun };

// One line of the audit log.
struct AuditRecord {
    std::chrono::system_clock::time_point time;
    std::string operation;  // "download" or "restore"
    std::string device;     // the link and address (ConnectionText)
    std::string model;
    std::string serial;
    std::string source;  // the file downloaded (empty: the desktop's unsaved parameters)
    std::string backup;  // empty: none made
    std::optional<int> parametersChanged;  // against the backup; none without one
    VerifyState verification = VerifyState::Off;
    int mismatches = 0;
    std::vector<std::string> differing;  // the first differing parameters' names
    std::string result;                  // "completed", "cancelled", "not unlocked", "failed"
    std::string failure;                 // the failure's text, empty when none
};

// The record as one line of JSON, without line break (line breaks in texts are escaped).
std::string AuditLine(const AuditRecord& record);
// "off", "matched", "mismatch", "not read", "not run".
const char* VerifyStateName(VerifyState state);
// Appends line and a line break to the log at path with one write on a descriptor opened
// with O_APPEND, so that programs writing at the same time never mix their lines. Makes the
// log's folder (0700) and a new log (0600). Returns the failure's text, empty on success.
std::string AppendAuditLine(const std::string& path, const std::string& line);

}  // namespace voltaro
