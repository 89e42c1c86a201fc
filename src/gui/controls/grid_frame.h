#pragma once
// A data grid that follows the width of its place in a layout: the grid sizes itself to its
// cells, so the frame gives it a column width from the frame's own width (width / divisor,
// never less than a minimum and never wider than the frame) whenever either changes, and
// asks the layout for the grid's height.
#include <QWidget>
#include <vector>

#include "gui/controls/data_grid_view.h"

namespace voltaro {

class CGridFrame : public QWidget {
    Q_OBJECT
  public:
    explicit CGridFrame(QWidget* parent = nullptr);

    CDataGridView* Grid() const { return grid_; }
    // Lays the grid out with labels; columns are frame width / divisor wide (a divisor of
    // 0: always minColumnWidth).
    void SetLayoutRule(const std::vector<CellBinding>& labels, double divisor, int minColumnWidth,
                       int minRowIndex = 0, int minColumns = 0);
    // Replaces the labels and keeps the rest of the rule.
    void SetLabels(const std::vector<CellBinding>& labels);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int ColumnWidthFor(int width) const;
    void Apply();

    CDataGridView* grid_;
    std::vector<CellBinding> labels_;
    double divisor_ = 0;
    int minColumnWidth_ = 10;
    int minRowIndex_ = 0;
    int minColumns_ = 0;
};

}  // namespace voltaro
