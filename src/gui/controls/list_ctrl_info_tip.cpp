#include "gui/controls/list_ctrl_info_tip.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <numeric>

namespace voltaro {

CListCtrlInfoTip::CListCtrlInfoTip(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(false);
    QAbstractItemModel* items = model();
    connect(items, &QAbstractItemModel::dataChanged, this, &CListCtrlInfoTip::ScheduleFit);
    connect(items, &QAbstractItemModel::rowsInserted, this, &CListCtrlInfoTip::ScheduleFit);
    connect(items, &QAbstractItemModel::rowsRemoved, this, &CListCtrlInfoTip::ScheduleFit);
    connect(items, &QAbstractItemModel::modelReset, this, &CListCtrlInfoTip::ScheduleFit);
    connect(items, &QAbstractItemModel::headerDataChanged, this, &CListCtrlInfoTip::ScheduleFit);
    connect(items, &QAbstractItemModel::columnsInserted, this, &CListCtrlInfoTip::ScheduleFit);
}

void CListCtrlInfoTip::SetColumnWidths(std::vector<int> widths) {
    minimumWidths_ = std::move(widths);
    FitColumns();
}

int CListCtrlInfoTip::ContentWidth(int column) const {
    int width = std::max(header()->sectionSizeHint(column), sizeHintForColumn(column));
    if (column >= 0 && static_cast<std::size_t>(column) < minimumWidths_.size())
        width = std::max(width, minimumWidths_[static_cast<std::size_t>(column)]);
    return width;
}

void CListCtrlInfoTip::ScheduleFit() {
    if (fitPending_) return;
    fitPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (fitPending_) FitColumns();
    });
}

void CListCtrlInfoTip::FitColumns() {
    fitPending_ = false;
    contentWidths_.clear();
    for (int column = 0; column < columnCount(); ++column)
        contentWidths_.push_back(ContentWidth(column));
    // The list keeps room for every column and a vertical scroll bar, so that the dialog
    // grows rather than cut a column.
    if (minimumWidth() != ownMinimumWidth_) callerMinimumWidth_ = minimumWidth();
    const int needed = std::accumulate(contentWidths_.begin(), contentWidths_.end(), 0) +
                       2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    ownMinimumWidth_ = std::max(callerMinimumWidth_, needed);
    setMinimumWidth(ownMinimumWidth_);
    ShareWidth();
}

void CListCtrlInfoTip::ShareWidth() {
    const int total = std::accumulate(contentWidths_.begin(), contentWidths_.end(), 0);
    if (total <= 0) return;
    const int extra = std::max(0, viewport()->width() - total);
    int given = 0;
    for (std::size_t column = 0; column < contentWidths_.size(); ++column) {
        int width = contentWidths_[column];
        if (column + 1 < contentWidths_.size()) {
            width += extra * contentWidths_[column] / total;
        } else {
            width += extra - given;
        }
        given += width - contentWidths_[column];
        header()->resizeSection(static_cast<int>(column), width);
    }
}

void CListCtrlInfoTip::showEvent(QShowEvent* event) {
    FitColumns();
    QTreeWidget::showEvent(event);
}

bool CListCtrlInfoTip::CellTextAt(const QPoint& viewportPos, QString& text) const {
    QTreeWidgetItem* item = itemAt(viewportPos);
    const int column = header()->logicalIndexAt(viewportPos.x());
    if (item == nullptr || column < 0) {
        return false;
    }
    text = item->text(column);
    return true;
}

QRect CListCtrlInfoTip::CellRect(QTreeWidgetItem* item, int column) const {
    const QRect row = visualItemRect(item);
    return QRect(header()->sectionViewportPosition(column), row.top(),
                 header()->sectionSize(column), row.height());
}

bool CListCtrlInfoTip::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        QString text;
        if (CellTextAt(help->pos(), text) && !text.isEmpty()) {
            QTreeWidgetItem* item = itemAt(help->pos());
            const int column = header()->logicalIndexAt(help->pos().x());
            QToolTip::showText(help->globalPos(), text, viewport(), CellRect(item, column));
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    if (event->type() == QEvent::Resize) ShareWidth();
    return QTreeWidget::viewportEvent(event);
}

}  // namespace voltaro
