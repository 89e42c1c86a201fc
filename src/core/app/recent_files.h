#pragma once
// The configuration files the user opened or saved last, newest first, and the folder the
// file dialogs start in. Kept in the profile section "Settings" as "RecentFile1" ...
// "RecentFile8" and "LastFolder".
#include <string>
#include <vector>

namespace voltaro {

class CUserProfile;

constexpr int kMaxRecentFiles = 8;

class CRecentFiles {
  public:
    const std::vector<std::string>& Paths() const { return paths_; }
    const std::string& LastFolder() const { return lastFolder_; }

    // path was opened or saved: it moves to the front (once), the oldest beyond
    // kMaxRecentFiles drops out, and its folder becomes the last folder.
    void Add(const std::string& path);
    // path could not be opened any more (gone): it leaves the list.
    void Remove(const std::string& path);
    // A file dialog was left with path (a report comparison, an export): its folder becomes
    // the last folder without the file joining the list.
    void UseFolderOf(const std::string& path);

    // Where a file dialog starts: the document's own file when it has one, else the last
    // folder with the name of the newest recent file, else the last folder alone (empty
    // when nothing is known).
    std::string DialogStart(const std::string& documentPath) const;

    void Load(const CUserProfile& profile);
    void Store(CUserProfile& profile) const;

  private:
    std::vector<std::string> paths_;
    std::string lastFolder_;
};

// The folder part of path (without the trailing slash); empty for a bare name.
std::string FolderOf(const std::string& path);
// The name part of path.
std::string FileNameOf(const std::string& path);

}  // namespace voltaro
