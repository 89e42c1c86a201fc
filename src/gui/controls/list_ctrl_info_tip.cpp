#include "gui/controls/list_ctrl_info_tip.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QToolTip>

namespace voltaro {

CListCtrlInfoTip::CListCtrlInfoTip(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
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
    return QTreeWidget::viewportEvent(event);
}

}  // namespace voltaro
