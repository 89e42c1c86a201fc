#include "gui/controls/grid_frame.h"

#include <QEvent>
#include <algorithm>

namespace voltaro {

CGridFrame::CGridFrame(QWidget* parent) : QWidget(parent), grid_(new CDataGridView(this)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    grid_->installEventFilter(this);
}

void CGridFrame::SetLayoutRule(const std::vector<CellBinding>& labels, double divisor,
                               int minColumnWidth, int minRowIndex, int minColumns) {
    divisor_ = divisor;
    minColumnWidth_ = minColumnWidth;
    minRowIndex_ = minRowIndex;
    minColumns_ = minColumns;
    SetLabels(labels);
}

void CGridFrame::SetLabels(const std::vector<CellBinding>& labels) {
    labels_ = labels;
    Apply();
}

int CGridFrame::ColumnWidthFor(int width) const {
    if (divisor_ <= 0) return minColumnWidth_;
    const int columns = std::max(1, grid_->Model().Columns());
    const int fitting = (width - 1) / columns;
    return std::max(minColumnWidth_, std::min(static_cast<int>(width / divisor_), fitting));
}

void CGridFrame::Apply() {
    grid_->SetLabels(labels_, ColumnWidthFor(width()), minRowIndex_, minColumns_);
    // The column count is known only now: a first layout may have used a stale one.
    const int columnWidth = ColumnWidthFor(width());
    if (columnWidth != grid_->ColumnWidth()) {
        grid_->SetLabels(labels_, columnWidth, minRowIndex_, minColumns_);
    }
    updateGeometry();
}

QSize CGridFrame::sizeHint() const {
    return QSize(std::max(width(), minimumSizeHint().width()), grid_->height());
}

QSize CGridFrame::minimumSizeHint() const {
    return QSize(grid_->Model().Columns() * minColumnWidth_ + 1, grid_->height());
}

void CGridFrame::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (ColumnWidthFor(width()) != grid_->ColumnWidth()) Apply();
}

bool CGridFrame::eventFilter(QObject* watched, QEvent* event) {
    // The grid changes its height with the font's row height: tell the layout.
    if (watched == grid_ && event->type() == QEvent::Resize) updateGeometry();
    return QWidget::eventFilter(watched, event);
}

}  // namespace voltaro
