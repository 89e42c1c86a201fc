#pragma once
// The list of the report window and the list-based setting dialogs: a flat tree widget with
// columns, full-row selection, whose every cell shows its whole text as
// a tooltip (also when the column cuts it).
//
// Columns fit their content: each is as wide as its header and its widest cell (at least
// its given width), the list is never narrower than all columns together, and a wider list
// shares the extra room among the columns in proportion to their widths. The fit follows
// every change of texts.
#include <QString>
#include <QTreeWidget>
#include <vector>

namespace voltaro {

class CListCtrlInfoTip : public QTreeWidget {
    Q_OBJECT
  public:
    explicit CListCtrlInfoTip(QWidget* parent = nullptr);

    // Text of the cell under a point of the viewport; false when no cell is there.
    bool CellTextAt(const QPoint& viewportPos, QString& text) const;
    // Bounds of a cell in viewport coordinates.
    QRect CellRect(QTreeWidgetItem* item, int column) const;

    // The smallest width of each column (pixels); later columns have none.
    void SetColumnWidths(std::vector<int> widths);
    // Fits the columns to their content now (otherwise done once the texts have changed).
    void FitColumns();
    // Width that column needs for its header and its cells (at least its given width).
    int ContentWidth(int column) const;

  protected:
    bool viewportEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void ScheduleFit();
    void ShareWidth();

    std::vector<int> minimumWidths_;
    std::vector<int> contentWidths_;
    bool fitPending_ = false;
    int ownMinimumWidth_ = -1;    // what FitColumns last set as the list's minimum width
    int callerMinimumWidth_ = 0;  // what the owner asked for
};

}  // namespace voltaro
