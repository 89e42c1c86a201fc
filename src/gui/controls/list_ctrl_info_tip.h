#pragma once
// The list of the report window and the list-based setting dialogs: a flat tree widget with
// columns, full-row selection, whose every cell shows its whole text as
// a tooltip (also when the column cuts it).
#include <QString>
#include <QTreeWidget>

namespace voltaro {

class CListCtrlInfoTip : public QTreeWidget {
    Q_OBJECT
  public:
    explicit CListCtrlInfoTip(QWidget* parent = nullptr);

    // Text of the cell under a point of the viewport; false when no cell is there.
    bool CellTextAt(const QPoint& viewportPos, QString& text) const;
    // Bounds of a cell in viewport coordinates.
    QRect CellRect(QTreeWidgetItem* item, int column) const;

  protected:
    bool viewportEvent(QEvent* event) override;
};

}  // namespace voltaro
