// The live trend chart in the meter monitor and the ZC channel detail, against the
// in-process simulator: the chart page keeps the values it needs coming whatever tab the
// values page shows, redraws on its timer only, keeps its memory bound, stops drawing while
// paused, and saves the window as CSV and PNG (a failed save says so).
#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "core/app/main_window_ids.h"
#include "core/comm/modbus_interface.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/temp_dir.h"  // tests/core/platform
#include "gui/app/main_window.h"
#include "gui/controls/trend_chart.h"
#include "gui/monitor/my_voltaro_dlg.h"
#include "gui/monitor/pm_detail_dialog.h"
#include "gui/monitor/trend_pages.h"
#include "gui_driver.h"
#include "sim/simulator.h"

namespace voltaro {
namespace {

using test::MessageBoxRecorder;
using test::OnModal;

constexpr int kRowKt2 = 7;
constexpr int kRowZc8 = 52;
constexpr int kWaitMs = 10000;

// The points the model holds for series in its present window (and one on either side).
std::size_t Held(const CTrendChart& chart, std::size_t series) {
    return chart.Model().Points(series, 1'000'000).size();
}

class TrendChartWindow : public ::testing::Test {
  protected:
    void StartDevice(int row) {
        sim::SimulatorOptions options;
        options.device.row = row;
        simulator_ = std::make_unique<sim::Simulator>(options);
        profile_.ConnectTo(simulator_->StartTcp());
    }

    test::ScratchProfile profile_;
    std::unique_ptr<sim::Simulator> simulator_;
    AppSettings settings_;
};

TEST_F(TrendChartWindow, MeterMonitorChartsLiveValuesPausesAndSavesItsWindow) {
    StartDevice(kRowKt2);
    MessageBoxRecorder boxes;
    test::TempDir dir;
    ParameterImage carry = DefaultImageOfRow(kRowKt2);
    CBasicParameterDialog window(carry, settings_);
    window.show();
    auto ran = OnModal<CMyVOLTARODlg>([&](CMyVOLTARODlg* monitor) {
        CTrendChart* chart = monitor->TrendChart();
        ASSERT_NE(chart, nullptr);
        const std::size_t power = chart->Model().TickedSeries().at(0);
        // The values page shows "Max"; the chart page still gets present values.
        auto* trendTabs = FindControlAs<QTabBar>(monitor, CMyVOLTARODlg::kIdTrendTabs);
        ASSERT_TRUE(QTest::qWaitFor([&] { return trendTabs->isEnabled(); }, kWaitMs));
        trendTabs->setCurrentIndex(kTabMax);
        monitor->Pages()->setCurrentIndex(kTrendChartPage);
        EXPECT_TRUE(monitor->Model().ChartShown());
        QElapsedTimer clock;
        clock.start();
        const int redrawsBefore = chart->Redraws();
        const std::size_t before = Held(*chart, power);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Held(*chart, power) >= before + 5; }, kWaitMs));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !chart->DrawnPoints(power).isEmpty(); }, kWaitMs));
        // The simulated meter answers far faster than the chart redraws: the timer coalesces.
        EXPECT_LE(chart->Redraws() - redrawsBefore, clock.elapsed() / CTrendChart::kRedrawMs + 2);
        EXPECT_GT(chart->DrawnPoints(power).front().y(), 0.0);
        EXPECT_LE(chart->Model().MemoryBytes(), chart->Model().MaxMemoryBytes());

        // Paused: nothing more is drawn, but the samples are kept for later.
        auto* pause = chart->findChild<QPushButton*>(QStringLiteral("trend_pause"));
        pause->click();
        chart->RedrawIfChanged();
        const QList<QPointF> frozen = chart->DrawnPoints(power);
        const int redraws = chart->Redraws();
        const std::size_t held = Held(*chart, power);
        QTest::qWait(3 * CTrendChart::kRedrawMs);
        EXPECT_EQ(chart->DrawnPoints(power), frozen);
        EXPECT_EQ(chart->Redraws(), redraws);

        // "Save as CSV..." writes the window shown.
        const std::string csv = dir.File("trend.csv");
        auto chosen = test::ChooseFile(QString::fromStdString(csv));
        chart->findChild<QPushButton*>(QStringLiteral("trend_save_csv"))->click();
        EXPECT_TRUE(*chosen);
        const std::string written = test::ReadFile(csv);
        EXPECT_EQ(written, chart->Model().CsvText());
        EXPECT_EQ(written.rfind("Time,Active power (sum) [W]\r\n", 0), 0u) << written;
        EXPECT_GE(std::count(written.begin(), written.end(), '\n'), 6);
        EXPECT_TRUE(chart->SavePngTo(QString::fromStdString(dir.File("trend.png"))));
        EXPECT_EQ(test::ReadFile(dir.File("trend.png")).substr(1, 3), "PNG");
        EXPECT_FALSE(chart->SaveCsvTo(QString::fromStdString(dir.File("none/trend.csv"))));

        pause->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return Held(*chart, power) > held + 1; }, kWaitMs));
        FindControlAs<QPushButton>(monitor, kIdCancel)->click();
    });
    test::RunConnected([&] { window.Monitor(); });
    EXPECT_TRUE(*ran);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0].rfind(FormatMessageId(kMsgSaveError, {""}), 0), 0u)
        << boxes.Texts()[0];
    EXPECT_EQ(boxes.Icons()[0], QMessageBox::Critical);
}

TEST_F(TrendChartWindow, ZcChannelDetailChartsItsChannel) {
    StartDevice(kRowZc8);
    CModbusInterface client;
    CPMDetailDialog detail(client, 2);
    detail.show();
    CTrendChart* chart = detail.TrendChart();
    ASSERT_NE(chart, nullptr);
    const std::size_t power = chart->Model().TickedSeries().at(0);
    EXPECT_EQ(chart->Model().Series()[power].label.rfind("3ch", 0), 0u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return detail.Tabs()->isEnabled(); }, kWaitMs));
    detail.Tabs()->setCurrentIndex(kZcDetailMin);
    detail.Pages()->setCurrentIndex(kTrendChartPage);
    const std::size_t before = Held(*chart, power);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Held(*chart, power) >= before + 3; }, kWaitMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !chart->DrawnPoints(power).isEmpty(); }, kWaitMs));
    detail.reject();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !detail.isVisible(); }, kWaitMs));
}

}  // namespace
}  // namespace voltaro
