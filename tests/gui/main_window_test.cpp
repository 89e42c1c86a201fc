// The main window driven by its control names: model combos, enabling, demand rule,
// validation before saving, opening files, the language switch and setting dialogs.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "core/app/main_window_ids.h"
#include "core/files/config_file.h"
#include "core/model/parameter_words.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/resource_module.h"
#include "gui/app/main_window.h"
#include "gui/dialogs/passcode_dialog.h"
#include "gui_driver.h"

namespace voltaro {
namespace {

using test::ChooseFile;
using test::MessageBoxRecorder;
using test::PickComboEntry;

constexpr int kRowKt2 = 4;

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() : carry_(DefaultImageOfRow(kRowKt2)), window_(carry_, settings_) {}

    template <typename T>
    T* Control(int id) {
        T* control = FindControlAs<T>(&window_, id);
        EXPECT_NE(control, nullptr) << id;
        return control;
    }

    test::ScratchProfile profile_;
    AppSettings settings_;
    ParameterImage carry_;
    CBasicParameterDialog window_;
};

TEST_F(MainWindowTest, Kt6VariantsOfferFourOrSevenSystems) {
    auto* prefix = Control<QComboBox>(kIdModelPrefix);
    auto* description = Control<QComboBox>(kIdModelDescription);
    auto* system = Control<QComboBox>(kIdSystem);
    ASSERT_TRUE(PickComboEntry(prefix, QStringLiteral("KT6-")));
    ASSERT_TRUE(PickComboEntry(description, QStringLiteral("1**")));
    EXPECT_EQ(system->count(), 4);
    EXPECT_TRUE(window_.Image().deviceType.HasFeature(0, FAM_KT6));
    ASSERT_TRUE(PickComboEntry(description, QStringLiteral("2**")));
    EXPECT_EQ(system->count(), 7);
    EXPECT_TRUE(window_.Image().deviceType.HasFeature(FEAT_3P4W, 0));
    // The KT6 has no bargraph edits, but its Ext. Bar button applies.
    EXPECT_FALSE(Control<QLineEdit>(kIdBarVoltage)->isEnabled());
    EXPECT_TRUE(Control<QPushButton>(kIdExtBar)->property("applies").toBool());
}

TEST_F(MainWindowTest, ZcModelSwapsMeterControlsForDipBox) {
    window_.show();
    ASSERT_TRUE(PickComboEntry(Control<QComboBox>(kIdModelPrefix), QStringLiteral("ZC")));
    auto* vtGroup = window_.findChild<QWidget*>(QStringLiteral("vt_rating"));
    auto* ctGroup = window_.findChild<QWidget*>(QStringLiteral("ct_rating"));
    for (int id : {kIdVtPrimary, kIdVtSecondary, kIdBarVoltage}) {
        EXPECT_FALSE(FindControl(vtGroup, id)->isEnabled()) << id;
    }
    for (int id : {kIdCtPrimary, kIdCtSecondary, kIdBarCurrent}) {
        EXPECT_FALSE(FindControl(ctGroup, id)->isEnabled()) << id;
    }
    // The input page takes their place.
    EXPECT_FALSE(vtGroup->isVisible());
    auto* page = window_.findChild<QWidget*>(QStringLiteral("input_page"));
    EXPECT_TRUE(page->isVisible());
    auto* dip = Control<QCheckBox>(kIdDipSwitch);
    EXPECT_TRUE(dip->isVisible());
    auto applies = [this](int id) {
        return Control<QPushButton>(id)->property("applies").toBool();
    };
    EXPECT_TRUE(applies(kIdOthers));
    EXPECT_TRUE(applies(kIdModbus));
    EXPECT_FALSE(applies(kIdDisplay));
    EXPECT_FALSE(applies(kIdPasscode));
    EXPECT_FALSE(applies(kIdExtBar));
    EXPECT_FALSE(Control<QPushButton>(kIdPasscode)->isEnabled());
    EXPECT_TRUE(Control<QPushButton>(kIdOthers)->isEnabled());
    // Checking the DIP box stores 0 in word 30 and locks the system choice.
    dip->setChecked(true);
    EXPECT_EQ(window_.Image().words[kWordConfigurationMode], 0);
    EXPECT_FALSE(Control<QComboBox>(kIdSystem)->isEnabled());
    EXPECT_FALSE(FindControl(page, kIdVtPrimary)->isEnabled());
    dip->setChecked(false);
    EXPECT_EQ(window_.Image().words[kWordConfigurationMode], 1);
    EXPECT_TRUE(Control<QComboBox>(kIdSystem)->isEnabled());
    EXPECT_TRUE(FindControl(page, kIdVtPrimary)->isEnabled());
    // Back to a meter: the box goes away again.
    ASSERT_TRUE(PickComboEntry(Control<QComboBox>(kIdModelPrefix), QStringLiteral("KT2-")));
    EXPECT_FALSE(dip->isVisible());
    EXPECT_FALSE(page->isVisible());
    EXPECT_TRUE(vtGroup->isVisible());
    EXPECT_TRUE(FindControl(vtGroup, kIdVtPrimary)->isEnabled());
}

TEST_F(MainWindowTest, ZcInputPageIsReadWithTheControls) {
    ASSERT_TRUE(PickComboEntry(Control<QComboBox>(kIdModelPrefix), QStringLiteral("ZC")));
    Control<QCheckBox>(kIdDipSwitch)->setChecked(false);
    auto* page = window_.findChild<QWidget*>(QStringLiteral("input_page"));
    auto* primary = FindControlAs<QLineEdit>(page, kIdVtPrimary);
    primary->setText(QStringLiteral("6600"));
    ASSERT_TRUE(window_.ReadControls(true));
    EXPECT_EQ(window_.Image().Get32(kWordPrimaryVoltage), 6600u);
    primary->setText(QStringLiteral("49"));
    MessageBoxRecorder boxes;
    EXPECT_FALSE(window_.ReadControls(true));
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0],
              FormatMessageId(kMsgOutOfRange,
                              {LoadString(15153), std::string("50"), std::string("400000")}));
    EXPECT_EQ(window_.focusWidget(), primary);
}

TEST_F(MainWindowTest, DiscreteInputDemandDisablesIntervalAndStoresZero) {
    auto* combo = Control<QComboBox>(kIdCurrentDemand);
    auto* interval = Control<QLineEdit>(kIdCurrentDemandInterval);
    ASSERT_EQ(combo->count(), 2);
    combo->setCurrentIndex(1);
    EXPECT_TRUE(interval->isEnabled());
    combo->setCurrentIndex(0);
    EXPECT_FALSE(interval->isEnabled());
    ASSERT_TRUE(window_.ReadControls(false));
    EXPECT_EQ(window_.Image().words[kWordCurrentDemand], 0);
}

TEST_F(MainWindowTest, CommandButtonsCarryTheirToolTips) {
    EXPECT_EQ(window_.windowTitle(),
              QStringLiteral(VOLTARO_PRODUCT_NAME " Version " VOLTARO_PRODUCT_VERSION));
    EXPECT_EQ(Control<QPushButton>(kIdUpload)->toolTip().toStdString(), LoadString(4100));
    EXPECT_EQ(Control<QPushButton>(kIdLanguage)->toolTip().toStdString(), LoadString(4107));
    EXPECT_TRUE(Control<QPushButton>(kIdAlarm)->toolTip().isEmpty());
    EXPECT_TRUE(Control<QPushButton>(kIdAlarm)->isEnabled());
    EXPECT_TRUE(Control<QPushButton>(kIdMonitor)->isEnabled());
    EXPECT_EQ(Control<QPushButton>(kIdMonitor)->toolTip().toStdString(), LoadString(4106));
}

TEST_F(MainWindowTest, SecondaryCurrentSixBlocksSaveFile) {
    auto* secondary = Control<QLineEdit>(kIdCtSecondary);
    secondary->setText(QStringLiteral("6"));
    const std::string path = profile_.File("blocked.cfg");
    MessageBoxRecorder boxes;
    auto chosen = ChooseFile(QString::fromStdString(path));
    window_.SaveFile();
    EXPECT_TRUE(*chosen);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(
        boxes.Texts()[0],
        FormatMessageId(kMsgOutOfRange, {LoadString(15152), std::string("1"), std::string("5")}));
    EXPECT_EQ(boxes.Icons()[0], QMessageBox::Critical);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(window_.focusWidget(), secondary);
}

TEST_F(MainWindowTest, SaveThenOpenRestoresAndDamagedFileChangesNothing) {
    Control<QLineEdit>(kIdCtPrimary)->setText(QStringLiteral("321"));
    const std::string good = profile_.File("good.cfg");
    ChooseFile(QString::fromStdString(good));
    window_.SaveFile();
    ASSERT_TRUE(std::filesystem::exists(good));

    const std::string damaged = profile_.File("damaged.cfg");
    test::WriteFile(damaged, "[KT2CFG]\r\nModel=78x1\r\n");
    const ParameterImage before = window_.Image();
    {
        MessageBoxRecorder boxes;
        ChooseFile(QString::fromStdString(damaged));
        window_.OpenFile();
        ASSERT_EQ(boxes.Texts().size(), 1u);
        EXPECT_EQ(boxes.Texts()[0], LoadString(kMsgInvalidFileFormat));
    }
    EXPECT_EQ(window_.Image().words, before.words);
    EXPECT_EQ(window_.Image().deviceType.typeIndex, before.deviceType.typeIndex);

    // Opening over a change asks first; Discard goes on.
    Control<QLineEdit>(kIdCtPrimary)->setText(QStringLiteral("5"));
    auto asked = test::OnModal<QMessageBox>(
        [](QMessageBox* box) { box->button(QMessageBox::Discard)->click(); });
    ChooseFile(QString::fromStdString(good));
    window_.OpenFile();
    EXPECT_TRUE(*asked);
    EXPECT_EQ(Control<QLineEdit>(kIdCtPrimary)->text(), QStringLiteral("321"));
    EXPECT_EQ(window_.Image().words[kWordPrimaryCurrent], 321);
}

TEST_F(MainWindowTest, PasscodeButtonRunsTheSettingDialogOnACopy) {
    auto* button = Control<QPushButton>(kIdPasscode);
    ASSERT_TRUE(button->isEnabled());
    const uint16_t before = window_.Image().words[kWordPasscode];
    // Three digits: refused with kMsgInvalidPasscode, the dialog stays; then Cancel leaves the
    // image.
    {
        MessageBoxRecorder boxes;
        test::OnModal<CPasscodeDialog>([](CPasscodeDialog* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("new_passcode"))->setText("123");
            dialog->findChild<QLineEdit*>(QStringLiteral("confirm_passcode"))->setText("123");
            dialog->accept();
            EXPECT_TRUE(dialog->isVisible());
            dialog->reject();
        });
        button->click();
        ASSERT_EQ(boxes.Texts().size(), 1u);
        EXPECT_EQ(boxes.Texts()[0], LoadString(kMsgInvalidPasscode));
    }
    EXPECT_EQ(window_.Image().words[kWordPasscode], before);
    test::OnModal<CPasscodeDialog>([](CPasscodeDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("new_passcode"))->setText("0123");
        dialog->findChild<QLineEdit*>(QStringLiteral("confirm_passcode"))->setText("0123");
        dialog->accept();
    });
    button->click();
    EXPECT_EQ(window_.Image().words[kWordPasscode], 123);
}

TEST(MainWindowLanguage, TwoSwitchesReturnToEnglishWithImageAndModel) {
    test::ScratchProfile profile;
    AppSettings settings;
    ParameterImage carry = DefaultImageOfRow(kRowKt2);
    ASSERT_EQ(CurrentLanguage(), 0);
    const std::string english = LoadString(kMsgInvalidFileFormat);
    for (int round = 0; round < 2; ++round) {
        CBasicParameterDialog window(carry, settings);
        if (round == 0) {
            ASSERT_TRUE(PickComboEntry(FindControlAs<QComboBox>(&window, kIdModelPrefix),
                                       QStringLiteral("KT6-")));
            FindControlAs<QLineEdit>(&window, kIdCtPrimary)->setText(QStringLiteral("777"));
        } else {
            // The window made anew in Japanese shows the same model and values.
            EXPECT_NE(LoadString(kMsgInvalidFileFormat), english);
            EXPECT_EQ(FindControlAs<QComboBox>(&window, kIdModelPrefix)->currentText(),
                      QStringLiteral("KT6-"));
            EXPECT_EQ(FindControlAs<QLineEdit>(&window, kIdCtPrimary)->text(),
                      QStringLiteral("777"));
        }
        MessageBoxRecorder boxes;
        window.SwitchLanguage();
        EXPECT_EQ(window.result(), CBasicParameterDialog::kShowAgain);
        EXPECT_TRUE(boxes.Texts().empty());
        EXPECT_EQ(LanguageModuleLoaded(), round == 0);
    }
    EXPECT_EQ(CurrentLanguage(), 0);
    EXPECT_EQ(settings.displayLanguage, 0);
    EXPECT_EQ(LoadString(kMsgInvalidFileFormat), english);
    EXPECT_EQ(carry.words[kWordPrimaryCurrent], 777);
    EXPECT_TRUE(carry.deviceType.HasFeature(0, FAM_KT6));
}

}  // namespace
}  // namespace voltaro
