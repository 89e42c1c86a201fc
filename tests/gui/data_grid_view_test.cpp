// The data grid: layout from the label list, selection rules, activation and painting.
#include <gtest/gtest.h>
#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include "core/platform/string_table.h"
#include "gui/controls/data_grid_view.h"
#include "recording_observer.h"

namespace voltaro {
namespace {

using test::RecordingObserver;

// Row 0 and column 0 carry headers; (3, 2) is a label inside the value area.
std::vector<CellBinding> HeaderLabels(int columns, int rows) {
    std::vector<CellBinding> labels;
    for (int c = 0; c < columns; ++c) {
        labels.push_back({999, c, 0});
    }
    for (int r = 1; r < rows; ++r) {
        labels.push_back({999, 0, r});
    }
    return labels;
}

TEST(GridModel, SizeComesFromTheLargestLabelAndTheMinimums) {
    CGridModel model;
    model.SetRowHeight(15);
    model.SetLabels({{1, 6, 0}, {2, 0, 7}, {3, 2, 3}}, 40, 0, 0);
    EXPECT_EQ(model.Columns(), 7);
    EXPECT_EQ(model.Rows(), 8);
    EXPECT_EQ(model.PixelWidth(), 7 * 40 + 1);
    EXPECT_EQ(model.PixelHeight(), 8 * 15 + 1);

    model.SetLabels({{1, 0, 0}, {2, 0, 1}}, 40, 0, 9);
    EXPECT_EQ(model.Columns(), 9);
    EXPECT_EQ(model.Rows(), 2);
    model.SetLabels({{1, 0, 0}}, 40, 5, 0);
    EXPECT_EQ(model.Rows(), 6);
}

TEST(GridModel, FirstTextOfACellWinsAndLabelsAreFound) {
    CGridModel model;
    model.SetLabels({{1, 2, 3}}, 10, 0, 0);
    EXPECT_TRUE(model.IsLabelCell(3, 2));
    EXPECT_FALSE(model.IsLabelCell(2, 3));
    model.SetCellText(1, 1, "first");
    model.SetCellText(1, 1, "second");
    EXPECT_EQ(model.CellText(1, 1), "first");
    EXPECT_EQ(model.CellText(2, 1), "");
    model.ClearCells();
    EXPECT_EQ(model.CellText(1, 1), "");
}

TEST(GridModel, MovesSkipLabelsAndNeverLeaveTheSelectableRange) {
    CGridModel model;
    std::vector<CellBinding> labels = HeaderLabels(5, 4);
    labels.push_back({1, 2, 1});  // (column 2, row 1)
    labels.push_back({1, 3, 2});
    labels.push_back({1, 4, 2});
    model.SetLabels(labels, 10, 0, 0);
    ASSERT_EQ(model.CurrentRow(), 1);
    ASSERT_EQ(model.CurrentColumn(), 1);

    EXPECT_FALSE(model.Move(0, -1));  // Up on row 1
    EXPECT_FALSE(model.Move(-1, 0));  // Left on column 1
    EXPECT_TRUE(model.Move(1, 0));    // over the label at column 2
    EXPECT_EQ(model.CurrentColumn(), 3);
    EXPECT_TRUE(model.Move(0, 1));  // (3, 2) is a label: skip to row 3
    EXPECT_EQ(model.CurrentRow(), 3);
    EXPECT_FALSE(model.Move(0, 1));  // last row

    ASSERT_TRUE(model.Select(2, 2));
    EXPECT_FALSE(model.Move(1, 0));  // only labels to the right
    EXPECT_EQ(model.CurrentColumn(), 2);
    EXPECT_FALSE(model.Select(0, 2));  // header column
    EXPECT_FALSE(model.Select(2, 1));  // label
    EXPECT_FALSE(model.Select(5, 1));  // outside
}

TEST(GridModel, HitTestStaysInsideTheGrid) {
    CGridModel model;
    model.SetRowHeight(10);
    model.SetLabels({{1, 2, 2}}, 20, 0, 0);
    int column = -1;
    int row = -1;
    EXPECT_TRUE(model.HitTest(59, 29, column, row));
    EXPECT_EQ(column, 2);
    EXPECT_EQ(row, 2);
    EXPECT_FALSE(model.HitTest(60, 5, column, row));
    EXPECT_FALSE(model.HitTest(5, 30, column, row));
    EXPECT_FALSE(model.HitTest(-1, 5, column, row));
}

TEST(GridModel, LabelPrefixesChooseSpanAndVisibility) {
    EXPECT_FALSE(DecodeLabelText("!").visible);
    const LabelText wide = DecodeLabelText("@Total");
    EXPECT_EQ(wide.text, "Total");
    EXPECT_EQ(wide.columnSpan, 2);
    EXPECT_EQ(wide.rowSpan, 1);
    const LabelText both = DecodeLabelText("$@kWh");
    EXPECT_EQ(both.text, "kWh");
    EXPECT_EQ(both.columnSpan, 2);
    EXPECT_EQ(both.rowSpan, 2);
    const LabelText plain = DecodeLabelText("!x");
    EXPECT_TRUE(plain.visible);
    EXPECT_EQ(plain.text, "!x");
}

class GridWidget : public ::testing::Test {
  protected:
    void SetUp() override {
        grid.setObjectName(QStringLiteral("grid"));
        std::vector<CellBinding> labels = HeaderLabels(4, 4);
        labels.push_back({1, 2, 2});  // a label inside the value area
        grid.SetLabels(labels, 50, 0, 0);
        grid.SetSelectable(true);
        grid.SetCellText(1, 1, "12.5");
        grid.SetCellText(3, 3, "230.0");
        Attach(grid, observer);
        grid.show();
        grid.activateWindow();
        grid.setFocus();
    }

    QPoint CellCentre(int column, int row) const { return grid.CellRect(column, row).center(); }

    CDataGridView grid;
    RecordingObserver observer;
};

TEST_F(GridWidget, ResizesItselfToItsCells) {
    EXPECT_EQ(grid.size(), QSize(4 * 50 + 1, 4 * grid.RowHeight() + 1));
    EXPECT_EQ(grid.RowHeight(), grid.fontMetrics().height() + 2);
    grid.SetLabels({{1, 6, 0}, {1, 0, 7}}, 30, 0, 0);
    EXPECT_EQ(grid.size(), QSize(7 * 30 + 1, 8 * grid.RowHeight() + 1));
}

TEST_F(GridWidget, ClicksOnHeadersAndLabelsChangeNothing) {
    QTest::mouseClick(&grid, Qt::LeftButton, {}, CellCentre(0, 3));
    QTest::mouseClick(&grid, Qt::LeftButton, {}, CellCentre(3, 0));
    QTest::mouseClick(&grid, Qt::LeftButton, {}, CellCentre(2, 2));
    EXPECT_EQ(grid.CurrentColumn(), 1);
    EXPECT_EQ(grid.CurrentRow(), 1);
    EXPECT_TRUE(observer.sources.empty());

    QTest::mouseClick(&grid, Qt::LeftButton, {}, CellCentre(3, 3));
    EXPECT_EQ(grid.CurrentColumn(), 3);
    EXPECT_EQ(grid.CurrentRow(), 3);
    ASSERT_EQ(observer.sources.size(), 1u);
    EXPECT_EQ(observer.sources[0], &grid);
    EXPECT_EQ(grid.RequestText(), "230.0");
    EXPECT_EQ(grid.RequestChar(), 0);
}

TEST_F(GridWidget, ArrowKeysStopAtTheEdgesAndLabels) {
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.CurrentRow(), 1);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.CurrentRow(), 2);
    QTest::keyClick(&grid, Qt::Key_Right);  // (2, 2) is a label
    EXPECT_EQ(grid.CurrentColumn(), 3);
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(grid.CurrentColumn(), 3);
    EXPECT_TRUE(observer.sources.empty());
}

TEST_F(GridWidget, TypedCharacterIsPassedWithoutTheCellText) {
    QTest::keyClick(&grid, Qt::Key_7, Qt::NoModifier);
    ASSERT_EQ(observer.sources.size(), 1u);
    EXPECT_EQ(grid.RequestChar(), '7');
    EXPECT_EQ(grid.RequestText(), "");

    QTest::keyClick(&grid, Qt::Key_Return);
    ASSERT_EQ(observer.sources.size(), 2u);
    EXPECT_EQ(grid.RequestChar(), 0);
    EXPECT_EQ(grid.RequestText(), "12.5");

    QTest::keyClick(&grid, Qt::Key_Escape);  // stays with the dialog
    EXPECT_EQ(observer.sources.size(), 2u);
}

TEST_F(GridWidget, LongTextIsElidedAndShownInFullAsTooltip) {
    const std::string longText = "123456789012345678901234567890";
    grid.SetCellText(1, 2, longText);
    const QRect rect = grid.CellRect(1, 2);
    const QString shown = grid.DisplayText(QString::fromStdString(longText), rect);
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_LE(grid.fontMetrics().horizontalAdvance(shown), rect.width());
    EXPECT_EQ(grid.DisplayText(QStringLiteral("1.0"), rect), QStringLiteral("1.0"));

    EXPECT_EQ(grid.ToolTipTextAt(rect.center()).toStdString(), longText);
    EXPECT_TRUE(grid.ToolTipTextAt(CellCentre(2, 1)).isEmpty());
    EXPECT_TRUE(grid.ToolTipTextAt(QPoint(grid.width() + 5, 2)).isEmpty());

    QHelpEvent help(QEvent::ToolTip, rect.center(), grid.mapToGlobal(rect.center()));
    QApplication::sendEvent(&grid, &help);
    EXPECT_EQ(QToolTip::text().toStdString(), longText);
    QToolTip::hideText();
}

TEST_F(GridWidget, PictureIsRedrawnOnlyWhenTextsOrLayoutChanged) {
    grid.grab();
    const int first = grid.RedrawCount();
    EXPECT_GE(first, 1);
    grid.grab();
    grid.MoveDown();
    grid.grab();
    EXPECT_EQ(grid.RedrawCount(), first);

    grid.ClearCells();
    grid.SetCellText(1, 1, "1");
    grid.SetCellText(1, 2, "2");
    grid.grab();
    EXPECT_EQ(grid.RedrawCount(), first + 1);

    grid.setEnabled(false);
    grid.grab();
    EXPECT_EQ(grid.RedrawCount(), first + 2);
}

TEST_F(GridWidget, DisabledGridPaintsCellsOnButtonFace) {
    const QPoint inside = grid.CellRect(3, 3).topLeft() + QPoint(1, 1);
    const QImage enabled = grid.grab().toImage();
    EXPECT_EQ(enabled.pixelColor(inside), QColor(Qt::white));
    grid.setEnabled(false);
    const QImage disabled = grid.grab().toImage();
    EXPECT_EQ(disabled.pixelColor(inside), grid.palette().color(QPalette::Button));
}

TEST(GridPainting, LabelPrefixesHideOrSpanTheLabel) {
    static const StringEntry table[] = {{90001, "!"}, {90002, "@Wide"}, {90003, "$Tall"}};
    SetActiveStringTable(table);
    CDataGridView grid;
    grid.SetLabels({{90001, 1, 1}, {90002, 1, 2}, {90003, 3, 1}}, 40, 3, 0);
    const QImage image = grid.grab().toImage();
    SetActiveStringTable({});

    const QColor face = grid.palette().color(QPalette::Button);
    const QColor line = grid.palette().color(QPalette::ButtonText);
    const int height = grid.RowHeight();
    // "!" leaves its cell as an empty value cell.
    EXPECT_EQ(image.pixelColor(grid.CellRect(1, 1).topLeft()), QColor(Qt::white));
    // "@" covers the grid line to the right cell, which stays in the row below.
    EXPECT_EQ(image.pixelColor(80, 2 * height + 1), face);
    EXPECT_EQ(image.pixelColor(80, 3 * height + 1), line);
    // "$" covers the grid line to the cell below.
    EXPECT_EQ(image.pixelColor(121, 2 * height), face);
    EXPECT_EQ(image.pixelColor(81, 2 * height), line);
}

}  // namespace
}  // namespace voltaro
