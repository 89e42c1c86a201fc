// The CT/VT input page: grid layout by input count, editing in place with navigation,
// typed first characters, Escape, and Save.
#include "gui/dialogs/input2_page.h"
#include "core/app/main_window_ids.h"

#include <QDialog>
#include <QVBoxLayout>

#include "core/model/parameter_words.h"
#include "gui/controls/data_grid_view.h"
#include "gui/controls/edit_text.h"
#include "gui/dialogs/grid_edit_binding.h"
#include "gui/dialogs/setting_dialog.h"
#include "gui_driver.h"
#include "recording_observer.h"

namespace voltaro {
namespace {

using namespace test;

class Input2PageTest : public ::testing::Test {
  protected:
    void Open(const ParameterImage& loaded) {
        image = loaded;
        page = new CInput2Page(&host);
        (new QVBoxLayout(&host))->addWidget(page);
        page->Load(image);
        Attach(*page, observer);
        ShowActive(host);
        grid = FindControlAs<CDataGridView>(page, CInput2Page::kIdGrid);
        edit = grid->findChild<CEditText*>(QStringLiteral("parEditText"));
        ASSERT_NE(edit, nullptr);
    }
    // An eight-input type whose first inputs use the sensor that has a primary current.
    static ParameterImage EightInputs() {
        ParameterImage image = DefaultImageOfRow(RowWith(0, FAM_ZC, 0, FAM_ZC_EXT));
        image.words[CtSensorWord(1)] = 0;
        image.words[CtSensorWord(2)] = 0;
        return image;
    }
    void ClickCell(int column, int row) {
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(column, row).center());
    }

    QDialog host;  // stands for the main window
    ParameterImage image;
    CInput2Page* page = nullptr;
    CDataGridView* grid = nullptr;
    CEditText* edit = nullptr;
    RecordingObserver observer;
};

TEST_F(Input2PageTest, SixteenInputsEditTwelveChannelPrimaryIntoWord70OnSave) {
    Open(DefaultImageOfRow(RowWith(0, FAM_ZC | FAM_ZC_EXT)));
    EXPECT_EQ(grid->Model().Columns(), 6);
    EXPECT_EQ(grid->Model().Rows(), 9);
    EXPECT_TRUE(grid->IsLabelCell(4, 3));  // "12ch"
    ClickCell(5, 4);
    ASSERT_TRUE(edit->isVisible());
    edit->setText(QStringLiteral("400"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(grid->Model().CellText(5, 4), "400");
    EXPECT_EQ(observer.sources.size(), 1u);
    EXPECT_NE(image.words[PrimaryCurrentWord(12)], 400) << "the page edits its own copy";
    page->Save(image);
    EXPECT_EQ(image.words[PrimaryCurrentWord(12)], 400);
}

TEST_F(Input2PageTest, TypedDigitStartsAnEditAndDownMovesOn) {
    Open(EightInputs());
    EXPECT_EQ(grid->Model().Columns(), 3);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Right);  // primary of input 1
    ASSERT_EQ(grid->CurrentColumn(), 2);
    QTest::keyClick(grid, Qt::Key_7);
    ASSERT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->text(), QStringLiteral("7"));
    QTest::keyClick(edit, Qt::Key_5);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(grid->CurrentRow(), 2);
    EXPECT_TRUE(edit->isVisible()) << "the next cell is activated";
    EXPECT_EQ(edit->selectedText(), ToQString(grid->Model().CellText(2, 2)));
    page->Save(image);
    EXPECT_EQ(image.words[kWordPrimaryCurrent], 75);
}

TEST_F(Input2PageTest, RefusedPrimaryKeepsTheEditAndEscapeNeverCloses) {
    Open(EightInputs());
    MessageBoxRecorder boxes;
    ClickCell(2, 1);
    edit->setText(QStringLiteral("20001"));
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].find(LoadString(15151)), std::string::npos);
    EXPECT_TRUE(FocusedAndSelected(edit));
    EXPECT_TRUE(observer.sources.empty());
    Reactivate(page);

    KeyOnFocus(Qt::Key_Escape);
    EXPECT_TRUE(host.isVisible());
    EXPECT_FALSE(edit->isVisible());
    EXPECT_TRUE(grid->hasFocus());
    KeyOnFocus(Qt::Key_Escape);
    FindControlAs<QLineEdit>(page, kIdVtPrimary)->setFocus();
    KeyOnFocus(Qt::Key_Escape);
    EXPECT_TRUE(host.isVisible());
}

TEST_F(Input2PageTest, LoadingASmallerTypeBringsTheCurrentCellBack) {
    Open(DefaultImageOfRow(RowWith(0, FAM_ZC | FAM_ZC_EXT)));
    ClickCell(4, 8);  // sensor of "16ch"
    ASSERT_EQ(grid->CurrentRow(), 8);
    page->Load(EightInputs());
    page->Load(DefaultImageOfRow(RowWith(0, FAM_ZB | FAM_ZB_INPUT)));
    ASSERT_EQ(grid->Model().Rows(), 3);
    EXPECT_LT(grid->CurrentRow(), 3);
    EXPECT_LT(grid->CurrentColumn(), 3);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->CurrentRow(), 2);
}

TEST_F(Input2PageTest, SensorDropDownStoresTheChoice) {
    Open(EightInputs());
    ClickCell(1, 1);
    auto* combo = grid->findChild<CEditComboBox*>(QStringLiteral("parEditCombo"));
    ASSERT_TRUE(combo != nullptr && combo->isVisible());
    EXPECT_EQ(combo->count(), CInput2PageModel::kSensorCount);
    ChooseInCombo(combo, 2);
    EXPECT_EQ(observer.sources.size(), 1u);
    page->Save(image);
    EXPECT_EQ(image.words[kWordSecondaryCurrent], 2);
}

TEST_F(Input2PageTest, FailedSaveStoresNothingAndSelectsTheField) {
    Open(EightInputs());
    ClickCell(2, 1);
    edit->setText(QStringLiteral("321"));
    QTest::keyClick(edit, Qt::Key_Return);
    auto* secondary = FindControlAs<QLineEdit>(page, kIdVtSecondary);
    secondary->setText(QStringLiteral("49"));
    const ParameterImage before = image;
    try {
        page->Save(image);
        ADD_FAILURE() << "a secondary voltage of 49 is refused";
    } catch (const SettingFieldError& error) {
        EXPECT_EQ(error.Field(), CInput2PageModel::VtSecondaryField);
    }
    EXPECT_EQ(image.words, before.words);
    EXPECT_TRUE(FocusedAndSelected(secondary));
    secondary->setText(QStringLiteral("500"));
    page->Save(image);
    EXPECT_EQ(image.words[kWordSecondaryVoltage], 500);
    EXPECT_EQ(image.words[kWordPrimaryCurrent], 321);
}

}  // namespace
}  // namespace voltaro
