#include "gui/controls/harmonics_graph.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "core/monitor/measurand_store.h"
#include "gui/controls/paint_support.h"

namespace voltaro {

namespace {

constexpr std::uint32_t kBarColour = 0xC83232;  // 0x00BBGGRR
// The face the graph asks for; the default font stands in where it is missing.
const QString kGraphFace = QStringLiteral("kt2newfont");

}  // namespace

CHarmonicsGraph::CHarmonicsGraph(QWidget* parent) : QWidget(parent) {
    levels_[0] = kFullLevel;
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(FontWithFace(font(), kGraphFace));
    setMinimumSize(kOrders * 12 + 1, 160);
}

void CHarmonicsGraph::SetData(const CMeasurandsKT2& store) {
    SetLevels(store.harmonics[static_cast<std::size_t>(selectedSet_)].data());
}

void CHarmonicsGraph::SetLevels(const std::uint16_t* words) {
    levels_[0] = kFullLevel;
    std::copy(words, words + kOrders - 1, levels_.begin() + 1);
    waiting_ = false;
    pictureDirty_ = true;
    update();
}

void CHarmonicsGraph::SelectSet(int set) {
    selectedSet_ = set;
    waiting_ = true;
    pictureDirty_ = true;
    update();
}

CHarmonicsGraph::Geometry CHarmonicsGraph::GeometryFor(const QSize& size) const {
    const QFontMetrics metrics(font());
    Geometry g{};
    g.columnWidth = std::max(1, (size.width() - 1) / kOrders);
    g.left = (size.width() - (g.columnWidth * kOrders + 1)) / 2;
    g.bottom = size.height() - 1;
    g.orderTop = g.bottom - (metrics.horizontalAdvance(QStringLiteral("99")) + 4);
    g.barBottom = g.orderTop - (metrics.horizontalAdvance(QStringLiteral("999.9")) + 4);
    return g;
}

void CHarmonicsGraph::DrawPicture(const Geometry& g) {
    picture_.fill(palette().color(QPalette::Window));
    QPainter painter(&picture_);
    painter.setFont(font());
    const int right = g.left + kOrders * g.columnWidth;
    painter.fillRect(QRect(QPoint(g.left, 0), QPoint(right, g.bottom)), Qt::white);
    painter.fillRect(QRect(QPoint(g.left, g.orderTop), QPoint(right, g.bottom)),
                     palette().color(QPalette::Button));

    painter.setPen(QPen(palette().color(QPalette::ButtonText), 1));
    for (int i = 0; i <= kOrders; ++i) {
        const int x = g.left + i * g.columnWidth;
        painter.drawLine(x, 0, x, g.bottom);
    }
    for (int y : {0, g.barBottom, g.orderTop, g.bottom})
        painter.drawLine(g.left, y, right, y);

    const int barArea = g.barBottom;  // from the top line down to the line below the bars
    painter.setPen(Qt::black);
    for (int i = 0; i < kOrders; ++i) {
        const int x = g.left + i * g.columnWidth;
        DrawUpwardText(painter, QRect(x, g.orderTop, g.columnWidth, g.bottom - g.orderTop),
                       QString::asprintf("%02d", i + 1));
        if (waiting_) continue;
        const int level = levels_[static_cast<std::size_t>(i)];
        DrawUpwardText(painter, QRect(x, g.barBottom, g.columnWidth, g.orderTop - g.barBottom),
                       QString::asprintf("%.1f", level / 10.0));
        const int height = level * (barArea - 3) / kFullLevel;
        const int bottom = g.barBottom - 1;  // first row below the bar
        painter.fillRect(
            QRect(QPoint(x + 2, bottom - height), QPoint(x + g.columnWidth - 2, bottom - 1)),
            ColorFromRef(kBarColour));
    }
}

void CHarmonicsGraph::paintEvent(QPaintEvent* /*event*/) {
    if (picture_.size() != size()) {
        picture_ = QPixmap(size());
        pictureDirty_ = true;
    }
    if (pictureDirty_) {
        DrawPicture(GeometryFor(size()));
        pictureDirty_ = false;
    }
    QPainter(this).drawPixmap(0, 0, picture_);
}

}  // namespace voltaro
