// CUserProfile: the per-user settings file.
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/profile.h"
#include "core/platform/user_notice.h"

namespace voltaro {
namespace {

std::string HomeDirectory() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return ".";
}

// Creates every missing directory above path with mode 0700.
bool CreateParentDirectories(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0) return true;
    for (std::size_t pos = path.find('/', 1); pos != std::string::npos && pos <= slash;
         pos = path.find('/', pos + 1)) {
        std::string dir = path.substr(0, pos);
        if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return true;
}

}  // namespace

std::string CUserProfile::DefaultPath() {
    const char* explicitPath = std::getenv("VOLTARO_PROFILE");
    if (explicitPath && *explicitPath) return explicitPath;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    // Relative values are invalid for XDG_CONFIG_HOME and are ignored.
    std::string base = (config && config[0] == '/') ? config : HomeDirectory() + "/.config";
    return base + "/Orvanta/VOLTARO.ini";
}

CUserProfile::CUserProfile(std::string path) : path_(std::move(path)) {
    loadStatus_ = file_.Load(path_);
    if (!loadStatus_)
        TellUserOnce(FormatMessageId(kMsgProfileUnreadable, {path_, loadStatus_.Text(path_)}));
}

int CUserProfile::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
    auto text = file_.Get(section, key);
    if (!text) return defaultValue;
    return ParseProfileInt(*text).value_or(defaultValue);
}

std::string CUserProfile::GetString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    auto text = file_.Get(section, key);
    return text ? *text : std::string(defaultValue);
}

void CUserProfile::SetInt(std::string_view section, std::string_view key, int value) {
    file_.Set(section, key, std::to_string(value));
}

void CUserProfile::SetString(std::string_view section, std::string_view key,
                             std::string_view value) {
    file_.Set(section, key, value);
}

bool CUserProfile::Save() {
    if (!loadStatus_) {
        // Writing would replace every section and key that could not be read.
        errno = loadStatus_.systemError != 0 ? loadStatus_.systemError : EACCES;
        return false;
    }
    if (!CreateParentDirectories(path_)) return false;
    // The profile holds the remembered passcode; a profile that an older version wrote
    // readable by others (0644) is made private before it is saved, as a new one is. The
    // save itself keeps the mode it finds. Someone else's file is never touched.
    RestrictToOwner(path_);
    return static_cast<bool>(file_.Save(path_, 0600));
}

}  // namespace voltaro
