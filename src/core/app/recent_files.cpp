#include "core/app/recent_files.h"

#include <algorithm>

#include "core/app/app_settings.h"
#include "core/platform/profile.h"

namespace voltaro {

namespace {

std::string RecentKey(int index) {
    return "RecentFile" + std::to_string(index + 1);
}

constexpr const char* kLastFolderKey = "LastFolder";

}  // namespace

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void CRecentFiles::Add(const std::string& path) {
    if (path.empty()) return;
    Remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > static_cast<std::size_t>(kMaxRecentFiles)) paths_.resize(kMaxRecentFiles);
    UseFolderOf(path);
}

void CRecentFiles::Remove(const std::string& path) {
    paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
}

void CRecentFiles::UseFolderOf(const std::string& path) {
    const std::string folder = FolderOf(path);
    if (!folder.empty()) lastFolder_ = folder;
}

std::string CRecentFiles::DialogStart(const std::string& documentPath) const {
    if (!documentPath.empty()) return documentPath;
    if (lastFolder_.empty()) return {};
    if (paths_.empty()) return lastFolder_;
    const std::string separator = lastFolder_.back() == '/' ? "" : "/";
    return lastFolder_ + separator + FileNameOf(paths_.front());
}

void CRecentFiles::Load(const CUserProfile& profile) {
    paths_.clear();
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        const std::string path = profile.GetString(kSettingsSection, RecentKey(i), "");
        // Only absolute paths are taken, each once: a hand-edited profile cannot make the
        // list open something relative to wherever the program was started.
        if (path.empty() || path.front() != '/') continue;
        if (std::find(paths_.begin(), paths_.end(), path) == paths_.end()) paths_.push_back(path);
    }
    lastFolder_ = profile.GetString(kSettingsSection, kLastFolderKey, "");
}

void CRecentFiles::Store(CUserProfile& profile) const {
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        const std::size_t index = static_cast<std::size_t>(i);
        profile.SetString(kSettingsSection, RecentKey(i),
                          index < paths_.size() ? paths_[index] : std::string());
    }
    profile.SetString(kSettingsSection, kLastFolderKey, lastFolder_);
}

}  // namespace voltaro
