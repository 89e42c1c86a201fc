// Parameter report model, comparison and CSV export.
#include "core/files/parameter_report.h"

#include <clocale>
#include <cstdio>

#include "core/platform/file_io.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"
#include "core/platform/text_encoding.h"

namespace voltaro {
std::vector<int> ReportEntryWords() {
    std::vector<int> words;
    for (int word = 0; word < kImageWords; word += StartsTwoWordEntry(word) ? 2 : 1)
        words.push_back(word);
    return words;
}

CParameterReport::CParameterReport(const ParameterImage& pcImage) : pcImage_(pcImage) {}

void CParameterReport::CompareWith(const ParameterImage& other, std::string title) {
    otherImage_ = other;
    otherTitle_ = std::move(title);
    compared_ = true;
}

RowState CParameterReport::StateOf(int word) const {
    if (!pcImage_.Applies(word)) return RowState::NotApplicable;
    if (!compared_) return RowState::Equal;
    if (!otherImage_.Applies(word)) return RowState::NotApplicable;
    bool equal = StartsTwoWordEntry(word)
                     // 32-bit values, and IPv4 addresses, compare as one value of both words.
                     ? pcImage_.Get32(word) == otherImage_.Get32(word)
                     : pcImage_.words[word] == otherImage_.words[word];
    return equal ? RowState::Equal : RowState::Different;
}

ReportListing CParameterReport::Build(bool hideIgnored) const {
    ReportListing listing;
    int group = -1;
    std::string previousGroup;
    for (int word : ReportEntryWords()) {
        ReportRow row;
        row.word = word;
        row.groupName = pcImage_.GroupName(word);
        if (group < 0 || row.groupName != previousGroup) ++group;
        previousGroup = row.groupName;
        row.group = group;
        row.name = pcImage_.ParameterName(word);
        row.pcText = pcImage_.ValueText(word);
        if (compared_) row.otherText = otherImage_.ValueText(word);
        row.state = StateOf(word);
        if (row.state == RowState::Different) ++listing.mismatchCount;
        if (hideIgnored && row.state == RowState::NotApplicable && row.pcText.empty() &&
            row.otherText.empty())
            continue;
        if (row.state == RowState::Different && listing.firstMismatch < 0)
            listing.firstMismatch = static_cast<int>(listing.rows.size());
        listing.rows.push_back(std::move(row));
    }
    return listing;
}

std::string CParameterReport::StatusText(const ReportListing& listing) const {
    if (!compared_) return {};
    if (listing.mismatchCount == 0) return LoadString(kMsgAllParametersMatch);
    return FormatMessageId(kMsgParametersNotMatching, {listing.mismatchCount});
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i) line += ',';
        line += '"';
        for (char c : fields[i]) {
            if (c == '"') line += '"';  // a quote inside a field is written twice
            line += c;
        }
        line += '"';
    }
    line += "\r\n";
    return line;
}

std::vector<std::string> CParameterReport::CsvLines(bool hideIgnored) const {
    std::vector<std::string> lines;
    for (const ReportRow& row : Build(false).rows) {
        if (hideIgnored && row.pcText.empty() && row.otherText.empty()) continue;
        std::vector<std::string> fields{row.groupName, row.name, row.pcText};
        if (compared_) fields.push_back(row.otherText);
        lines.push_back(CsvLine(fields));
    }
    return lines;
}

void CParameterReport::ExportCsv(const std::string& path, bool hideIgnored,
                                 std::string charset) const {
    if (charset.empty()) charset = LocaleCharset();
    std::string data;
    for (const std::string& line : CsvLines(hideIgnored))
        data += ConvertFromUtf8(line, charset);
    if (FileStatus status = WriteFileSafely(path, data, 0644); !status)
        throw CPrivateException::WithSystemText(kMsgSaveError, status.Text(path));
}

std::string CParameterReport::SpreadsheetCsv(bool hideIgnored) const {
    std::vector<std::string> header{LoadString(kTextColumnGroup), LoadString(kTextColumnName),
                                    LoadString(kTextColumnPc)};
    if (compared_) header.push_back(otherTitle_);
    std::string data = "\xEF\xBB\xBF" + CsvLine(header);
    for (const std::string& line : CsvLines(hideIgnored))
        data += line;
    return data;
}

void CParameterReport::ExportSpreadsheetCsv(const std::string& path, bool hideIgnored) const {
    if (FileStatus status = WriteFileSafely(path, SpreadsheetCsv(hideIgnored), 0644); !status)
        throw CPrivateException::WithSystemText(kMsgSaveError, status.Text(path));
}

}  // namespace voltaro
