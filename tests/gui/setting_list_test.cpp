// The list of list-based setting dialogs: greyed rows, cell texts, which clicks start
// which editor, and cancelling an active edit.
#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QTest>

#include "gui/controls/setting_list.h"
#include "recording_observer.h"

namespace voltaro {
namespace {

TEST(SettingCells, NumbersCarryTheirUnitAndEditWithoutIt) {
    EXPECT_EQ(NumericCellText("5.000", "A"), "5.000 (A)");
    EXPECT_EQ(NumericCellText("12", ""), "12");
    EXPECT_EQ(EditableNumber("5.000 (A)"), "5.000");
    EXPECT_EQ(EditableNumber("-1.5"), "-1.5");
    EXPECT_EQ(EditableNumber(""), "");
}

class SettingListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        list.setObjectName(QStringLiteral("list"));
        setting = new CSettingList(list, {{999, 0, 120, SettingColumn::kName},
                                          {999, 1, 100, SettingColumn::kNumber},
                                          {999, 0, 100, SettingColumn::kChoice},
                                          {999, 0, 60, SettingColumn::kReadOnly}});
        Attach(setting->Editor(), dialog);
        setting->SetRows({QStringLiteral("Current"), QStringLiteral("Voltage")});
        setting->SetCellText(0, 1, QStringLiteral("5.000 (A)"));
        setting->SetColumnChoices(
            2, {QStringLiteral("Off"), QStringLiteral("Upper"), QStringLiteral("Lower")});
        setting->SetChoice(0, 2, 1);
        setting->SetApplicable(1, false);
        list.resize(420, 200);
        list.show();
        QApplication::setActiveWindow(&list);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    }

    void Click(int row, int column) {
        const QRect cell = list.CellRect(list.topLevelItem(row), column);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center());
    }

    CListCtrlInfoTip list;
    CSettingList* setting = nullptr;
    test::RecordingObserver dialog;
};

TEST_F(SettingListTest, AbsentFeatureRowsAreGreyAndNotEditable) {
    EXPECT_TRUE(setting->IsApplicable(0));
    EXPECT_FALSE(setting->IsApplicable(1));
    QTreeWidgetItem* grey = list.topLevelItem(1);
    EXPECT_EQ(grey->background(1).color(), list.palette().color(QPalette::Button));
    EXPECT_EQ(grey->foreground(0).color(),
              list.palette().color(QPalette::Disabled, QPalette::Text));
    EXPECT_EQ(setting->CellText(0, 2), QStringLiteral("Upper"));

    Click(1, 1);
    Click(0, 0);
    Click(0, 3);
    EXPECT_FALSE(setting->Editor().Active());
}

TEST_F(SettingListTest, NumericCellStartsTheEditBoxWithoutTheUnit) {
    Click(0, 1);
    CEditText* edit = list.findChild<CEditText*>(QStringLiteral("parEditText"));
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->selectedText(), QStringLiteral("5.000"));
    EXPECT_EQ(setting->EditRow(), 0);
    EXPECT_EQ(setting->EditColumn(), 1);

    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_EQ(dialog.sources.size(), 1u);
    EXPECT_EQ(setting->Editor().GetResult(), CParEdit::kEditAccepted);
    EXPECT_EQ(setting->Editor().Text(), "5.000");
}

TEST_F(SettingListTest, ChoiceCellDropsDownWithTheCurrentEntry) {
    Click(0, 2);
    CEditComboBox* combo = list.findChild<CEditComboBox*>(QStringLiteral("parEditCombo"));
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->isVisible());
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_TRUE(combo->view()->isVisible());
    combo->hidePopup();
    QApplication::processEvents();
}

TEST_F(SettingListTest, CancelEndsAnActiveEditWithoutAcceptance) {
    EXPECT_FALSE(setting->CancelEdit());
    ASSERT_TRUE(setting->BeginEdit(0, 1));
    EXPECT_TRUE(setting->CancelEdit());
    EXPECT_FALSE(setting->Editor().Active());
    ASSERT_EQ(dialog.sources.size(), 1u);
    EXPECT_EQ(setting->Editor().GetResult(), CParEdit::kCancelled);
}

}  // namespace
}  // namespace voltaro
