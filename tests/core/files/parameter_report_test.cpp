// Parameter report: row states, comparison, hide rule, status texts and CSV lines.
#include "core/files/parameter_report.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/model/parameter_words.h"
#include "core/model/settings_stocker.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "core/platform/temp_dir.h"  // tests/core/platform
#include "support/test_support.h"

namespace voltaro {
namespace {

int FirstRow(uint32_t features, uint32_t family, uint32_t withoutFeatures = 0) {
    for (const DeviceTypeRecord& r : DeviceTypeTable())
        if (((r.features & features) || (r.family & family)) && !(r.features & withoutFeatures))
            return r.index;
    return -1;
}

TEST(ParameterReport, EntriesSkipTheSecondWordOfLongAndAddressValues) {
    std::vector<int> words = ReportEntryWords();
    auto has = [&](int w) { return std::find(words.begin(), words.end(), w) != words.end(); };
    EXPECT_TRUE(has(34));  // 32-bit primary voltage
    EXPECT_FALSE(has(35));
    EXPECT_TRUE(has(132));  // IP address
    EXPECT_FALSE(has(133));
    EXPECT_TRUE(has(134));
    EXPECT_FALSE(has(135));
    EXPECT_EQ(words.front(), 0);
}

TEST(ParameterReport, BeforeComparisonStatesFollowThePcImageOnly) {
    ParameterImage image = DefaultImageOfRow(FirstRow(FEAT_DISPLAY, 0));
    CParameterReport report(image);
    ReportListing listing = report.Build(false);
    EXPECT_EQ(listing.rows.size(), ReportEntryWords().size());
    EXPECT_EQ(report.StatusText(listing), "");
    EXPECT_EQ(listing.mismatchCount, 0);
    int lastGroup = 0;
    for (const ReportRow& row : listing.rows) {
        EXPECT_EQ(row.state, image.Applies(row.word) ? RowState::Equal : RowState::NotApplicable);
        EXPECT_EQ(row.ItemData() & 0xFFFF, static_cast<uint32_t>(row.state));
        EXPECT_EQ(static_cast<int>(row.ItemData() >> 16), row.group);
        EXPECT_GE(row.group, lastGroup);
        lastGroup = row.group;
        EXPECT_TRUE(row.otherText.empty());
    }
    EXPECT_GT(lastGroup, 5);
}

TEST(ParameterReport, SelfComparisonMatchesAndCountsNothing) {
    ParameterImage image = DefaultImageOfRow(FirstRow(FEAT_DISPLAY, 0));
    CParameterReport report(image);
    report.CompareWith(image, "Device");
    ReportListing listing = report.Build(false);
    EXPECT_EQ(listing.mismatchCount, 0);
    EXPECT_EQ(listing.firstMismatch, -1);
    EXPECT_EQ(report.StatusText(listing), LoadString(kMsgAllParametersMatch));
    EXPECT_FALSE(report.StatusIsAlert(listing));
}

TEST(ParameterReport, ALongValueDifferingInItsHighWordIsOneDifference) {
    ParameterImage image = DefaultImageOfRow(FirstRow(FEAT_DISPLAY, 0));
    ParameterImage other = image;
    other.words[kWordPrimaryVoltage + 1] ^= 1;  // high half of the 32-bit primary voltage
    CParameterReport report(image);
    report.CompareWith(other, "x.cfg");
    ReportListing listing = report.Build(true);
    EXPECT_EQ(listing.mismatchCount, 1);
    ASSERT_GE(listing.firstMismatch, 0);
    EXPECT_EQ(listing.rows[listing.firstMismatch].word, 34);
    EXPECT_EQ(report.StatusText(listing), "1 parameter(s) not matching.");
    EXPECT_TRUE(report.StatusIsAlert(listing));
}

TEST(ParameterReport, AddressesCompareBothWordsAsOneDifference) {
    ParameterImage image = DefaultImageOfRow(FirstRow(FEAT_MODBUS_TCP, 0));
    ASSERT_TRUE(image.Applies(kWordIpAddress));
    for (int word : {132, 133}) {
        ParameterImage other = image;
        other.words[word] ^= 0x0100;
        CParameterReport report(image);
        report.CompareWith(other, "Device");
        ReportListing listing = report.Build(false);
        EXPECT_EQ(listing.mismatchCount, 1) << word;
        EXPECT_EQ(report.StateOf(132), RowState::Different);
    }
}

TEST(ParameterReport, WordsOfOnlyOneDeviceTypeAreNotDifferences) {
    ParameterImage kt2 = DefaultImageOfRow(FirstRow(0, FAM_KT2));
    ParameterImage kt6 = DefaultImageOfRow(FirstRow(0, FAM_KT6));
    CParameterReport report(kt2);
    report.CompareWith(kt6, "kt6.cfg");
    ReportListing listing = report.Build(false);
    int onlyOne = 0;
    for (const ReportRow& row : listing.rows) {
        if (kt2.Applies(row.word) != kt6.Applies(row.word)) {
            ++onlyOne;
            EXPECT_EQ(row.state, RowState::NotApplicable) << row.word;
        }
    }
    EXPECT_GT(onlyOne, 0);
}

TEST(ParameterReport, HiddenRowsLeaveTheListAndTheCsv) {
    int row = FirstRow(FEAT_DISPLAY, 0, FEAT_AO1 | FEAT_AO2 | FEAT_AO3 | FEAT_AO4);
    ParameterImage image = DefaultImageOfRow(row);
    CParameterReport report(image);
    auto hasAo1 = [](const std::vector<std::string>& lines) {
        for (const auto& l : lines)
            if (l.rfind("\"Ao1\",", 0) == 0) return true;
        return false;
    };
    auto listHasAo1 = [](const ReportListing& listing) {
        for (const auto& r : listing.rows)
            if (r.groupName == "Ao1") return true;
        return false;
    };
    EXPECT_TRUE(listHasAo1(report.Build(false)));
    EXPECT_TRUE(hasAo1(report.CsvLines(false)));
    EXPECT_FALSE(listHasAo1(report.Build(true)));
    EXPECT_FALSE(hasAo1(report.CsvLines(true)));
}

TEST(ParameterReport, CsvLineOfOperationMode) {
    ParameterImage image = DefaultImageOfRow(FirstRow(FEAT_DISPLAY, 0));
    CParameterReport report(image);
    const std::string expected =
        "\"Display\",\"Operation mode\",\"All key operations are available\"\r\n";
    std::vector<std::string> lines = report.CsvLines(false);
    EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end());

    report.CompareWith(image, "Device");
    lines = report.CsvLines(true);
    const std::string compared =
        "\"Display\",\"Operation mode\",\"All key operations are "
        "available\",\"All key operations are available\"\r\n";
    EXPECT_NE(std::find(lines.begin(), lines.end(), compared), lines.end());
}

TEST(ParameterReport, CsvQuotesInsideTextsAreDoubled) {
    EXPECT_EQ(CsvLine({"a\"b", "", "c,d"}), "\"a\"\"b\",\"\",\"c,d\"\r\n");
}

TEST(ParameterReport, CsvFileInTheLocaleCharacterSet) {
    test::TempDir dir;
    ParameterImage image = DefaultImageOfRow(FirstRow(FEAT_DISPLAY, 0));
    CParameterReport report(image);
    std::string utf8Path = dir.File("u.csv");
    report.ExportCsv(utf8Path, true, "UTF-8");
    std::string data = test::ReadFile(utf8Path);
    std::string joined;
    for (const auto& l : report.CsvLines(true))
        joined += l;
    EXPECT_EQ(data, joined);
    EXPECT_EQ(data.find("\n"), data.find("\r\n") + 1);

    EXPECT_THROW(report.ExportCsv(dir.File("no/dir/x.csv"), false, "UTF-8"), std::exception);
}

}  // namespace
}  // namespace voltaro
