#pragma once
// The parameter report: one row per parameter of the PC image with its group, name and
// value text, optionally compared with a second image (read from the device or from a
// configuration file), with the mismatch count, the status text and the CSV export.
// The report dialog of the desktop program and voltaro-cli both show this model.
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/parameter_image.h"

namespace voltaro {

enum class RowState : uint16_t {
    Equal = 0,
    Different = 1,
    NotApplicable = 2,  // applies to neither image's device type (or not to one of them)
};

struct ReportRow {
    int word = 0;   // first image word of the parameter
    int group = 0;  // counter that goes up whenever the group name changes
    RowState state = RowState::Equal;
    std::string groupName;
    std::string name;
    std::string pcText;
    std::string otherText;  // empty before a comparison

    // The list item data: group counter in the high 16 bits, state in the low 16.
    uint32_t ItemData() const {
        return (static_cast<uint32_t>(group) << 16) | static_cast<uint16_t>(state);
    }
};

struct ReportListing {
    std::vector<ReportRow> rows;  // visible rows, in list order
    int mismatchCount = 0;
    int firstMismatch = -1;  // index into rows, -1 when none
};

class CParameterReport {
  public:
    explicit CParameterReport(const ParameterImage& pcImage);

    // Makes other the second image; title heads its column ("Device" or a file name).
    void CompareWith(const ParameterImage& other, std::string title);

    bool Compared() const { return compared_; }
    const std::string& OtherTitle() const { return otherTitle_; }
    const ParameterImage& PcImage() const { return pcImage_; }
    const ParameterImage& OtherImage() const { return otherImage_; }

    // The rows to list. With hideIgnored, rows that apply to neither side and show no
    // value at all are left out.
    ReportListing Build(bool hideIgnored) const;
    // State of one parameter (first word of the entry).
    RowState StateOf(int word) const;

    // kMsgAllParametersMatch or kMsgParametersNotMatching after a comparison, empty
    // before; alert when the count is not 0.
    std::string StatusText(const ReportListing& listing) const;
    bool StatusIsAlert(const ReportListing& listing) const { return listing.mismatchCount != 0; }

    // CSV lines (UTF-8, each ending in CR LF, no header). With hideIgnored, lines whose
    // value texts are all empty are left out.
    std::vector<std::string> CsvLines(bool hideIgnored) const;
    // Writes the CSV file (replacing an existing one) in charset, which defaults to the
    // current locale's. Throws CPrivateException kMsgSaveError with the system's text on
    // failure.
    void ExportCsv(const std::string& path, bool hideIgnored, std::string charset = "") const;
    // The CSV form for spreadsheet programs in any locale: a header line naming the columns
    // ("Group", "Name", "PC" and, after a comparison, the second column's title), then the
    // same lines as CsvLines, in UTF-8 behind a byte order mark. Failures as ExportCsv.
    std::string SpreadsheetCsv(bool hideIgnored) const;
    void ExportSpreadsheetCsv(const std::string& path, bool hideIgnored) const;

  private:
    ParameterImage pcImage_;
    ParameterImage otherImage_;
    bool compared_ = false;
    std::string otherTitle_;
};

// The first words of every parameter entry in list order (the second word of a 32-bit
// or address entry has no row of its own).
std::vector<int> ReportEntryWords();

// One CSV line: the fields in double quotes (inner quotes doubled), separated by commas,
// ended with CR LF.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace voltaro
