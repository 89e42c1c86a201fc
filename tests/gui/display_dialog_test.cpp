// Display, expression and short-cut dialogs: fields that follow other controls, disabled
// pairs, and a refused field keeping the dialog open.
#include "gui/dialogs/display_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include "core/model/parameter_words.h"
#include "gui/dialogs/display_expression_dialog.h"
#include "gui/dialogs/short_cut_menu_dialog.h"
#include "gui_driver.h"

namespace voltaro {
namespace {

using namespace test;

TEST(DisplayDialog, OffTimerAndPresetTimerFollowTheirControls) {
    ParameterImage image = DefaultImageOfRow(RowWith(0, FAM_KT2_G2));
    image.words[kWordBacklightMode] = 1;  // "On"
    image.words[kWordBacklightOffTimer] = 42;
    image.words[kWordDefaultTimer] = 0;
    CDisplayDialog dialog(image);
    auto* mode = Child<QComboBox>(&dialog, CDisplayDialog::kOperationMode);
    auto* offTimer = Child<QLineEdit>(&dialog, CDisplayDialog::kOffTimer);
    auto* use = Child<QCheckBox>(&dialog, CDisplayDialog::kUsePresetTimer);
    auto* preset = Child<QLineEdit>(&dialog, CDisplayDialog::kPresetTimer);
    EXPECT_FALSE(offTimer->isEnabled());
    EXPECT_FALSE(use->isChecked());
    EXPECT_FALSE(preset->isEnabled());
    EXPECT_EQ(preset->text(), QStringLiteral("1"));
    EXPECT_TRUE(Child<QLineEdit>(&dialog, CDisplayDialog::kUpdateRate)->isEnabled());

    mode->setCurrentIndex(CDisplayDialogModel::kModeAuto);
    EXPECT_TRUE(offTimer->isEnabled());
    mode->setCurrentIndex(2);
    EXPECT_FALSE(offTimer->isEnabled());
    use->setChecked(true);
    EXPECT_TRUE(preset->isEnabled());
    use->setChecked(false);
    EXPECT_FALSE(preset->isEnabled());

    // A disabled off timer is not read: its junk text does not refuse OK.
    offTimer->setText(QStringLiteral("junk"));
    EXPECT_TRUE(dialog.Accept());
    EXPECT_EQ(image.words[kWordBacklightOffTimer], 42);
    EXPECT_EQ(image.words[kWordBacklightMode], 2);
}

TEST(DisplayDialog, UpdateRateDisabledWithoutTheExtendedDisplay) {
    ParameterImage image =
        DefaultImageOfRow(RowWith(FEAT_DISPLAY, FAM_KT2, 0, FAM_KT2_G2 | FAM_KT6_G2));
    CDisplayDialog dialog(image);
    for (const char* name : {CDisplayDialog::kUpdateRate, CDisplayDialog::kUpdateRateLabel,
                             CDisplayDialog::kUpdateRateUnit}) {
        EXPECT_FALSE(Child<QWidget>(&dialog, name)->isEnabled()) << name;
    }
}

TEST(DisplayDialog, RefusedFieldIsFocusedAndSelected) {
    ParameterImage image = DefaultImageOfRow(RowWith(0, FAM_KT2_G2));
    image.words[kWordDefaultTimer] = 5;
    CDisplayDialog dialog(image);
    ShowActive(dialog);
    auto* preset = Child<QLineEdit>(&dialog, CDisplayDialog::kPresetTimer);
    ASSERT_TRUE(preset->isEnabled());
    preset->setText(QStringLiteral("0"));
    MessageBoxRecorder boxes;
    EXPECT_FALSE(dialog.Accept());
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].find(LoadString(15650)), std::string::npos);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(FocusedAndSelected(preset));
    EXPECT_EQ(image.words[kWordDefaultTimer], 5);
}

TEST(DisplayExpressionDialog, AbsentPairsAreDisabledAndKeepTheirWords) {
    ParameterImage image =
        DefaultImageOfRow(RowWith(0, FAM_KT6, 0, FAM_KT2 | FAM_KT2_G2 | FAM_KT6_G2));
    image.words[kWordLineIndication] = 1;
    image.words[kWordPowerFormat] = 1;
    CDisplayExpressionDialog dialog(image);
    EXPECT_FALSE(Child<QRadioButton>(&dialog, "lineIndicationFirst")->isEnabled());
    EXPECT_FALSE(Child<QWidget>(&dialog, "lineIndicationLabel")->isEnabled());
    EXPECT_FALSE(Child<QRadioButton>(&dialog, "powerFormatSecond")->isEnabled());
    EXPECT_TRUE(dialog.Accept());
    EXPECT_EQ(image.words[kWordLineIndication], 1);
    EXPECT_EQ(image.words[kWordPowerFormat], 1);
}

TEST(ShortCutMenuDialog, RadioPairRoundTrip) {
    ParameterImage image = DefaultImageOfRow(RowWith(0, FAM_KT2_G2));
    image.words[kWordClearAlarmShortcut] = 1;
    CShortCutMenuDialog dialog(image);
    auto* disable = Child<QRadioButton>(&dialog, "clearAlarmFirst");
    EXPECT_TRUE(Child<QRadioButton>(&dialog, "clearAlarmSecond")->isChecked());
    disable->setChecked(true);
    EXPECT_TRUE(dialog.Accept());
    EXPECT_EQ(image.words[kWordClearAlarmShortcut], 0);
}

}  // namespace
}  // namespace voltaro
