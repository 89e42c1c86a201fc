#include "core/app/trend_chart_model.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <optional>

#include "core/app/meter_monitor_model.h"
#include "core/app/monitor_page_lists.h"
#include "core/app/zc_page_lists.h"
#include "core/monitor/csv_log.h"
#include "core/monitor/measurand_format.h"
#include "core/monitor/measurand_labels.h"
#include "core/monitor/zc_registers.h"
#include "core/platform/file_io.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"
#include "core/platform/trend_text_ids.h"
#include "core/platform/utc_time.h"

namespace voltaro {
namespace {

constexpr int64_t kSpans[] = {10 * kTrendMinuteMs, 30 * kTrendMinuteMs, kTrendHourMs,
                              6 * kTrendHourMs, 24 * kTrendHourMs};
constexpr mode_t kCsvFileMode = 0644;

// The unit of a kind that a chart can draw; 0 for the kinds it cannot.
int UnitTextId(MeasurandKind kind) {
    switch (kind) {
        case kKindCurrent:
            return kTextUnitAmpere;
        case kKindVoltage:
            return kTextUnitVolt;
        case kKindActive:
            return kTextUnitWatt;
        case kKindReactive:
            return kTextUnitVar;
        case kKindApparent:
            return kTextUnitVoltAmpere;
        case kKindPowerFactor:
            return kTextUnitCosPhi;
        case kKindFrequency:
            return kTextUnitHertz;
        case kKindPercent:
            return kTextUnitPercent;
        default:
            return 0;
    }
}

template <typename Label>
void AddSeries(std::vector<TrendSeriesInfo>& out, std::span<const CellBinding> cells,
               TrendGroup group, Label label) {
    for (const CellBinding& cell : cells) {
        const int unit = UnitTextId(MeasurandKindOf(cell.id));
        if (unit == 0) continue;
        if (std::any_of(out.begin(), out.end(), [&](const auto& s) { return s.index == cell.id; }))
            continue;
        out.push_back({cell.id, group, label(cell.id), LoadString(unit)});
    }
}

// The present THD of the ten sets: the THD grid's first value column.
std::vector<CellBinding> PresentThdCells() {
    std::vector<CellBinding> cells;
    for (const CellBinding& cell : ThdValues())
        if (cell.id >= kIdxThd && cell.id < kIdxThd + kHarmonicSetCount) cells.push_back(cell);
    return cells;
}

}  // namespace

int64_t TrendNowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string TrendSeriesInfo::Name() const {
    return FormatMessageId(kTextTrendSeriesName, {label, unit});
}

std::vector<TrendSeriesInfo> MeterTrendSeries() {
    std::vector<TrendSeriesInfo> series;
    AddSeries(series, InstantaneousValues(kTabTrend), TrendGroup::kValues, MeasurandLabel);
    AddSeries(series, PresentThdCells(), TrendGroup::kThd, MeasurandLabel);
    return series;
}

std::vector<TrendSeriesInfo> ZcDetailTrendSeries(int channel) {
    std::vector<TrendSeriesInfo> series;
    auto label = [channel](int index) { return ZcMeasurandLabel(index, channel); };
    AddSeries(series, ZcInstantaneousValues(kZcDetailTrend), TrendGroup::kValues, label);
    AddSeries(series, PresentThdCells(), TrendGroup::kThd, label);
    return series;
}

std::span<const int64_t> TrendSpans() {
    return kSpans;
}

std::string TrendSpanText(int64_t spanMs) {
    if (spanMs % kTrendHourMs == 0)
        return FormatMessageId(kTextTrendSpanHours, {spanMs / kTrendHourMs});
    return FormatMessageId(kTextTrendSpanMinutes, {spanMs / kTrendMinuteMs});
}

CTrendChartModel::CTrendChartModel(std::vector<TrendSeriesInfo> series, TrendLimits limits)
    : series_(std::move(series)),
      buffers_(series_.size(), CTrendBuffer(limits)),
      ticked_(series_.size(), false),
      span_(kSpans[0]) {
    for (std::size_t i = 0; i < series_.size(); ++i) {
        if (MeasurandKindOf(series_[i].index) == kKindActive) {
            ticked_[i] = true;
            break;
        }
    }
}

void CTrendChartModel::Sample(int64_t time, TrendGroup group, const CMeasurandsKT2& store) {
    bool any = false;
    for (std::size_t i = 0; i < series_.size(); ++i) {
        if (series_[i].group != group) continue;
        if (const auto value = MeasurandNumber(store, series_[i].index)) {
            buffers_[i].Add(time, *value);
            any = true;
        }
    }
    if (!any) return;
    latest_ = std::max(latest_, time);
    if (!paused_ && !zoomed_) Changed();
}

void CTrendChartModel::Clear() {
    for (CTrendBuffer& buffer : buffers_)
        buffer.Clear();
    Changed();
}

void CTrendChartModel::SetTicked(std::size_t series, bool ticked) {
    if (series >= ticked_.size() || ticked_[series] == ticked) return;
    ticked_[series] = ticked;
    Changed();
}

bool CTrendChartModel::Ticked(std::size_t series) const {
    return series < ticked_.size() && ticked_[series];
}

std::vector<std::size_t> CTrendChartModel::TickedSeries() const {
    std::vector<std::size_t> ticked;
    for (std::size_t i = 0; i < ticked_.size(); ++i)
        if (ticked_[i]) ticked.push_back(i);
    return ticked;
}

void CTrendChartModel::SetSpan(int64_t spanMs) {
    span_ = std::clamp(spanMs, kSpans[0], kSpans[std::size(kSpans) - 1]);
    Changed();
}

void CTrendChartModel::SetPaused(bool paused) {
    if (paused == paused_) return;
    paused_ = paused;
    pausedAt_ = latest_;
    Changed();
}

void CTrendChartModel::Zoom(int64_t from, int64_t to) {
    if (to <= from) return;
    zoomed_ = true;
    zoom_ = {from, to};
    Changed();
}

void CTrendChartModel::ResetZoom() {
    zoomed_ = false;
    Changed();
}

TrendWindow CTrendChartModel::Window() const {
    if (zoomed_) return zoom_;
    int64_t end = paused_ ? pausedAt_ : latest_;
    if (end == 0) end = TrendNowMs();
    return {end - span_, end};
}

std::vector<TrendPoint> CTrendChartModel::Points(std::size_t series, std::size_t maxPoints) const {
    if (series >= buffers_.size()) return {};
    const TrendWindow window = Window();
    return buffers_[series].Query(window.from, window.to, maxPoints, true);
}

bool CTrendChartModel::TakeChanged() {
    const bool changed = changed_;
    changed_ = false;
    return changed;
}

std::string CTrendChartModel::CsvText() const {
    const TrendWindow window = Window();
    const std::vector<std::size_t> ticked = TickedSeries();
    std::vector<std::string> header{LoadString(kTextTrendTimeColumn)};
    std::map<int64_t, std::vector<std::optional<double>>> rows;
    for (std::size_t column = 0; column < ticked.size(); ++column) {
        const std::size_t s = ticked[column];
        header.push_back(series_[s].Name());
        const CTrendBuffer& buffer = buffers_[s];
        for (const TrendPoint& p :
             buffer.Query(window.from, window.to, buffer.MaxEntries(), false)) {
            auto& row = rows[p.time];
            row.resize(ticked.size());
            row[column] = p.value;
        }
    }
    std::string text = CCsvLog::JoinFields(header) + "\r\n";
    for (auto& [time, values] : rows) {
        std::vector<std::string> fields{
            IsoUtcTimeText(std::chrono::system_clock::time_point(std::chrono::milliseconds(time)))};
        values.resize(ticked.size());
        for (std::size_t column = 0; column < ticked.size(); ++column) {
            const auto& value = values[column];
            fields.push_back(
                value ? FixedText(*value, MeasurandDecimals(series_[ticked[column]].index)) : "");
        }
        text += CCsvLog::JoinFields(fields) + "\r\n";
    }
    return text;
}

void CTrendChartModel::SaveCsv(const std::string& path) const {
    const FileStatus status = WriteFileSafely(path, CsvText(), kCsvFileMode);
    if (!status) throw CPrivateException::WithSystemText(kMsgSaveError, status.Text(path));
}

std::size_t CTrendChartModel::MemoryBytes() const {
    std::size_t bytes = 0;
    for (const CTrendBuffer& buffer : buffers_)
        bytes += buffer.MemoryBytes();
    return bytes;
}

std::size_t CTrendChartModel::MaxMemoryBytes() const {
    std::size_t bytes = 0;
    for (const CTrendBuffer& buffer : buffers_)
        bytes += buffer.MaxMemoryBytes();
    return bytes;
}

}  // namespace voltaro
