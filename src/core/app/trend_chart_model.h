#pragma once
// The live trend chart without its widgets: which measurands a monitor can chart (those of
// its present-value grid and THD grid whose values are plain numbers), their names and
// units, one bounded history per measurand (trend_buffer.h), the ticks, the time span, the
// pause and the zoom that together make the window shown, and the CSV file of that window.
// The window asks TakeChanged() on its own timer, so that it redraws at most that often
// whatever the poll rate.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/monitor/measurand_store.h"
#include "core/monitor/trend_buffer.h"

namespace voltaro {

// The read that fills a measurand: the present values, or the THD values.
enum class TrendGroup { kValues, kThd };

struct TrendSeriesInfo {
    int index;  // measurand index in the store
    TrendGroup group;
    std::string label;  // "Voltage 1", "THD Current 2"
    std::string unit;   // "V", "%"
    // "Voltage 1 [V]": the legend's and the CSV column's name.
    std::string Name() const;
};

// The measurands of the meter monitor's chart, and of a ZC channel detail (channel 0 .. 15;
// the detail reads its channel into page channel 0).
std::vector<TrendSeriesInfo> MeterTrendSeries();
std::vector<TrendSeriesInfo> ZcDetailTrendSeries(int channel);

// The time spans offered (10 minutes first, the default; 24 hours last) and their texts.
std::span<const int64_t> TrendSpans();
std::string TrendSpanText(int64_t spanMs);

// The present time as the chart's samples carry it: milliseconds since the epoch.
int64_t TrendNowMs();

struct TrendWindow {
    int64_t from;
    int64_t to;
    bool operator==(const TrendWindow&) const = default;
};

class CTrendChartModel {
  public:
    explicit CTrendChartModel(std::vector<TrendSeriesInfo> series, TrendLimits limits = {});

    const std::vector<TrendSeriesInfo>& Series() const { return series_; }

    // A read of group completed at time (milliseconds since the epoch): every measurand
    // of the group gets a sample.
    void Sample(int64_t time, TrendGroup group, const CMeasurandsKT2& store);
    // Forgets every history (the monitor switched to another input).
    void Clear();

    // Ticked measurands are drawn and exported. At first the total active power is.
    void SetTicked(std::size_t series, bool ticked);
    bool Ticked(std::size_t series) const;
    std::vector<std::size_t> TickedSeries() const;

    // The span of the window while it follows the newest samples or is paused.
    void SetSpan(int64_t spanMs);
    int64_t Span() const { return span_; }
    // Paused: the window stays where it was while samples keep being recorded.
    void SetPaused(bool paused);
    bool Paused() const { return paused_; }
    // A window chosen by the user (rubber band); ResetZoom returns to the span.
    void Zoom(int64_t from, int64_t to);
    void ResetZoom();
    bool Zoomed() const { return zoomed_; }

    // The window shown: the zoom, else the span up to the newest sample (or, paused, up to
    // the newest sample when the pause began).
    TrendWindow Window() const;
    // The points of a series in the window and one on either side, at most maxPoints.
    std::vector<TrendPoint> Points(std::size_t series, std::size_t maxPoints) const;
    // Whether the chart must redraw since the last call: a sample that the window shows,
    // or a change of ticks, span, pause or zoom.
    bool TakeChanged();

    // The window as CSV: "Time" (ISO 8601, UTC) and one column per ticked measurand, one
    // row per time at which any of them has a point (older points are bucket means).
    std::string CsvText() const;
    // Writes CsvText to path; a failure throws CPrivateException (kMsgSaveError) and
    // leaves an existing file as it was.
    void SaveCsv(const std::string& path) const;

    std::size_t MemoryBytes() const;
    std::size_t MaxMemoryBytes() const;

  private:
    void Changed() { changed_ = true; }

    std::vector<TrendSeriesInfo> series_;
    std::vector<CTrendBuffer> buffers_;
    std::vector<bool> ticked_;
    int64_t latest_ = 0;
    int64_t span_;
    bool paused_ = false;
    int64_t pausedAt_ = 0;
    bool zoomed_ = false;
    TrendWindow zoom_{0, 0};
    bool changed_ = true;
};

}  // namespace voltaro
