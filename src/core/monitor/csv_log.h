#pragma once
// A log file of measured values, one row per pass: the header is written once; a file that
// already starts with the same header is appended to; a file with another first line is
// refused and left untouched. Every row is flushed to the file at once, so an interrupted
// run keeps everything already measured.
#include <cstdio>
#include <string>
#include <vector>

namespace voltaro {

class CCsvLog {
  public:
    CCsvLog() = default;
    ~CCsvLog();
    CCsvLog(const CCsvLog&) = delete;
    CCsvLog& operator=(const CCsvLog&) = delete;

    // Opens path for appending with the header's columns. Throws CPrivateException with
    // a message naming the file when it cannot be opened or read, or when it holds
    // another header; the file is then not changed.
    void Open(const std::string& path, const std::vector<std::string>& header);
    // Writes one row (quoted where a field needs it) and flushes it to the file.
    // Throws CPrivateException when the write fails.
    void AppendRow(const std::vector<std::string>& fields);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }

    // The line of fields as written (without the line end): comma-separated, a field with
    // a comma, quote or line break in quotes with inner quotes doubled.
    static std::string JoinFields(const std::vector<std::string>& fields);

  private:
    std::FILE* file_ = nullptr;
    std::string path_;
};

}  // namespace voltaro
