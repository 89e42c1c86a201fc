#include "core/app/user_guide.h"

#include <sys/stat.h>
#include <unistd.h>

#include "core/app/recent_files.h"

namespace voltaro {

namespace {

constexpr const char* kGuideName = "README.md";

}  // namespace

std::vector<std::string> UserGuideCandidates(const std::string& programDirectory,
                                             const std::string& sourceDirectory) {
    std::vector<std::string> candidates;
    const std::string prefix = FolderOf(programDirectory);
    if (!prefix.empty()) candidates.push_back(prefix + "/share/doc/voltaro/" + kGuideName);
    candidates.push_back(programDirectory + "/" + kGuideName);
    if (!sourceDirectory.empty()) candidates.push_back(sourceDirectory + "/" + kGuideName);
    return candidates;
}

std::string FindUserGuide(const std::vector<std::string>& candidates) {
    for (const std::string& path : candidates) {
        struct stat info {};
        if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::access(path.c_str(), R_OK) == 0) {
            return path;
        }
    }
    return {};
}

}  // namespace voltaro
