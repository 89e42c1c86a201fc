// Other-setting dialog (with the channel grid of the 8/16-input series) and the tariff
// dialog.
#include "gui/dialogs/advanced_dialog.h"

#include <QComboBox>
#include <QRadioButton>

#include "core/model/parameter_words.h"
#include "gui/controls/data_grid_view.h"
#include "gui/controls/edit_text.h"
#include "gui/dialogs/grid_edit_binding.h"
#include "gui/dialogs/tariff_dialog.h"
#include "gui_driver.h"

namespace voltaro {
namespace {

using namespace test;

void ClickGridCell(CDataGridView* grid, int column, int row) {
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(column, row).center());
}

TEST(AdvancedDialog, SixteenChannelGridReplacesTheCurrentFields) {
    ParameterImage image = DefaultImageOfRow(RowWith(0, FAM_ZC | FAM_ZC_EXT));
    CAdvancedDialog dialog(image);
    auto* grid = Child<CDataGridView>(&dialog, CAdvancedDialog::kChannelGrid);
    EXPECT_FALSE(grid->isHidden());
    EXPECT_TRUE(Child<QWidget>(&dialog, CAdvancedDialog::kCurrentCutout1)->isHidden());
    EXPECT_TRUE(Child<QWidget>(&dialog, CAdvancedDialog::kCurrentCutout2)->isHidden());
    EXPECT_FALSE(Child<QWidget>(&dialog, CAdvancedDialog::kFrequencyInput)->isEnabled());
    EXPECT_EQ(grid->Model().Columns(), 4);
    EXPECT_EQ(grid->Model().Rows(), 8);
    EXPECT_TRUE(grid->IsLabelCell(3, 2));  // "12ch"
    EXPECT_EQ(grid->Model().CellText(3, 3), TenthsText(image.words[LowEndCutoutCurrentWord(12)]));

    EXPECT_EQ(grid->CurrentRow(), 0) << "starts on channel 1";
    EXPECT_EQ(grid->CurrentColumn(), 1);

    ParameterImage eight = DefaultImageOfRow(RowWith(0, FAM_ZC, 0, FAM_ZC_EXT));
    CAdvancedDialog eightDialog(eight);
    EXPECT_EQ(Child<CDataGridView>(&eightDialog, CAdvancedDialog::kChannelGrid)->Model().Columns(),
              2);
}

TEST(AdvancedDialog, ChannelEditNavigatesRefusesAndEscapes) {
    ParameterImage image = DefaultImageOfRow(RowWith(0, FAM_ZC, 0, FAM_ZC_EXT));
    CAdvancedDialog dialog(image);
    ShowActive(dialog);
    auto* grid = Child<CDataGridView>(&dialog, CAdvancedDialog::kChannelGrid);
    ClickGridCell(grid, 1, 2);  // channel 3
    auto* edit = grid->findChild<CEditText*>(QStringLiteral("parEditText"));
    ASSERT_TRUE(edit != nullptr && edit->isVisible());
    EXPECT_EQ(edit->selectedText(), ToQString(TenthsText(image.words[LowEndCutoutCurrentWord(3)])));

    edit->setText(QStringLiteral("12.5"));
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(image.words[LowEndCutoutCurrentWord(3)], 125);
    EXPECT_EQ(grid->Model().CellText(1, 2), "12.5");
    EXPECT_EQ(grid->CurrentRow(), 3);
    ASSERT_TRUE(edit->isVisible()) << "the next cell is activated";

    MessageBoxRecorder boxes;
    edit->setText(QStringLiteral("100"));
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].find(LoadString(15156)), std::string::npos);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_TRUE(FocusedAndSelected(edit));
    const uint16_t channel4 = image.words[LowEndCutoutCurrentWord(4)];

    Reactivate(&dialog);
    KeyOnFocus(Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(edit->isVisible());
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(image.words[LowEndCutoutCurrentWord(4)], channel4);

    // OK on a ZC type stores frequency input 0.
    image.words[kWordFrequencyInput] = 3;
    EXPECT_TRUE(dialog.Accept());
    EXPECT_EQ(image.words[kWordFrequencyInput], 0);
}

TEST(AdvancedDialog, MeterFieldsAndDisabledTariffFunction) {
    ParameterImage image = DefaultImageOfRow(RowWith(0, FAM_HKT2X, 0, FAM_ZB | FAM_ZC));
    image.words[kWordTariffFunction] = 1;
    CAdvancedDialog dialog(image);
    ShowActive(dialog);
    EXPECT_TRUE(Child<QWidget>(&dialog, CAdvancedDialog::kChannelGrid)->isHidden());
    EXPECT_FALSE(Child<QWidget>(&dialog, CAdvancedDialog::kCurrentCutout1)->isHidden());
    EXPECT_FALSE(Child<QRadioButton>(&dialog, "tariffFunctionFirst")->isEnabled());
    EXPECT_FALSE(Child<QWidget>(&dialog, CAdvancedDialog::kTariffLabel)->isEnabled());
    auto* voltage = Child<QLineEdit>(&dialog, CAdvancedDialog::kVoltageCutout);
    voltage->setText(QStringLiteral("100.0"));
    MessageBoxRecorder boxes;
    EXPECT_FALSE(dialog.Accept());
    EXPECT_EQ(boxes.Texts().size(), 1u);
    EXPECT_TRUE(FocusedAndSelected(voltage));
    voltage->setText(QStringLiteral("1.5"));
    Child<QRadioButton>(&dialog, "apparentPowerSecond")->setChecked(true);
    EXPECT_TRUE(dialog.Accept());
    EXPECT_EQ(image.words[kWordLowEndCutoutVoltage], 15);
    EXPECT_EQ(image.words[kWordCalculationOptionFirst + 3], 1);
    EXPECT_EQ(image.words[kWordTariffFunction], 1);
}

TEST(TariffDialog, NoteColourAndVisibility) {
    ParameterImage meter = DefaultImageOfRow(RowWith(0, FAM_KT2_G2));
    CTariffDialog dialog(meter);
    auto* note = Child<QLabel>(&dialog, CTariffDialog::kNote);
    EXPECT_FALSE(note->isHidden());
    EXPECT_EQ(note->palette().color(QPalette::WindowText), QColor(130, 130, 0));
    Child<QRadioButton>(&dialog, "tariffSecond")->setChecked(true);
    EXPECT_TRUE(dialog.Accept());
    EXPECT_EQ(meter.words[kWordTariff], 1);

    ParameterImage zb = DefaultImageOfRow(RowWith(0, FAM_ZB));
    CTariffDialog zbDialog(zb);
    EXPECT_TRUE(Child<QLabel>(&zbDialog, CTariffDialog::kNote)->isHidden());
}

}  // namespace
}  // namespace voltaro
