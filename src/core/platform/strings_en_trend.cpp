// Texts of the live trend chart (ids in trend_text_ids.h).
#include "core/platform/string_table.h"
#include "core/platform/trend_text_ids.h"

namespace voltaro::strings {
namespace {

const StringEntry kData[] = {
    {kTextTrendSeriesName, "%1!s! [%2!s!]"},
    {kTextTrendSpanMinutes, "%1!d! min"},
    {kTextTrendSpanHours, "%1!d! h"},
    {kTextTrendTimeColumn, "Time"},
    {kTextTrendPageValues, "Values"},
    {kTextTrendPageChart, "Trend chart"},
    {kTextTrendSpan, "Time span:"},
    {kTextTrendPause, "Pause"},
    {kTextTrendResetZoom, "Reset zoom"},
    {kTextTrendSavePng, "Save as PNG..."},
    {kTextTrendSaveCsv, "Save as CSV..."},
    {kTextTrendPngFilter, "PNG image (*.png)|*.png||"},
    {kTextTrendCsvFilter, "CSV file (*.csv)|*.csv||"},
    {kTextTrendMeasurands, "Measurands"},
};

}  // namespace

const std::span<const StringEntry> kTrend{kData};

}  // namespace voltaro::strings
