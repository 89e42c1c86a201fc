#include "gui/controls/data_grid_view.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QToolTip>

#include "gui/app/qt_text.h"
#include "gui/controls/edit_text.h"

namespace voltaro {

CDataGridView::CDataGridView(QWidget* parent) : QWidget(parent), picture_(1, 1) {
    setFocusPolicy(Qt::StrongFocus);
    UpdateRowHeight();
    ApplyLayout();
}

void CDataGridView::UpdateRowHeight() {
    model_.SetRowHeight(fontMetrics().height() + 2);
}

void CDataGridView::ApplyLayout() {
    setFixedSize(model_.PixelWidth(), model_.PixelHeight());
    layoutDirty_ = true;
    update();
}

void CDataGridView::SetLabels(const std::vector<CellBinding>& labels, int columnWidth,
                              int minRowIndex, int minColumns) {
    model_.SetLabels(labels, columnWidth, minRowIndex, minColumns);
    ApplyLayout();
}

void CDataGridView::ClearCells() {
    model_.ClearCells();
    cellsDirty_ = true;
    update();
}

void CDataGridView::SetCellText(int column, int row, const std::string& text) {
    model_.SetCellText(column, row, text);
    cellsDirty_ = true;
    update();
}

void CDataGridView::SetSelectable(bool selectable) {
    selectable_ = selectable;
    update();
}

void CDataGridView::MoveUp() {
    model_.Move(0, -1);
    update();
}

void CDataGridView::MoveDown() {
    model_.Move(0, 1);
    update();
}

void CDataGridView::MoveLeft() {
    model_.Move(-1, 0);
    update();
}

void CDataGridView::MoveRight() {
    model_.Move(1, 0);
    update();
}

bool CDataGridView::MoveBy(int navigation) {
    switch (navigation) {
        case kNavigateDown:
            MoveDown();
            return true;
        case kNavigateUp:
            MoveUp();
            return true;
        case kNavigateLeft:
            MoveLeft();
            return true;
        case kNavigateRight:
            MoveRight();
            return true;
        default:
            return false;
    }
}

void CDataGridView::Activate(int ch) {
    if (ch == 0) {
        requestText_ = model_.CellText(model_.CurrentColumn(), model_.CurrentRow());
    }
    requestChar_ = ch;
    if (hasFocus()) {
        update();
    } else {
        setFocus(Qt::OtherFocusReason);
    }
    NotifyObservers(this);
}

QRect CDataGridView::CellRect(int column, int row, int columnSpan, int rowSpan) const {
    const int width = model_.ColumnWidth();
    const int height = model_.RowHeight();
    return QRect(column * width + 1, row * height + 1, columnSpan * width - 1,
                 rowSpan * height - 1);
}

QString CDataGridView::DisplayText(const QString& text, const QRect& rect) const {
    return fontMetrics().elidedText(text, Qt::ElideRight, rect.width(), Qt::TextSingleLine);
}

QString CDataGridView::ToolTipTextAt(const QPoint& pos) const {
    int column = 0;
    int row = 0;
    if (!model_.HitTest(pos.x(), pos.y(), column, row)) {
        return {};
    }
    return ToQString(model_.CellText(column, row));
}

void CDataGridView::DrawText(QPainter& painter, const QString& text, const QRect& rect) const {
    painter.drawText(rect, Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine,
                     DisplayText(text, rect));
}

void CDataGridView::RedrawPicture() {
    ++redrawCount_;
    const QPalette& colours = palette();
    const bool enabled = isEnabled();
    const QColor cellBackground =
        enabled ? colours.color(QPalette::Active, QPalette::Base) : colours.color(QPalette::Button);
    const QColor textColour = enabled ? colours.color(QPalette::Active, QPalette::WindowText)
                                      : colours.color(QPalette::Disabled, QPalette::WindowText);
    QPainter painter(&picture_);
    painter.setFont(font());
    painter.fillRect(picture_.rect(),
                     enabled ? QColor(Qt::white) : colours.color(QPalette::Button));

    painter.setPen(QPen(colours.color(QPalette::ButtonText), 1));
    const int width = model_.ColumnWidth();
    const int height = model_.RowHeight();
    for (int i = 0; i <= model_.Columns(); ++i) {
        painter.drawLine(i * width, 0, i * width, model_.Rows() * height);
    }
    for (int j = 0; j <= model_.Rows(); ++j) {
        painter.drawLine(0, j * height, model_.Columns() * width, j * height);
    }

    painter.setPen(textColour);
    for (const CellBinding& label : model_.Labels()) {
        const LabelText decoded = DecodeLabelText(LoadString(label.id));
        if (!decoded.visible) {
            continue;
        }
        const QRect rect = CellRect(label.column, label.row, decoded.columnSpan, decoded.rowSpan);
        painter.fillRect(rect, colours.color(QPalette::Button));
        DrawText(painter, ToQString(decoded.text), rect);
    }
    for (const GridCell& cell : model_.Cells()) {
        const QRect rect = CellRect(cell.column, cell.row);
        painter.fillRect(rect, cellBackground);
        DrawText(painter, ToQString(cell.text), rect);
    }
    cellsDirty_ = false;
}

void CDataGridView::paintEvent(QPaintEvent* /*event*/) {
    const int oldHeight = model_.RowHeight();
    UpdateRowHeight();
    if (model_.RowHeight() != oldHeight) {
        ApplyLayout();
    }
    if (layoutDirty_) {
        picture_ = QPixmap(model_.PixelWidth(), model_.PixelHeight());
        layoutDirty_ = false;
        cellsDirty_ = true;
    }
    if (cellsDirty_) {
        RedrawPicture();
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    if (selectable_ && hasFocus()) {
        const QRect rect = CellRect(model_.CurrentColumn(), model_.CurrentRow());
        painter.fillRect(rect, palette().color(QPalette::Highlight));
        painter.setPen(palette().color(QPalette::HighlightedText));
        DrawText(painter, ToQString(model_.CellText(model_.CurrentColumn(), model_.CurrentRow())),
                 rect);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect;
        option.backgroundColor = palette().color(QPalette::Highlight);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void CDataGridView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    int column = 0;
    int row = 0;
    const QPoint pos = event->position().toPoint();
    if (selectable_ && model_.HitTest(pos.x(), pos.y(), column, row) &&
        model_.Select(column, row)) {
        Activate(0);
    }
}

void CDataGridView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Activate(0);
            return;
        case Qt::Key_Left:
            MoveLeft();
            return;
        case Qt::Key_Up:
            MoveUp();
            return;
        case Qt::Key_Right:
            MoveRight();
            return;
        case Qt::Key_Down:
            MoveDown();
            return;
        default:
            break;
    }
    // Printable characters start an edit with that character; control characters such
    // as Escape and Tab stay with the dialog.
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint()) {
        Activate(static_cast<int>(text.toUcs4().value(0)));
        return;
    }
    QWidget::keyPressEvent(event);
}

void CDataGridView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void CDataGridView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void CDataGridView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        cellsDirty_ = true;
        update();
    } else if (event->type() == QEvent::FontChange) {
        UpdateRowHeight();
        ApplyLayout();
    }
    QWidget::changeEvent(event);
}

bool CDataGridView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = ToolTipTextAt(help->pos());
        int column = 0;
        int row = 0;
        if (text.isEmpty() || !model_.HitTest(help->pos().x(), help->pos().y(), column, row)) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this, CellRect(column, row));
        }
        return true;
    }
    return QWidget::event(event);
}

}  // namespace voltaro
