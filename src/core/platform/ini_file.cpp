// CIniFile: an in-memory private-profile file that keeps every line it does not change.
#include <algorithm>
#include <cerrno>
#include <climits>

#include "core/platform/profile.h"
#include "core/platform/text_encoding.h"

namespace voltaro {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// The form in which two names compare equal when they are the same name: ASCII letters
// in lower case, every other byte as it is.
std::string Folded(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

// A line break inside a written value would split it into two lines of the file and
// inject a line of its own; such characters are written as blanks instead.
std::string OneLine(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

}  // namespace

FileStatus CIniFile::Load(const std::string& path) {
    std::string data;
    FileStatus status = ReadSmallFile(path, kMaxSettingsFileBytes, data);
    if (status.error == FileError::Missing) status = FileStatus::Ok();
    const int saved = errno;
    Parse(status ? std::move(data) : std::string());
    errno = saved;
    return status;
}

void CIniFile::Parse(std::string data) {
    lines_.clear();
    crlf_ = true;
    utf8Bom_ = false;
    if (data.size() >= 2 && static_cast<unsigned char>(data[0]) == 0xFF &&
        static_cast<unsigned char>(data[1]) == 0xFE) {
        data = Utf16LeToUtf8(std::string_view(data).substr(2));
        // The text is saved as UTF-8. When it begins with U+FEFF itself, a byte order mark
        // goes before it, so that the saved file read again keeps that character as text.
        utf8Bom_ = data.compare(0, 3, "\xEF\xBB\xBF") == 0;
    } else if (data.size() >= 3 && data.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        data.erase(0, 3);
        utf8Bom_ = true;
    }
    std::size_t firstBreak = data.find('\n');
    crlf_ = firstBreak == std::string::npos || (firstBreak > 0 && data[firstBreak - 1] == '\r');

    // One line object per line, allocated once; the section's folded name is made once
    // per header, not per line.
    lines_.reserve(static_cast<std::size_t>(std::count(data.begin(), data.end(), '\n')) + 1);
    std::string section;
    std::string sectionId;
    bool inSection = false;
    std::size_t start = 0;
    while (start < data.size()) {
        std::size_t end = data.find('\n', start);
        if (end == std::string::npos) end = data.size();
        std::string text = data.substr(start, end - start);
        if (!text.empty() && text.back() == '\r') text.pop_back();
        start = end + 1;

        Line line;
        std::string_view body = Trim(text);
        if (!body.empty() && body.front() == '[' && body.find(']') != std::string_view::npos) {
            section = std::string(Trim(body.substr(1, body.find(']') - 1)));
            sectionId = Folded(section);
            inSection = true;
            line.header = true;
        } else if (inSection && !body.empty() && body.front() != ';') {
            std::size_t equals = body.find('=');
            if (equals != std::string_view::npos)
                line.key = std::string(Trim(body.substr(0, equals)));
        }
        line.text = std::move(text);
        line.section = section;
        line.sectionId = sectionId;
        line.keyId = Folded(line.key);
        line.inSection = inSection;
        lines_.push_back(std::move(line));
    }
    IndexLines();
}

void CIniFile::IndexLines() {
    index_.clear();
    lastAddedValid_ = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.inSection && !line.key.empty())
            index_.try_emplace(IndexKey(line.sectionId, line.keyId), i);
    }
}

// Inserts line at index at (a key line of a key the file does not have yet).
void CIniFile::InsertLine(std::size_t at, Line line) {
    if (at < lines_.size())
        for (auto& entry : index_)
            if (entry.second >= at) ++entry.second;
    index_.try_emplace(IndexKey(line.sectionId, line.keyId), at);
    lastAddedSectionId_ = line.sectionId;
    lastAddedAt_ = at;
    lastAddedValid_ = true;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

std::string CIniFile::Text() const {
    std::string data;
    if (utf8Bom_) data = "\xEF\xBB\xBF";
    const char* eol = crlf_ ? "\r\n" : "\n";
    for (const Line& line : lines_) {
        data += line.text;
        data += eol;
    }
    return data;
}

FileStatus CIniFile::Save(const std::string& path, mode_t mode) const {
    return WriteFileSafely(path, Text(), mode);
}

// No line holds a line break, so a stored section and key joined by one cannot be read as
// another pair; the short keys of a file stay inside the string's own buffer.
std::string CIniFile::IndexKey(std::string_view sectionId, std::string_view keyId) {
    std::string joined;
    joined.reserve(sectionId.size() + 1 + keyId.size());
    joined.append(sectionId).append(1, '\n').append(keyId);
    return joined;
}

const CIniFile::Line* CIniFile::FindKey(std::string_view section, std::string_view key) const {
    // Folding the joined names folds each of them: the line break is no letter.
    const auto found = index_.find(Folded(IndexKey(section, key)));
    return found == index_.end() ? nullptr : &lines_[found->second];
}

std::optional<std::string> CIniFile::Get(std::string_view section, std::string_view key) const {
    const Line* line = FindKey(Trim(section), Trim(key));
    if (!line) return std::nullopt;
    return ValueOf(*line);
}

std::string CIniFile::ValueOf(const Line& line) {
    std::string_view value = Trim(std::string_view(line.text).substr(line.text.find('=') + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::vector<CIniFile::Entry> CIniFile::Entries() const {
    std::vector<Entry> entries;
    int number = 0;
    for (const Line& line : lines_) {
        ++number;
        const std::string_view body = Trim(line.text);
        if (body.empty() || body.front() == ';' || body.front() == '#') continue;
        Entry entry;
        entry.line = number;
        if (line.header) {
            entry.kind = Entry::kHeader;
            entry.section = line.section;
        } else if (!line.key.empty()) {
            entry.kind = Entry::kKey;
            entry.section = line.section;
            entry.key = line.key;
            entry.value = ValueOf(line);
        } else {
            entry.value = std::string(body);
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

void CIniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    if (key.empty()) return;
    const std::string written = OneLine(value);
    if (const Line* found = FindKey(section, key)) {
        Line& line = lines_[static_cast<std::size_t>(found - lines_.data())];
        line.text = line.key + "=" + written;
        return;
    }
    Line line;
    line.key = OneLine(key);
    line.keyId = Folded(line.key);
    line.text = line.key + "=" + written;
    line.inSection = true;

    // Position after the last key line of the section's first block (or its header).
    const std::string sectionId = Folded(section);
    if (lastAddedValid_ && lastAddedSectionId_ == sectionId) {
        line.section = lines_[lastAddedAt_].section;
        line.sectionId = sectionId;
        InsertLine(lastAddedAt_ + 1, std::move(line));
        return;
    }
    std::size_t insertAt = lines_.size();
    bool found = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& l = lines_[i];
        if (!l.inSection || l.sectionId != sectionId) {
            if (found) break;
            continue;
        }
        if (l.header && found) break;  // a second block of the same name
        if (l.header || !l.key.empty()) {
            insertAt = i + 1;
            found = true;
            line.section = l.section;
            line.sectionId = l.sectionId;
        }
    }
    if (found) {
        InsertLine(insertAt, std::move(line));
        return;
    }
    Line header;
    header.section = OneLine(section);
    header.sectionId = Folded(header.section);
    header.text = "[" + header.section + "]";
    header.header = true;
    header.inSection = true;
    line.section = header.section;
    line.sectionId = header.sectionId;
    lines_.push_back(std::move(header));
    InsertLine(lines_.size(), std::move(line));
}

void CIniFile::Remove(std::string_view section, std::string_view key) {
    const std::string sectionId = Folded(Trim(section));
    const std::string keyId = Folded(Trim(key));
    std::erase_if(lines_, [&](const Line& line) {
        return line.inSection && !line.key.empty() && line.sectionId == sectionId &&
               line.keyId == keyId;
    });
    IndexLines();
}

bool CIniFile::HasSection(std::string_view section) const {
    const std::string sectionId = Folded(Trim(section));
    for (const Line& line : lines_)
        if (line.header && line.sectionId == sectionId) return true;
    return false;
}

std::vector<std::string> CIniFile::Keys(std::string_view section) const {
    const std::string sectionId = Folded(Trim(section));
    std::vector<std::string> keys;
    std::vector<std::string> seenIds;
    for (const Line& line : lines_) {
        if (!line.inSection || line.key.empty() || line.sectionId != sectionId) continue;
        if (std::find(seenIds.begin(), seenIds.end(), line.keyId) != seenIds.end()) continue;
        seenIds.push_back(line.keyId);
        keys.push_back(line.key);
    }
    return keys;
}

std::optional<int> ParseProfileInt(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    long long value = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit) return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

}  // namespace voltaro
