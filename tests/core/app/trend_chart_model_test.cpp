// The trend chart's model: which measurands a monitor charts and how they are named, the
// samples taken from the store, the window under span, pause and zoom, what asks for a
// redraw, and the CSV file of the window (a failed save keeps the old file).
#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/trend_chart_model.h"
#include "core/monitor/measurand_labels.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"
#include "core/platform/temp_dir.h"  // tests/core/platform

namespace voltaro {
namespace {

constexpr int64_t kT0 = 1'765'000'000'000;  // 2025-12-06T05:46:40Z

std::size_t Find(const CTrendChartModel& model, int index) {
    const auto& s = model.Series();
    const auto it = std::find_if(s.begin(), s.end(), [&](auto& i) { return i.index == index; });
    return static_cast<std::size_t>(it - s.begin());
}

TEST(TrendSeries, MeterChartsThePlainValuesAndTheThdWithTheirTableNames) {
    const auto series = MeterTrendSeries();
    auto has = [&](int index) {
        return std::any_of(series.begin(), series.end(), [&](auto& s) { return s.index == index; });
    };
    // The present-value grid's 29 cells and the 10 THD sets; lead/lag and energies are not
    // numbers a line can show.
    EXPECT_EQ(series.size(), 39u);
    for (int index : {kIdxVoltageSum, kIdxCurrent1 + 3, kIdxLineVoltage12 + 2, kIdxApparentPower1,
                      kIdxPowerFactorSum, kIdxFrequency, kIdxThd, kIdxThd + 9})
        EXPECT_TRUE(has(index)) << index;
    for (int index : {kIdxLeadLagSum, kIdxLeadLag1, kIdxEnergySet1, kIdxMaximum})
        EXPECT_FALSE(has(index)) << index;
    const auto& frequency = series[static_cast<std::size_t>(
        std::find_if(series.begin(), series.end(),
                     [](auto& s) { return s.index == kIdxFrequency; }) -
        series.begin())];
    EXPECT_EQ(frequency.label, MeasurandLabel(kIdxFrequency));
    EXPECT_EQ(frequency.unit, LoadString(kTextUnitHertz));
    EXPECT_EQ(frequency.group, TrendGroup::kValues);
    EXPECT_EQ(frequency.Name(), MeasurandLabel(kIdxFrequency) + " [Hz]");
    EXPECT_EQ(series.back().group, TrendGroup::kThd);
    EXPECT_EQ(series.back().unit, "%");

    // A ZC detail names its values after its channel; page channel 0 holds it.
    const auto zc = ZcDetailTrendSeries(6);
    EXPECT_EQ(zc.size(), 39u);
    for (const auto& s : zc)
        EXPECT_EQ(s.label, ZcMeasurandLabel(s.index, 6));
    EXPECT_TRUE(std::any_of(zc.begin(), zc.end(),
                            [](auto& s) { return s.index == kIdxZcCurrents && s.unit == "A"; }));
}

TEST(TrendChartModel, SamplesAreScaledToTheirUnitsAndTakenByGroup) {
    CTrendChartModel model(MeterTrendSeries());
    CMeasurandsKT2 store;
    store.SetValue(kIdxPhaseVoltage1, 23012);
    store.SetValue(kIdxCurrent1, 4975);
    store.SetValue(kIdxPowerFactorSum, -9871);
    store.SetValue(kIdxThd + 2, 35);
    model.Sample(kT0, TrendGroup::kValues, store);
    const auto window = model.Window();
    EXPECT_EQ(window, (TrendWindow{kT0 - 10 * kTrendMinuteMs, kT0}));
    auto value = [&](int index) {
        const auto points = model.Points(Find(model, index), 100);
        return points.empty() ? -1.0 : points.back().value;
    };
    EXPECT_DOUBLE_EQ(value(kIdxPhaseVoltage1), 230.12);
    EXPECT_DOUBLE_EQ(value(kIdxCurrent1), 4.975);
    EXPECT_DOUBLE_EQ(value(kIdxPowerFactorSum), -0.9871);
    EXPECT_EQ(value(kIdxThd + 2), -1.0);  // the THD read has not completed yet
    model.Sample(kT0 + 500, TrendGroup::kThd, store);
    EXPECT_DOUBLE_EQ(value(kIdxThd + 2), 3.5);
    EXPECT_EQ(model.Points(Find(model, kIdxCurrent1), 100).size(), 1u);
}

TEST(TrendChartModel, PauseAndZoomHoldTheWindowWhileSamplesGoOnBeingRecorded) {
    CTrendChartModel model(MeterTrendSeries());
    CMeasurandsKT2 store;
    model.TakeChanged();
    model.Sample(kT0, TrendGroup::kValues, store);
    EXPECT_TRUE(model.TakeChanged());
    EXPECT_FALSE(model.TakeChanged());

    model.SetPaused(true);
    EXPECT_TRUE(model.TakeChanged());
    store.SetValue(kIdxActivePowerSum, 1500);
    model.Sample(kT0 + 1000, TrendGroup::kValues, store);
    EXPECT_FALSE(model.TakeChanged());  // nothing new to draw while paused
    EXPECT_EQ(model.Window().to, kT0);
    model.SetPaused(false);
    EXPECT_EQ(model.Window().to, kT0 + 1000);  // the sample taken meanwhile was kept
    const std::size_t power = Find(model, kIdxActivePowerSum);
    EXPECT_EQ(model.Points(power, 100).back().value, 1500.0);

    model.Zoom(kT0 - 500, kT0 + 500);
    model.TakeChanged();
    model.Sample(kT0 + 2000, TrendGroup::kValues, store);
    EXPECT_FALSE(model.TakeChanged());
    EXPECT_EQ(model.Window(), (TrendWindow{kT0 - 500, kT0 + 500}));
    model.Zoom(kT0, kT0);  // an empty stretch is no zoom
    EXPECT_EQ(model.Window(), (TrendWindow{kT0 - 500, kT0 + 500}));
    model.ResetZoom();
    EXPECT_EQ(model.Window().to, kT0 + 2000);

    model.SetSpan(48 * kTrendHourMs);  // beyond what is kept
    EXPECT_EQ(model.Span(), 24 * kTrendHourMs);
    model.SetSpan(1000);
    EXPECT_EQ(model.Span(), 10 * kTrendMinuteMs);
    EXPECT_EQ(TrendSpanText(model.Span()), "10 min");
    EXPECT_EQ(TrendSpanText(TrendSpans().back()), "24 h");
}

TEST(TrendChartModel, CsvHoldsTheTickedMeasurandsOfTheWindowOnly) {
    CTrendChartModel model(MeterTrendSeries());
    const std::size_t power = Find(model, kIdxActivePowerSum);
    const std::size_t voltage = Find(model, kIdxPhaseVoltage1);
    const std::size_t thd = Find(model, kIdxThd);
    ASSERT_EQ(model.TickedSeries(), std::vector<std::size_t>{power});  // the default tick
    model.SetTicked(voltage, true);
    model.SetTicked(thd, true);
    CMeasurandsKT2 store;
    for (int i = 0; i < 4; ++i) {
        store.SetValue(kIdxActivePowerSum, 100 * i);
        store.SetValue(kIdxPhaseVoltage1, 23000 + i);
        store.SetValue(kIdxThd, 10 + i);
        model.Sample(kT0 + 1000 * i, TrendGroup::kValues, store);
        model.Sample(kT0 + 1000 * i + 250, TrendGroup::kThd, store);
    }
    model.Zoom(kT0 + 1000, kT0 + 2000);
    const std::string expected = "Time,Active power (sum) [W]," + model.Series()[voltage].Name() +
                                 "," + model.Series()[thd].Name() +
                                 "\r\n"
                                 "2025-12-06T05:46:41.000Z,100,230.01,\r\n"
                                 "2025-12-06T05:46:41.250Z,,,1.1\r\n"
                                 "2025-12-06T05:46:42.000Z,200,230.02,\r\n";
    EXPECT_EQ(model.CsvText(), expected);

    test::TempDir dir;
    const std::string path = dir.File("trend.csv");
    model.SaveCsv(path);
    EXPECT_EQ(test::ReadFile(path), expected);
    // A save that fails (the disk full) says so from the message table and keeps the file.
    model.ResetZoom();
    {
        test::FileSizeLimit limit(64);
        try {
            model.SaveCsv(path);
            ADD_FAILURE() << "saved past the size limit";
        } catch (const CPrivateException& error) {
            EXPECT_EQ(error.Message().rfind(FormatMessageId(kMsgSaveError, {""}), 0), 0u)
                << error.Message();
        }
    }
    EXPECT_EQ(test::ReadFile(path), expected);
    EXPECT_THROW(model.SaveCsv(dir.File("missing/trend.csv")), CPrivateException);
}

TEST(TrendChartModel, MemoryOfAllMeasurandsHasAFixedBound) {
    CTrendChartModel model(MeterTrendSeries());
    // 39 measurands, each at most 6000 full-rate samples and 7204 buckets.
    EXPECT_LT(model.MaxMemoryBytes(), 16u * 1024u * 1024u);
    CMeasurandsKT2 store;
    for (int64_t t = 0; t < 3 * kTrendHourMs; t += 200)
        model.Sample(kT0 + t, TrendGroup::kValues, store);
    EXPECT_LE(model.MemoryBytes(), model.MaxMemoryBytes());
    model.Clear();
    EXPECT_EQ(model.MemoryBytes(), 0u);
}

}  // namespace
}  // namespace voltaro
