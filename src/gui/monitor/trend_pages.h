#pragma once
// The two pages of a monitor window that has a trend chart: "Values" (what the window
// showed before) and "Trend chart". The window tells its cycle model whether the chart
// page shows, so that the reads the chart needs go on whatever tab the values page shows.
#include <QTabWidget>
#include <functional>

namespace voltaro {

class CTrendChart;

// Child name of the tab widget: "monitor_pages"; page kTrendChartPage holds the chart.
constexpr int kTrendValuesPage = 0;
constexpr int kTrendChartPage = 1;

// Puts values and chart on two pages of a new tab widget; chartShown is called with
// whether the chart page shows whenever the page changes.
QTabWidget* MakeTrendPages(QWidget* parent, QWidget* values, CTrendChart* chart,
                           std::function<void(bool)> chartShown);

}  // namespace voltaro
