// Japanese texts of the live trend chart.
#include "core/platform/trend_text_ids.h"
#include "lang/ja/strings_ja.h"

namespace voltaro::ja {
namespace {

const StringEntry kData[] = {
    {kTextTrendSeriesName, "%1!s! [%2!s!]"},
    {kTextTrendSpanMinutes, "%1!d! 分"},
    {kTextTrendSpanHours, "%1!d! 時間"},
    {kTextTrendTimeColumn, "時刻"},
    {kTextTrendPageValues, "計測値"},
    {kTextTrendPageChart, "トレンドグラフ"},
    {kTextTrendSpan, "表示期間:"},
    {kTextTrendPause, "一時停止"},
    {kTextTrendResetZoom, "ズーム解除"},
    {kTextTrendSavePng, "PNG で保存..."},
    {kTextTrendSaveCsv, "CSV で保存..."},
    {kTextTrendPngFilter, "PNG 画像 (*.png)|*.png||"},
    {kTextTrendCsvFilter, "CSV ファイル (*.csv)|*.csv||"},
    {kTextTrendMeasurands, "計測項目"},
};

}  // namespace

const std::span<const StringEntry> kTrend{kData};

}  // namespace voltaro::ja
