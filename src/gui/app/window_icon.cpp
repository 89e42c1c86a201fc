#include "gui/app/window_icon.h"

#include <QPainter>
#include <QPixmap>
#include <cmath>
#include <numbers>

namespace voltaro {

namespace {

QPixmap DrawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    painter.setPen(QPen(QColor(20, 60, 120), s / 16));
    painter.setBrush(QColor(50, 110, 190));
    painter.drawRoundedRect(QRectF(s / 32, s / 32, s - s / 16, s - s / 16), s / 6, s / 6);
    // The dial: an arc of white ticks and a red needle.
    const QPointF centre(s / 2, s * 0.68);
    const double radius = s * 0.38;
    painter.setPen(QPen(Qt::white, s / 20, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i <= 4; ++i) {
        const double angle = std::numbers::pi * (0.1 + 0.2 * i);
        const QPointF direction(-std::cos(angle), -std::sin(angle));
        painter.drawLine(centre + direction * radius * 0.8, centre + direction * radius);
    }
    const double needle = std::numbers::pi * 0.7;
    painter.setPen(QPen(QColor(230, 40, 40), s / 14, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(-std::cos(needle), -std::sin(needle)) * radius * 0.9);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, s / 14, s / 14);
    return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(DrawIcon(size));
    return icon;
}

}  // namespace voltaro
