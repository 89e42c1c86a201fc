// Analog output, bar and sigma dialogs: Escape during an in-place edit, the widened input
// combo, per-cell commits and refusals.
#include <QPushButton>

#include "core/model/parameter_words.h"
#include "gui/controls/edit_text.h"
#include "gui/dialogs/alarm_dialog.h"
#include "gui/dialogs/analog_output_dialog.h"
#include "gui/dialogs/bar_dialog.h"
#include "gui/dialogs/display_sigma_dialog.h"
#include "gui/dialogs/list_dialog_binding.h"
#include "gui_driver.h"

namespace voltaro {
namespace {

using namespace test;

CEditText* EditBox(QWidget* list) {
    return list->findChild<CEditText*>(QStringLiteral("parEditText"));
}
CEditComboBox* ComboBox(QWidget* list) {
    return list->findChild<CEditComboBox*>(QStringLiteral("parEditCombo"));
}

// Escape ends an active edit without closing; a second Escape closes with Cancel.
template <typename Dialog>
void EscapeEndsTheEditFirst(Dialog& dialog, int row, int column) {
    ShowActive(dialog);
    auto* list = Child<CListCtrlInfoTip>(&dialog, "list");
    ClickCell(list, row, column);
    ASSERT_TRUE(dialog.Binding().Editing());
    EditBox(list)->setText(QStringLiteral("1"));
    KeyOnFocus(Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.Binding().Editing());
    EXPECT_TRUE(list->hasFocus());
    KeyOnFocus(Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// Escape on an open in-place drop-down ends the edit in every dialog: the box goes, the
// list has the focus again, and the next Escape closes the dialog.
template <typename Dialog>
void EscapeEndsTheDropDown(Dialog& dialog, int row, int column) {
    ShowActive(dialog);
    auto* list = Child<CListCtrlInfoTip>(&dialog, "list");
    for (int round = 0; round < 2; ++round) {
        ClickCell(list, row, column);
        CEditComboBox* combo = ComboBox(list);
        ASSERT_TRUE(combo != nullptr && combo->isVisible());
        ASSERT_TRUE(combo->view()->isVisible());
        QTest::keyClick(combo->view(), Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_FALSE(combo->isVisible()) << "round " << round;
        Reactivate(&dialog);  // the closed list hands the activation back
        EXPECT_TRUE(list->hasFocus()) << "round " << round;
    }
    KeyOnFocus(Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(DisplaySigmaDialog, EscapeEndsTheDropDown) {
    ParameterImage image = DefaultImageOfRow(RowWith(0, FAM_KT2_G2, 0, FAM_KT6));
    const ParameterImage before = image;
    CDisplaySigmaDialog dialog(image);
    EscapeEndsTheDropDown(dialog, 1, 1);
    EXPECT_EQ(image.words, before.words);
}

TEST(AlarmDialog, EscapeEndsTheOutputDropDown) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DISPLAY, 0));
    CAlarmDialog dialog(image);
    EscapeEndsTheDropDown(dialog, 0, 5);
}

TEST(AnalogOutputDialog, EscapeDuringAnEditDoesNotClose) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_AO1 | FEAT_AO2, 0));
    const ParameterImage before = image;
    CAnalogOutputDialog dialog(image);
    EscapeEndsTheEditFirst(dialog, 1, 1);
    EXPECT_EQ(image.words, before.words);
}

TEST(AnalogOutputDialog, InputComboIsWidenedAndCommitsTheCode) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_AO1 | FEAT_AO2, 0));
    CAnalogOutputDialog dialog(image);
    ShowActive(dialog);
    auto* list = Child<CListCtrlInfoTip>(&dialog, CListSettingDialog::kList);
    ASSERT_EQ(list->columnCount(), CAnalogOutputDialogModel(image).OutputCount() + 1);
    ClickCell(list, kAoInput, 1);
    CEditComboBox* combo = ComboBox(list);
    ASSERT_TRUE(combo != nullptr && combo->isVisible());
    EXPECT_GE(combo->width(), 220);
    const ChoiceList choices = CAnalogOutputDialogModel(image).InputChoices();
    ChooseInCombo(combo, 3);
    EXPECT_EQ(image.words[AnalogOutputWord(0, kAoInput)], choices.At(3).code);
    EXPECT_EQ(list->topLevelItem(0)->text(1), ToQString(choices.At(3).text));
}

TEST(BarDialog, EscapeDuringAnEditDoesNotClose) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DISPLAY, 0));
    CBarDialog dialog(image);
    EscapeEndsTheEditFirst(dialog, 0, 1);
}

TEST(BarDialog, FullScaleRefusesANegativeValueWithoutStoring) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DISPLAY, 0));
    CBarDialog dialog(image);
    ShowActive(dialog);
    auto* list = Child<CListCtrlInfoTip>(&dialog, CListSettingDialog::kList);
    const int p = 2;
    const uint32_t full = image.Get32(BarScaleWord(p, false));
    MessageBoxRecorder boxes;
    ClickCell(list, p, CBarDialogModel::FullColumn);
    EditBox(list)->setText(QStringLiteral("-5"));
    QTest::keyClick(EditBox(list), Qt::Key_Return);
    EXPECT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(image.Get32(BarScaleWord(p, false)), full);

    ClickCell(list, p, CBarDialogModel::ZeroColumn);
    EditBox(list)->setText(QStringLiteral("-5"));
    QTest::keyClick(EditBox(list), Qt::Key_Return);
    EXPECT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(static_cast<int32_t>(image.Get32(BarScaleWord(p, true))), -5);
}

TEST(DisplaySigmaDialog, GreyedRowsDoNotEditAndAChoiceIsStored) {
    ParameterImage image = DefaultImageOfRow(RowWith(0, FAM_KT2_G2, 0, FAM_KT6));
    CDisplaySigmaDialog dialog(image);
    ShowActive(dialog);
    auto* list = Child<CListCtrlInfoTip>(&dialog, CListSettingDialog::kList);
    CDisplaySigmaDialogModel model(image);
    ASSERT_EQ(list->topLevelItemCount(), model.RowCount());
    int greyed = -1;
    for (int row = 0; row < model.RowCount(); ++row) {
        EXPECT_EQ(dialog.Binding().Setting().IsApplicable(row), model.RowApplies(row));
        if (!model.RowApplies(row)) greyed = row;
    }
    ASSERT_GE(greyed, 0);
    ClickCell(list, greyed, 1);
    EXPECT_FALSE(dialog.Binding().Editing());

    ClickCell(list, 1, 1);
    CEditComboBox* combo = ComboBox(list);
    ASSERT_TRUE(combo != nullptr && combo->isVisible());
    const ChoiceList choices = model.RowChoices(1);
    ChooseInCombo(combo, choices.Size() - 1);
    EXPECT_EQ(image.words[SigmaLineWord(1)], choices.At(choices.Size() - 1).code);
}

}  // namespace
}  // namespace voltaro
