#include "gui/controls/led_indicator.h"

#include <QPainter>
#include <algorithm>

#include "gui/controls/paint_support.h"

namespace voltaro {

CLedIndicator::CLedIndicator(QWidget* parent) : QWidget(parent) {}

void CLedIndicator::SetColor(const QColor& color) {
    color_ = color;
    update();
}

void CLedIndicator::SetColorRef(std::uint32_t colorRef) {
    SetColor(ColorFromRef(colorRef));
}

QRect CLedIndicator::CircleRect(const QSize& size) {
    const int diameter = std::min(size.width(), size.height());
    return QRect((size.width() - diameter) / 2, (size.height() - diameter) / 2, diameter, diameter);
}

void CLedIndicator::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(color_);
    // The pen straddles the outline, so the drawn circle stays inside the rectangle.
    painter.drawEllipse(QRectF(CircleRect(size())).adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace voltaro
