#include "gui/controls/vector_chart.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "gui/controls/paint_support.h"

namespace voltaro {

namespace {

// Colours as 0x00BBGGRR values.
constexpr std::uint32_t kBackground = 0xC8C8C8;
constexpr std::uint32_t kLeadLagText = 0x329B9B;
constexpr std::uint32_t kAxes = 0x505050;
constexpr std::uint32_t kNameText = 0x146432;
constexpr std::uint32_t kVectorColours[kVectorCount] = {0x0000FF, 0xFFFFFF, 0xFF0000,
                                                        0x0000B4, 0xB4B4B4, 0xB40000};
const char* const kVectorNames[kVectorCount] = {"U1N", "U2N", "U3N", "I1", "I2", "I3"};

const QString kChartFace = QStringLiteral("Small Fonts");
constexpr int kChartPointSize = 7;

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

}  // namespace

CVectorChart::CVectorChart(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(FontWithFace(font(), kChartFace, kChartPointSize));
    setMinimumSize(120, 120);
}

void CVectorChart::SetVectors(const VectorChartData& vectors) {
    data_ = vectors;
    pictureDirty_ = true;
    update();
}

void CVectorChart::SetData(const CMeasurandsKT2& store) {
    SetVectors(ComputeVectorData(store));
}

QPointF CVectorChart::Centre(const QSize& size) const {
    return QPointF(size.width() / 2, size.height() / 2);
}

int CVectorChart::Radius(const QSize& size) const {
    const QFontMetrics metrics(font());
    const int text = std::max(metrics.horizontalAdvance(QStringLiteral("U3")), metrics.height());
    return std::max(0, std::min(size.width() / 2, size.height() / 2) - 2 * text);
}

QPointF CVectorChart::Tip(int vector, const QSize& size) const {
    const double length = VectorLength(data_, vector);
    const double theta = Radians(VectorAngle(data_, vector));
    const double reach = Radius(size) * length;
    const QPointF centre = Centre(size);
    return QPointF(centre.x() + reach * std::sin(theta), centre.y() - reach * std::cos(theta));
}

void CVectorChart::DrawPicture() {
    const QSize area = size();
    QPainter painter(&picture_);
    painter.fillRect(picture_.rect(), ColorFromRef(kBackground));
    painter.setFont(font());
    const QFontMetrics metrics(font());

    painter.setPen(ColorFromRef(kLeadLagText));
    painter.drawText(QPoint(2, metrics.ascent()), QStringLiteral("<-LEAD"));
    const QString lag = QStringLiteral("LAG->");
    painter.drawText(QPoint(area.width() - metrics.horizontalAdvance(lag) - 2, metrics.ascent()),
                     lag);

    const QPointF centre = Centre(area);
    const int radius = Radius(area);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(ColorFromRef(kBackground));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(ColorFromRef(kAxes), 1));
    painter.drawLine(QPointF(centre.x(), centre.y() - radius),
                     QPointF(centre.x(), centre.y() + radius));
    painter.drawLine(QPointF(centre.x() - radius, centre.y()),
                     QPointF(centre.x() + radius, centre.y()));

    const int textHeight = metrics.height();
    for (int i = 0; i < kVectorCount; ++i) {
        if (VectorSkipped(data_, i)) continue;
        const bool voltage = i < kVoltageVectors;
        const QColor colour = ColorFromRef(kVectorColours[i]);
        const QPointF tip = Tip(i, area);
        painter.setPen(QPen(colour, voltage ? 4 : 3, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(centre, tip);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(tip, 4, 4);
        if (VectorLength(data_, i) == 0) continue;
        const double distance = radius + textHeight / 2.0 + (voltage ? textHeight : 0);
        const double theta = Radians(VectorAngle(data_, i));
        const QPointF at(centre.x() + distance * std::sin(theta),
                         centre.y() - distance * std::cos(theta));
        const QString name = QString::fromLatin1(kVectorNames[i]);
        const double width = metrics.horizontalAdvance(name);
        painter.setPen(ColorFromRef(kNameText));
        painter.drawText(QRectF(at.x() - width / 2, at.y() - textHeight / 2.0, width, textHeight),
                         Qt::AlignCenter, name);
    }
}

void CVectorChart::paintEvent(QPaintEvent* /*event*/) {
    if (picture_.size() != size()) {
        picture_ = QPixmap(size());
        pictureDirty_ = true;
    }
    if (pictureDirty_) {
        DrawPicture();
        pictureDirty_ = false;
    }
    QPainter(this).drawPixmap(0, 0, picture_);
}

}  // namespace voltaro
