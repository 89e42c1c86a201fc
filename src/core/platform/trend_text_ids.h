#pragma once
// Text ids of the live trend chart (31640 .. 31719).

namespace voltaro {

constexpr int kTextTrendSeriesName = 31640;  // "%1!s! [%2!s!]": name and unit
constexpr int kTextTrendSpanMinutes = 31641;
constexpr int kTextTrendSpanHours = 31642;
constexpr int kTextTrendTimeColumn = 31643;
constexpr int kTextTrendPageValues = 31644;
constexpr int kTextTrendPageChart = 31645;
constexpr int kTextTrendSpan = 31646;
constexpr int kTextTrendPause = 31647;
constexpr int kTextTrendResetZoom = 31648;
constexpr int kTextTrendSavePng = 31649;
constexpr int kTextTrendSaveCsv = 31650;
constexpr int kTextTrendPngFilter = 31651;
constexpr int kTextTrendCsvFilter = 31652;
constexpr int kTextTrendMeasurands = 31653;

}  // namespace voltaro
