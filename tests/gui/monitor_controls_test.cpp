// The harmonics graph and the vector chart, by the pixels they paint; the grid frame that
// gives a data grid the width of its place.
#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QVBoxLayout>
#include <cmath>

#include "core/monitor/measurand_store.h"
#include "gui/controls/grid_frame.h"
#include "gui/controls/harmonics_graph.h"
#include "gui/controls/paint_support.h"
#include "gui/controls/vector_chart.h"

namespace voltaro {
namespace {

const QColor kBar = ColorFromRef(0xC83232);
const QColor kU1 = ColorFromRef(0x0000FF);
const QColor kU2 = ColorFromRef(0xFFFFFF);
const QColor kChartGrey = ColorFromRef(0xC8C8C8);

// Middle of order column i (0-based) at height y.
QColor GraphPixel(const CHarmonicsGraph& graph, const QImage& image, int order, int y) {
    const CHarmonicsGraph::Geometry g = graph.GeometryFor(graph.size());
    return image.pixelColor(g.left + order * g.columnWidth + g.columnWidth / 2, y);
}

TEST(HarmonicsGraph, BarsFollowTheSelectedSetAndAFullLevelReachesTheTop) {
    CHarmonicsGraph graph;
    graph.resize(31 * 12 + 1 + 6, 240);  // centred, with three pixels to spare each side
    graph.SelectSet(3);
    CMeasurandsKT2 store;
    store.harmonics[3][0] = 1000;  // order 2: 100 %
    store.harmonics[3][1] = 500;   // order 3: 50 %
    store.harmonics[0][0] = 1000;  // another set: must not show

    // Waiting for the set: grid and order labels only, no bar, even for order 1.
    const CHarmonicsGraph::Geometry g = graph.GeometryFor(graph.size());
    EXPECT_EQ(g.left, 3);
    EXPECT_EQ(g.columnWidth, 12);
    QImage image = graph.grab().toImage();
    EXPECT_EQ(GraphPixel(graph, image, 0, g.barBottom - 3), QColor(Qt::white));

    graph.SetData(store);
    EXPECT_FALSE(graph.Waiting());
    image = graph.grab().toImage();
    const int top = 2;  // one white row below the top line
    for (int order : {0, 1}) {
        EXPECT_EQ(GraphPixel(graph, image, order, top), kBar) << order;
        EXPECT_EQ(GraphPixel(graph, image, order, g.barBottom - 2), kBar) << order;
        EXPECT_EQ(GraphPixel(graph, image, order, top - 1), QColor(Qt::white)) << order;
    }
    const int half = g.barBottom - 1 - 500 * (g.barBottom - 3) / 1000;
    EXPECT_EQ(GraphPixel(graph, image, 2, half + 1), kBar);
    EXPECT_EQ(GraphPixel(graph, image, 2, half - 2), QColor(Qt::white));
    EXPECT_EQ(GraphPixel(graph, image, 3, g.barBottom - 2), QColor(Qt::white));
    // The bar keeps two pixels to its column's left line and one to its right.
    const int x0 = g.left + g.columnWidth;
    EXPECT_EQ(image.pixelColor(x0 + 1, 40), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(x0 + 2, 40), kBar);
    EXPECT_EQ(image.pixelColor(x0 + g.columnWidth - 2, 40), kBar);
    EXPECT_EQ(image.pixelColor(x0 + g.columnWidth - 1, 40), QColor(Qt::white));

    // Another set: the bars go until its data arrive.
    graph.SelectSet(0);
    image = graph.grab().toImage();
    EXPECT_EQ(GraphPixel(graph, image, 1, g.barBottom - 3), QColor(Qt::white));
    graph.SetData(store);
    image = graph.grab().toImage();
    EXPECT_EQ(GraphPixel(graph, image, 1, g.barBottom - 3), kBar);
    EXPECT_EQ(GraphPixel(graph, image, 2, g.barBottom - 3), QColor(Qt::white));
}

class VectorChartPixels : public ::testing::Test {
  protected:
    VectorChartPixels() { chart_.resize(240, 240); }
    QColor At(double angleDegrees, double fraction) {
        const QPointF centre = chart_.Centre(chart_.size());
        const double r = chart_.Radius(chart_.size()) * fraction;
        const double theta = angleDegrees * 3.14159265358979 / 180.0;
        const QImage image = chart_.grab().toImage();
        return image.pixelColor(static_cast<int>(centre.x() + r * std::sin(theta) + 0.5),
                                static_cast<int>(centre.y() - r * std::cos(theta) + 0.5));
    }
    CVectorChart chart_;
};

TEST_F(VectorChartPixels, AnAngleWordOf16384PointsRight) {
    CMeasurandsKT2 store;
    store.ratedVoltage = 100;
    store.SetValue(kIdxPhaseVoltage1, 10000);  // 100.00 V: the rated voltage
    store.phaseAngles[1] = 16384;              // U1's angle word
    store.wiringSystem = 5;
    chart_.SetData(store);
    EXPECT_EQ(At(90, 0.6), kU1);
    EXPECT_EQ(At(90, 0.95), kU1);
    EXPECT_NE(At(0, 0.6), kU1);
    EXPECT_NE(At(270, 0.6), kU1);
    EXPECT_EQ(At(45, 0.6), kChartGrey);
}

TEST_F(VectorChartPixels, VectorsTheWiringSystemLacksAreNotDrawn) {
    VectorChartData data;
    data.voltageLength = {1.0, 1.0, 0.0};
    data.voltageAngle = {0, 135, 0};
    data.wiringSystem = 5;  // three-phase 4-wire: U2N is drawn
    chart_.SetVectors(data);
    EXPECT_EQ(At(135, 0.6), kU2);
    data.wiringSystem = 0;  // single-phase 2-wire: U1N only
    chart_.SetVectors(data);
    EXPECT_EQ(At(135, 0.6), kChartGrey);
    EXPECT_EQ(At(0, 0.6), kU1);
}

TEST(GridFrame, ColumnsFollowTheFrameWidthButNeverOverflowIt) {
    QWidget host;
    auto* layout = new QVBoxLayout(&host);
    auto* frame = new CGridFrame(&host);
    layout->addWidget(frame);
    // Three columns of width / 2.8 would be wider than the frame: they are cut to fit.
    frame->SetLayoutRule({{999, 0, 0}, {999, 2, 10}}, 2.8, 20);
    host.resize(400, 300);
    host.show();
    QApplication::processEvents();
    CDataGridView* grid = frame->Grid();
    EXPECT_EQ(grid->Model().Columns(), 3);
    EXPECT_EQ(grid->Model().Rows(), 11);
    EXPECT_LE(grid->width(), frame->width());
    EXPECT_GE(grid->ColumnWidth(), (frame->width() - 1) / 3 - 1);
    EXPECT_EQ(frame->height(), grid->height());
    const int before = grid->ColumnWidth();
    host.resize(700, 300);
    QApplication::processEvents();
    EXPECT_GT(grid->ColumnWidth(), before);
    EXPECT_LE(grid->width(), frame->width());
}

}  // namespace
}  // namespace voltaro
