#include "core/monitor/csv_log.h"

#include <cerrno>
#include <fstream>

#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/sys_error.h"

namespace voltaro {
namespace {

constexpr const char* kLineEnd = "\r\n";

[[noreturn]] void Fail(int messageId, const std::string& path, int error) {
    throw CPrivateException(FormatMessageId(messageId, {path, SystemErrorText(error)}));
}

struct ExistingFile {
    bool exists = false;
    bool empty = true;
    std::string firstLine;  // without its line end
    bool endsWithLineEnd = true;
};

ExistingFile Inspect(const std::string& path) {
    ExistingFile file;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (errno != ENOENT) Fail(kMsgLogCannotOpen, path, errno);
        return file;
    }
    file.exists = true;
    std::getline(in, file.firstLine);
    if (!file.firstLine.empty() && file.firstLine.back() == '\r') file.firstLine.pop_back();
    in.clear();
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    file.empty = size <= 0;
    if (!file.empty) {
        in.seekg(size - 1);
        char last = 0;
        in.get(last);
        file.endsWithLineEnd = last == '\n';
    }
    return file;
}

bool NeedsQuotes(const std::string& field) {
    return field.find_first_of(",\"\r\n") != std::string::npos;
}

}  // namespace

CCsvLog::~CCsvLog() {
    Close();
}

std::string CCsvLog::JoinFields(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        if (!NeedsQuotes(fields[i])) {
            line += fields[i];
            continue;
        }
        line += '"';
        for (char c : fields[i]) {
            if (c == '"') line += '"';
            line += c;
        }
        line += '"';
    }
    return line;
}

void CCsvLog::Open(const std::string& path, const std::vector<std::string>& header) {
    Close();
    const std::string headerLine = JoinFields(header);
    const ExistingFile existing = Inspect(path);
    if (existing.exists && !existing.empty && existing.firstLine != headerLine)
        throw CPrivateException(FormatMessageId(kMsgLogOtherHeader, {path}));
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (file == nullptr) Fail(kMsgLogCannotOpen, path, errno);
    file_ = file;
    path_ = path;
    if (!existing.exists || existing.empty) {
        AppendRow(header);
    } else if (!existing.endsWithLineEnd) {
        // The last row of an earlier run was cut off: the next row starts on a line of
        // its own.
        if (std::fputs(kLineEnd, file_) < 0 || std::fflush(file_) != 0)
            Fail(kMsgLogCannotWrite, path_, errno);
    }
}

void CCsvLog::AppendRow(const std::vector<std::string>& fields) {
    if (file_ == nullptr) return;
    const std::string line = JoinFields(fields) + kLineEnd;
    if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() || std::fflush(file_) != 0) {
        Fail(kMsgLogCannotWrite, path_, errno);
    }
}

void CCsvLog::Close() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
}

}  // namespace voltaro
