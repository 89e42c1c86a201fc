// No text of a dialog is cut, in English and Japanese: every setting dialog on several
// device types, the report, the Connect dialog and the passcode dialogs. CTest runs this
// also at 150 % scale (QT_SCALE_FACTOR=1.5).
#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>

#include "clipped_texts.h"
#include "core/app/app_settings.h"
#include "core/comm/port_list.h"
#include "core/platform/resource_module.h"
#include "gui/dialogs/comm_dialog.h"
#include "gui/dialogs/compare_dialog.h"
#include "gui/dialogs/passcode_dialog.h"
#include "gui/dialogs/passcode_prompts.h"
#include "gui/dialogs/setting_dialogs.h"
#include "gui_driver.h"

namespace voltaro {
namespace {

using namespace test;

const std::string kJapaneseModule = std::string(VOLTARO_BINARY_DIR) + "/bin/voltaro_jpn.so";

// Rows tried: a full-featured meter, a meter on Modbus-TCP, a two-input and an 8-input
// transducer.
std::vector<int> Rows() {
    return {RowWith(FEAT_AO1 | FEAT_AO2 | FEAT_DO1 | FEAT_DI1 | FEAT_DISPLAY, FAM_KT6_G2),
            RowWith(FEAT_MODBUS_TCP, 0), RowWith(0, FAM_ZB), RowWith(0, FAM_ZC)};
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

void ExpectNothingClipped(QWidget* dialog) {
    QApplication::processEvents();  // columns fit once their texts are in
    const std::vector<std::string> clipped = ClippedTexts(dialog);
    EXPECT_TRUE(clipped.empty()) << Joined(clipped);
}

class ClippedTexts : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        if (GetParam()) {
            ASSERT_TRUE(LoadLanguageModule(kJapaneseModule));
        }
    }
    void TearDown() override { UnloadLanguageModule(); }
};

TEST_P(ClippedTexts, SettingDialogs) {
    for (int row : Rows()) {
        ASSERT_GE(row, 0);
        for (int button : SettingDialogButtons()) {
            SCOPED_TRACE("row " + std::to_string(row) + ", button " + std::to_string(button));
            ParameterImage image = DefaultImageOfRow(row);
            auto checked = OnModal<QDialog>([](QDialog* dialog) {
                ExpectNothingClipped(dialog);
                dialog->reject();
            });
            RunSettingDialogForButton(button, nullptr, image);
            EXPECT_TRUE(*checked);
        }
    }
}

TEST_P(ClippedTexts, ReportConnectAndPasscodeDialogs) {
    ScratchProfile profile;
    for (int row : Rows()) {
        SCOPED_TRACE("row " + std::to_string(row));
        AppSettings settings;
        settings.hideIgnoreParameters = false;
        CCompareDialog report(DefaultImageOfRow(row), settings);
        ShowActive(report);
        ExpectNothingClipped(&report);
    }
    CComSettings com;
    CCommDialog connect(com, BuildPortList());
    ShowActive(connect);
    ExpectNothingClipped(&connect);
    CEnterPasscodeDialog prompt;
    ShowActive(prompt);
    ExpectNothingClipped(&prompt);
    CProtectDialog protect;
    ShowActive(protect);
    ExpectNothingClipped(&protect);
    ParameterImage image = DefaultImageOfRow(Rows()[0]);
    CPasscodeDialog passcode(image);
    ShowActive(passcode);
    ExpectNothingClipped(&passcode);
}

TEST(ClippedTextsCheck, FindsACutColumnAndLabel) {
    // The check itself: a column narrower than its text and a squeezed label are found.
    QWidget window;
    auto* tree = new QTreeWidget(&window);
    tree->setHeaderLabels({QStringLiteral("Name")});
    new QTreeWidgetItem(tree, {QStringLiteral("A rather long alarm item name")});
    tree->header()->setStretchLastSection(false);
    tree->header()->resizeSection(0, 40);
    tree->setGeometry(0, 0, 300, 100);
    auto* label = new QLabel(QStringLiteral("A label of some length"), &window);
    label->setGeometry(0, 120, 30, 20);
    window.show();
    const std::string clipped = Joined(test::ClippedTexts(&window));
    EXPECT_NE(clipped.find("alarm item name"), std::string::npos) << clipped;
    EXPECT_NE(clipped.find("A label of some length"), std::string::npos) << clipped;
    label->setGeometry(0, 120, 250, 20);
    tree->header()->resizeSection(0, 280);
    EXPECT_EQ(Joined(test::ClippedTexts(&window)), "");
}

INSTANTIATE_TEST_SUITE_P(Languages, ClippedTexts, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& language) {
                             return language.param ? "Japanese" : "English";
                         });

}  // namespace
}  // namespace voltaro
