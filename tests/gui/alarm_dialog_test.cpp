// The alarm dialog: greyed rows, cell commits into the working copy, refused cells and a
// refused power-on delay.
#include "gui/dialogs/alarm_dialog.h"

#include <QCheckBox>
#include <QPushButton>

#include "core/model/parameter_words.h"
#include "gui/controls/edit_text.h"
#include "gui/dialogs/list_dialog_binding.h"
#include "gui_driver.h"

namespace voltaro {
namespace {

using namespace test;

// A display meter without the neutral-current feature: the IN rows are greyed.
ParameterImage NoNeutralImage() {
    return DefaultImageOfRow(
        RowWith(FEAT_DISPLAY, 0, FEAT_3P4W | FEAT_V3, FAM_KT2 | FAM_HKT2 | FAM_HKT2X));
}

TEST(AlarmDialog, CellsCommitIntoTheCopyAndRefusedCellsStoreNothing) {
    ParameterImage image = NoNeutralImage();
    CAlarmDialog dialog(image);
    ShowActive(dialog);
    auto* list = Child<CListCtrlInfoTip>(&dialog, CAlarmDialog::kList);
    CListDialogBinding& binding = dialog.Binding();
    MessageBoxRecorder boxes;

    ASSERT_FALSE(binding.Setting().IsApplicable(1));
    EXPECT_TRUE(list->topLevelItem(1)->text(1).isEmpty());
    ClickCell(list, 1, 1);
    EXPECT_FALSE(binding.Editing());

    ClickCell(list, 0, 1);
    auto* edit = list->findChild<CEditText*>(QStringLiteral("parEditText"));
    ASSERT_TRUE(edit != nullptr && edit->isVisible());
    edit->setText(QStringLiteral("12.5"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(image.Get32(AlarmHighWord(0)), 12500u);
    EXPECT_FALSE(binding.Editing());
    EXPECT_EQ(list->topLevelItem(0)->text(1), ToQString(CAlarmDialogModel(image).CellText(0, 1)));

    ClickCell(list, 0, 1);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("12.500"));
    edit->setText(QStringLiteral("20001"));
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Icons()[0], QMessageBox::Critical);
    EXPECT_NE(boxes.Texts()[0].find(LoadString(15502)), std::string::npos);
    EXPECT_EQ(image.Get32(AlarmHighWord(0)), 12500u);
    EXPECT_FALSE(binding.Editing());
    EXPECT_TRUE(dialog.isVisible());

    ClickCell(list, 0, 5);
    auto* combo = list->findChild<CEditComboBox*>(QStringLiteral("parEditCombo"));
    ASSERT_TRUE(combo != nullptr && combo->isVisible());
    ChooseInCombo(combo, 1);
    EXPECT_EQ(image.words[AlarmOutputWord(0)], 1);
    EXPECT_EQ(list->topLevelItem(0)->text(5), ToQString(CAlarmDialogModel(image).CellText(0, 5)));
}

TEST(AlarmDialog, RefusedPowerOnDelayKeepsTheDialogOpenWithTheFieldSelected) {
    ParameterImage image = NoNeutralImage();
    image.words[kWordAlarmPowerOnDelay] = 7;
    CAlarmDialog dialog(image);
    ShowActive(dialog);
    auto* delay = Child<QLineEdit>(&dialog, CAlarmDialog::kPowerOnDelay);
    EXPECT_EQ(delay->text(), QStringLiteral("7"));
    delay->setText(QStringLiteral("1000"));
    Child<QCheckBox>(&dialog, CAlarmDialog::kLatching)->setChecked(true);
    {
        MessageBoxRecorder boxes;
        QTest::mouseClick(FindControlAs<QPushButton>(&dialog, kIdOk), Qt::LeftButton);
        EXPECT_EQ(boxes.Texts().size(), 1u);
    }
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(FocusedAndSelected(delay));
    EXPECT_EQ(image.words[kWordAlarmPowerOnDelay], 7);

    delay->setText(QStringLiteral("30"));
    EXPECT_TRUE(dialog.Accept());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(image.words[kWordAlarmPowerOnDelay], 30);
    EXPECT_EQ(image.words[kWordAlarmLatching], 1);
}

}  // namespace
}  // namespace voltaro
