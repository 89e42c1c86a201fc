#pragma once
// Private-profile (INI) files with the semantics the system expects of them, and the
// per-user profile built on them.
//
// CIniFile: case-insensitive sections and keys; a written key replaces its own line in
// place; other sections, keys and comments are kept; new files use CRLF; reads LF, CRLF,
// a UTF-8 BOM and UTF-16LE (with BOM; such a file is written back as UTF-8). Values read
// are trimmed of surrounding blanks and of one pair of surrounding double quotes; of
// duplicate keys the first is read, replaced and listed. Files are read and written with
// the care of file_io.h: regular files only, at most kMaxSettingsFileBytes, saved
// atomically with the target's mode, owner and links kept. Edits are made in memory: a
// batch of writes costs one file write.
#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/platform/file_io.h"

namespace voltaro {

class CIniFile {
  public:
    CIniFile() = default;

    // Reads path. A missing file gives an empty profile and success. Other failures
    // (errno set for system errors) leave the object empty.
    FileStatus Load(const std::string& path);
    // Writes the file (WriteFileSafely; a new file gets mode); on failure the old file
    // stays as it was, errno set for system errors.
    FileStatus Save(const std::string& path, mode_t mode = 0644) const;
    // Replaces the content by the file text data (as Load does after reading).
    void Parse(std::string data);
    // The file text that Save writes.
    std::string Text() const;

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);
    void Remove(std::string_view section, std::string_view key);
    bool HasSection(std::string_view section) const;
    // Keys of a section in file order (original spelling).
    std::vector<std::string> Keys(std::string_view section) const;

    // Every line that means something, in file order with its 1-based line number, for
    // readers that check a file strictly (duplicates, unknown keys, stray text): section
    // headers, key lines of a section (value as Get reads it) and other text. Blank lines
    // and comments (";" or "#" first) are left out.
    struct Entry {
        enum Kind { kHeader, kKey, kOther };
        Kind kind = kOther;
        int line = 0;
        std::string section;  // kHeader and kKey: the section's name
        std::string key;      // kKey
        std::string value;    // kKey; kOther: the line's text
    };
    std::vector<Entry> Entries() const;

  private:
    struct Line {
        std::string text;       // the line as read (without its end of line)
        std::string section;    // section it belongs to (original spelling)
        std::string key;        // non-empty for key=value lines
        std::string sectionId;  // section and key folded for comparing (Folded)
        std::string keyId;
        bool header = false;     // a [section] line
        bool inSection = false;  // false for lines before the first section header
    };
    const Line* FindKey(std::string_view section, std::string_view key) const;
    void IndexLines();
    void InsertLine(std::size_t at, Line line);
    static std::string ValueOf(const Line& line);

    std::vector<Line> lines_;
    // Where the first line of every key is, by IndexKey of its folded section and key name:
    // kept up to date by every change, so that reading or writing a file of a few hundred
    // keys does not scan the whole file per key.
    static std::string IndexKey(std::string_view sectionId, std::string_view keyId);
    std::unordered_map<std::string, std::size_t> index_;
    // The key line Set added last: the next new key of the same section goes right after it
    // (where a scan for the end of the section's first block would put it).
    std::string lastAddedSectionId_;
    std::size_t lastAddedAt_ = 0;
    bool lastAddedValid_ = false;
    bool crlf_ = true;
    bool utf8Bom_ = false;  // a UTF-8 byte order mark is written back when the file had one
};

// Parses a profile integer: optional sign and decimal digits (leading/trailing blanks
// allowed). Anything else, or a value that does not fit 32 bits, gives nullopt.
std::optional<int> ParseProfileInt(std::string_view text);

// The per-user profile: $VOLTARO_PROFILE, else $XDG_CONFIG_HOME/Orvanta/VOLTARO.ini
// (default ~/.config/Orvanta/VOLTARO.ini). Created with mode 0600.
class CUserProfile {
  public:
    static std::string DefaultPath();
    // Loads the profile at path (a missing file is an empty profile). A profile that exists
    // but cannot be read (no permission, not a regular file, too large) gives the defaults,
    // is told to the user once (TellUserOnce) and is never written.
    explicit CUserProfile(std::string path = DefaultPath());

    const std::string& Path() const { return path_; }
    // An absent or invalid value gives the default.
    int GetInt(std::string_view section, std::string_view key, int defaultValue) const;
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue) const;
    void SetInt(std::string_view section, std::string_view key, int value);
    void SetString(std::string_view section, std::string_view key, std::string_view value);
    // Writes the profile (one file write for all changes since loading); false with errno.
    // A profile that existed but could not be read is never overwritten: Save then fails
    // with the read's errno (EACCES when the read failed for another reason).
    bool Save();
    // The result of reading the file (a missing file counts as read).
    const FileStatus& LoadStatus() const { return loadStatus_; }

  private:
    std::string path_;
    CIniFile file_;
    FileStatus loadStatus_;
};

}  // namespace voltaro
