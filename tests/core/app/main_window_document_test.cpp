// The main window's document decisions: when the image counts as changed, the title, the
// recent-files list and last folder in the profile, the status line texts, the serial number,
// the spreadsheet CSV and where the user guide is looked for.
#include <gtest/gtest.h>

#include <fstream>

#include "core/app/app_settings.h"
#include "core/app/document_state.h"
#include "core/app/main_window_status.h"
#include "core/app/user_guide.h"
#include "core/comm/register_reader.h"
#include "core/device/device_identification.h"
#include "core/files/parameter_report.h"
#include "core/model/device_registers.h"
#include "core/model/parameter_words.h"
#include "core/model/settings_stocker.h"
#include "core/platform/message_format.h"
#include "core/platform/private_exception.h"
#include "core/platform/profile.h"
#include "core/platform/string_table.h"
#include "core/platform/temp_dir.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro {
namespace {

constexpr int kRowKt2 = 4;
constexpr int kRowZc = 64;

TEST(DocumentState, ChangesCountUntilSavedOpenedUploadedOrDownloaded) {
    CDocumentState document;
    ParameterImage image = DefaultImageOfRow(kRowKt2);
    EXPECT_FALSE(document.IsModified(image));  // nothing marked yet: nothing to lose
    document.MarkClean(image, DocumentEvent::Started);
    EXPECT_FALSE(document.IsModified(image));

    image.words[kWordPrimaryCurrent] = 321;
    EXPECT_TRUE(document.IsModified(image));
    image.words[kWordPrimaryCurrent] = DefaultImageOfRow(kRowKt2).words[kWordPrimaryCurrent];
    EXPECT_FALSE(document.IsModified(image)) << "an edit undone is no change";

    // Another model with the same words is a change too.
    ParameterImage other = image;
    other.deviceType.SelectRow(kRowZc);
    EXPECT_TRUE(document.IsModified(other));

    image.words[kWordPrimaryCurrent] = 77;
    document.MarkClean(image, DocumentEvent::Saved, "/work/a/first.cfg");
    EXPECT_FALSE(document.IsModified(image));
    EXPECT_EQ(document.FileName(), "first.cfg");

    image.words[kWordPrimaryCurrent] = 78;
    document.MarkClean(image, DocumentEvent::Downloaded);
    EXPECT_FALSE(document.IsModified(image));
    EXPECT_EQ(document.FilePath(), "/work/a/first.cfg") << "a download keeps the file";

    document.MarkClean(image, DocumentEvent::Uploaded);
    EXPECT_TRUE(document.FilePath().empty()) << "an uploaded image belongs to no file";
    document.MarkClean(image, DocumentEvent::Opened, "/x/second.cfg");
    EXPECT_EQ(document.FileName(), "second.cfg");
}

TEST(DocumentState, TitleShowsFileMarkerAndDevice) {
    EXPECT_EQ(MainWindowTitle("P V1", "", false, ""), "P V1");
    EXPECT_EQ(MainWindowTitle("P V1", "", true, ""), LoadString(kTextTitleUntitled) + "* - P V1");
    EXPECT_EQ(MainWindowTitle("P V1", "a.cfg", false, "KT2"), "a.cfg - KT2 - P V1");
    EXPECT_EQ(MainWindowTitle("P V1", "a.cfg", true, ""), "a.cfg* - P V1");
    EXPECT_EQ(MainWindowTitle("P V1", "", false, "KT2"), "KT2 - P V1");
}

TEST(RecentFiles, NewestFirstOnceAtMostEight) {
    CRecentFiles recent;
    for (int i = 0; i < 10; ++i)
        recent.Add("/data/f" + std::to_string(i) + ".cfg");
    ASSERT_EQ(recent.Paths().size(), 8u);
    EXPECT_EQ(recent.Paths().front(), "/data/f9.cfg");
    EXPECT_EQ(recent.Paths().back(), "/data/f2.cfg");
    recent.Add("/other/f5.cfg");
    recent.Add("/data/f5.cfg");
    EXPECT_EQ(recent.Paths()[0], "/data/f5.cfg");
    EXPECT_EQ(recent.Paths()[1], "/other/f5.cfg");
    EXPECT_EQ(std::count(recent.Paths().begin(), recent.Paths().end(), "/data/f5.cfg"), 1);
    EXPECT_EQ(recent.LastFolder(), "/data");
    recent.Remove("/data/f5.cfg");
    EXPECT_EQ(recent.Paths()[0], "/other/f5.cfg");
    // A report comparison or an export moves the folder, not the list.
    recent.UseFolderOf("/exports/report.csv");
    EXPECT_EQ(recent.LastFolder(), "/exports");
    EXPECT_EQ(recent.Paths()[0], "/other/f5.cfg");
}

TEST(RecentFiles, DialogStartsAtTheFileOrTheLastFolderWithTheLastName) {
    CRecentFiles recent;
    EXPECT_EQ(recent.DialogStart(""), "");
    recent.UseFolderOf("/exports/report.csv");
    EXPECT_EQ(recent.DialogStart(""), "/exports");
    recent.Add("/data/plant.cfg");
    recent.UseFolderOf("/exports/report.csv");
    EXPECT_EQ(recent.DialogStart(""), "/exports/plant.cfg");
    EXPECT_EQ(recent.DialogStart("/mine/doc.cfg"), "/mine/doc.cfg");
    recent.Add("/root.cfg");
    EXPECT_EQ(recent.LastFolder(), "/");
    EXPECT_EQ(recent.DialogStart(""), "/root.cfg");
}

TEST(RecentFiles, KeptInTheProfileAcrossRuns) {
    test::TempDir dir;
    const std::string path = dir.File("VOLTARO.ini");
    {
        AppSettings settings;
        for (const char* file : {"/a/one.cfg", "/b/two.cfg", "/c/three.cfg"})
            settings.recentFiles.Add(file);
        ASSERT_TRUE(SaveAppSettings(settings, path));
    }
    AppSettings back = AppSettings::Load(CUserProfile(path));
    ASSERT_EQ(back.recentFiles.Paths().size(), 3u);
    EXPECT_EQ(back.recentFiles.Paths()[0], "/c/three.cfg");
    EXPECT_EQ(back.recentFiles.LastFolder(), "/c");

    // A shorter list leaves no stale entries behind; relative and repeated entries of a
    // hand-edited profile are dropped.
    back.recentFiles.Remove("/c/three.cfg");
    back.recentFiles.Remove("/b/two.cfg");
    ASSERT_TRUE(SaveAppSettings(back, path));
    {
        CUserProfile profile(path);
        profile.SetString(kSettingsSection, "RecentFile2", "relative.cfg");
        profile.SetString(kSettingsSection, "RecentFile3", "/a/one.cfg");
        ASSERT_TRUE(profile.Save());
    }
    const AppSettings again = AppSettings::Load(CUserProfile(path));
    ASSERT_EQ(again.recentFiles.Paths().size(), 1u);
    EXPECT_EQ(again.recentFiles.Paths()[0], "/a/one.cfg");
}

TEST(MainWindowStatus, TextsNameWhatHappened) {
    const ParameterImage kt2 = DefaultImageOfRow(kRowKt2);
    const int count = AppliedParameterCount(kt2);
    EXPECT_GT(count, 20);
    EXPECT_LT(count, static_cast<int>(ReportEntryWords().size()));
    EXPECT_NE(count, AppliedParameterCount(DefaultImageOfRow(kRowZc)));

    const std::string device = DeviceText(kt2.deviceType, "A1234");
    EXPECT_EQ(device.find("KT2-"), 0u) << device;
    EXPECT_NE(device.find("A1234"), std::string::npos);
    EXPECT_EQ(DeviceText(kt2.deviceType, "").find("A1234"), std::string::npos);
    EXPECT_EQ(DeviceText(CDeviceType(1, 0, 0, {}), "A1"), "") << "no row: nothing to name";

    EXPECT_EQ(SecondsText(0.44), "0.4");
    EXPECT_EQ(SecondsText(-1), "0.0");
    EXPECT_EQ(UploadedStatus(kt2, device, 0.36),
              FormatMessageId(kTextStatusUploaded, {count, device, std::string("0.4")}));
    EXPECT_EQ(ProtectionStatus({0, 5}), LoadString(kTextStatusProtectionOn));
    EXPECT_EQ(ProtectionStatus({5, 0}), LoadString(kTextStatusProtectionOff));
}

// The registers a device answers with, nothing else.
class FixedRegisters : public IRegisterReader {
  public:
    bool ReadHoldingRegisters(int address, int count, uint16_t* values) override {
        for (int i = 0; i < count; ++i)
            values[i] = address + i == kSerialNumberRegister ? first : rest;
        return true;
    }
    uint16_t first = 0;
    uint16_t rest = 0;
};

TEST(SerialNumber, LowByteFirstUpToTheFirstZero) {
    FixedRegisters device;
    device.first = 0x3241;  // "A2"
    device.rest = 0x4443;   // "CD"
    EXPECT_EQ(ReadSerialNumber(device), "A2CDCDCD");
    device.rest = 0x0043;  // "C" then the end
    EXPECT_EQ(ReadSerialNumber(device), "A2C");
    device.first = 0x4100;  // starts with the end
    EXPECT_EQ(ReadSerialNumber(device), "");
    device.first = 0x00E9;  // a Latin-1 letter becomes UTF-8
    EXPECT_EQ(ReadSerialNumber(device), "\xC3\xA9");
}

TEST(SpreadsheetCsv, ByteOrderMarkHeaderThenThePlainLines) {
    const ParameterImage kt2 = DefaultImageOfRow(kRowKt2);
    CParameterReport report(kt2);
    std::string data = report.SpreadsheetCsv(true);
    ASSERT_EQ(data.rfind("\xEF\xBB\xBF\"", 0), 0u);
    std::string expected =
        "\xEF\xBB\xBF" + CsvLine({LoadString(2450), LoadString(2451), LoadString(2452)});
    for (const std::string& line : report.CsvLines(true))
        expected += line;
    EXPECT_EQ(data, expected);

    report.CompareWith(kt2, "other \"x\".cfg");
    data = report.SpreadsheetCsv(false);
    const std::string header = data.substr(3, data.find("\r\n") + 2 - 3);
    EXPECT_EQ(header, CsvLine({LoadString(2450), LoadString(2451), LoadString(2452),
                               std::string("other \"x\".cfg")}));

    test::TempDir dir;
    report.ExportSpreadsheetCsv(dir.File("r.csv"), false);
    std::ifstream in(dir.File("r.csv"), std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(written, data);
    EXPECT_THROW(report.ExportSpreadsheetCsv(dir.File("missing/r.csv"), false), CPrivateException);
}

TEST(UserGuide, InstalledGuideFirstThenBesideTheProgramThenTheSources) {
    EXPECT_EQ(UserGuideCandidates("/usr/bin", "/src/v"),
              (std::vector<std::string>{"/usr/share/doc/voltaro/README.md", "/usr/bin/README.md",
                                        "/src/v/README.md"}));
    test::TempDir dir;
    const std::string guide = dir.File("README.md");
    std::ofstream(guide) << "# guide\n";
    EXPECT_EQ(FindUserGuide({dir.File("none.md"), dir.Path(), guide}), guide);
    EXPECT_EQ(FindUserGuide({dir.File("none.md")}), "");
}

}  // namespace
}  // namespace voltaro
