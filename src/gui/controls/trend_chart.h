#pragma once
// The live trend chart of a monitor window: a Qt Charts line chart with a time axis, one
// value axis per unit and a legend, beside the list of measurands to tick; above it the
// time span, Pause, Reset zoom, "Save as PNG..." and "Save as CSV...". A horizontal rubber
// band zooms into a stretch of time. The window hands every completed read to AddSample;
// the chart redraws from CTrendChartModel on its own timer (kRedrawMs), so a fast poll
// costs no more repaints than a slow one.
//
// Child names: "trend_view", "trend_measurands", "trend_span", "trend_pause",
// "trend_reset_zoom", "trend_save_png", "trend_save_csv".
#include <QTimer>
#include <QWidget>
#include <map>
#include <vector>

#include "core/app/trend_chart_model.h"

class QChart;
class QChartView;
class QComboBox;
class QDateTimeAxis;
class QLineSeries;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QValueAxis;

namespace voltaro {

class CTrendChart : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kRedrawMs = 250;

    explicit CTrendChart(std::vector<TrendSeriesInfo> series, QWidget* parent = nullptr);
    ~CTrendChart() override;

    CTrendChartModel& Model() { return model_; }
    const CTrendChartModel& Model() const { return model_; }
    // A read of group completed: samples at the present time.
    void AddSample(TrendGroup group, const CMeasurandsKT2& store);
    // The same for the reads a monitor's cycle update names.
    void AddSamples(bool values, bool thd, const CMeasurandsKT2& store);

    // Saves the picture of the chart, or the window's values; a failure is reported in a
    // message box and leaves an existing file as it was. True when saved.
    bool SavePngTo(const QString& path);
    bool SaveCsvTo(const QString& path);

    // What the chart draws now (for the owner's tests): the line of series i (empty when it
    // is not ticked) and how many times the chart was redrawn.
    QList<QPointF> DrawnPoints(std::size_t series) const;
    int Redraws() const { return redraws_; }
    // Redraws at once when something changed (the timer does it otherwise).
    void RedrawIfChanged();

  private:
    QWidget* BuildToolbar();
    QListWidget* BuildMeasurandList();
    void TickChanged(QListWidgetItem* item);
    void AttachTicked();
    void Redraw();
    void XRangeChanged();
    void AskSavePng();
    void AskSaveCsv();

    CTrendChartModel model_;
    QTimer redraw_;
    int redraws_ = 0;
    bool settingRange_ = false;

    QChart* chart_ = nullptr;
    QChartView* view_ = nullptr;
    QDateTimeAxis* timeAxis_ = nullptr;
    std::vector<QLineSeries*> lines_;          // one per model series, owned by chart_
    std::map<std::string, QValueAxis*> axes_;  // by unit, while a ticked series has it
    QListWidget* list_ = nullptr;
    QComboBox* span_ = nullptr;
    QPushButton* pause_ = nullptr;
    QPushButton* resetZoom_ = nullptr;
};

}  // namespace voltaro
