#include "gui/monitor/trend_pages.h"

#include "core/platform/trend_text_ids.h"
#include "gui/app/qt_text.h"
#include "gui/controls/trend_chart.h"

namespace voltaro {

QTabWidget* MakeTrendPages(QWidget* parent, QWidget* values, CTrendChart* chart,
                           std::function<void(bool)> chartShown) {
    auto* pages = new QTabWidget(parent);
    pages->setObjectName(QStringLiteral("monitor_pages"));
    pages->setDocumentMode(true);
    pages->insertTab(kTrendValuesPage, values, Text(kTextTrendPageValues));
    pages->insertTab(kTrendChartPage, chart, Text(kTextTrendPageChart));
    QObject::connect(pages, &QTabWidget::currentChanged, pages,
                     [shown = std::move(chartShown)](int page) { shown(page == kTrendChartPage); });
    return pages;
}

}  // namespace voltaro
