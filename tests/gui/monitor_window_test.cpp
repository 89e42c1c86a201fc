// The Monitor command and the meter monitor window against the in-process simulator:
// living values, tab switches, the THD grid's choice of spectrum, the Channel selector,
// the device information dialog, closing, and presetting on the energy page.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "core/app/main_window_ids.h"
#include "core/comm/modbus_interface.h"
#include "core/monitor/measurand_format.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/main_window.h"
#include "gui/controls/grid_frame.h"
#include "gui/controls/harmonics_graph.h"
#include "gui/dialogs/device_info_dialog.h"
#include "gui/monitor/energy_page.h"
#include "gui/monitor/max_min_page.h"
#include "gui/monitor/my_voltaro_dlg.h"
#include "gui/monitor/pm_dialog.h"
#include "gui_driver.h"
#include "sim/simulator.h"

namespace voltaro {
namespace {

using test::MessageBoxRecorder;
using test::OnModal;

constexpr int kRowKt2 = 7;    // 7811 with analogue outputs: one measuring input
constexpr int kRowZb1 = 37;   // 7851 with one measuring input
constexpr int kRowZb2 = 38;   // 7851 with two measuring inputs
constexpr int kRowZc = 52;    // the 8-input series
constexpr int kRowHkt2 = 53;  // 7812
constexpr int kWaitMs = 10000;

std::string CellText(const CDataGridView* grid, int column, int row) {
    return grid->Model().CellText(column, row);
}

class MonitorWindow : public ::testing::Test {
  protected:
    void StartDevice(int row, int version = -1) {
        sim::SimulatorOptions options;
        options.device.row = row;
        options.device.version = version;
        simulator_ = std::make_unique<sim::Simulator>(options);
        profile_.ConnectTo(simulator_->StartTcp());
    }

    // Runs the Monitor command of a main window; check runs on the monitor window, which is
    // closed afterwards whatever check found.
    void Monitor(const std::function<void(CMyVOLTARODlg*)>& check) {
        ParameterImage carry = DefaultImageOfRow(kRowKt2);
        CBasicParameterDialog window(carry, settings_);
        window.show();
        bool hiddenMeanwhile = false;
        auto ran = OnModal<CMyVOLTARODlg>([&](CMyVOLTARODlg* monitor) {
            hiddenMeanwhile = !window.isVisible();
            check(monitor);
            FindControlAs<QPushButton>(monitor, kIdCancel)->click();
        });
        test::RunConnected([&] { window.Monitor(); });
        EXPECT_TRUE(*ran);
        EXPECT_TRUE(hiddenMeanwhile);
        EXPECT_TRUE(window.isVisible());
    }

    test::ScratchProfile profile_;
    std::unique_ptr<sim::Simulator> simulator_;
    AppSettings settings_;
};

TEST_F(MonitorWindow, ShowsLivingValuesAndFillsATabAtItsNextStep) {
    StartDevice(kRowKt2);
    MessageBoxRecorder boxes;
    Monitor([](CMyVOLTARODlg* monitor) {
        const CMeasurandsKT2& store = monitor->Store();
        CDataGridView* instantaneous = monitor->MaxMinPage()->Instantaneous();
        auto* trendTabs = FindControlAs<QTabBar>(monitor, CMyVOLTARODlg::kIdTrendTabs);
        // Trend: column "Voltage", row "Sigma" shows the present voltage sum.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return trendTabs->isEnabled() && !CellText(instantaneous, 1, 1).empty() &&
                       CellText(instantaneous, 1, 1) == FormatMeasurand(store, 1);
            },
            kWaitMs));
        const auto* info =
            monitor->findChild<CDataGridView*>(ControlObjectName(CMyVOLTARODlg::kIdDeviceInfoGrid));
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(CellText(info, 1, 2), "KT2");
        // Value cells lie inside the drawn grids: a column and a row beyond the labels.
        EXPECT_EQ(info->Model().Columns(), 2);
        const auto* outputs = monitor->findChild<CDataGridView*>(
            ControlObjectName(CMyVOLTARODlg::kIdAnalogOutputGrid));
        ASSERT_NE(outputs, nullptr);
        EXPECT_EQ(outputs->Model().Rows(), 2);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !CellText(outputs, 0, 1).empty(); }, kWaitMs));
        EXPECT_EQ(monitor->findChild<QLabel*>(ControlObjectName(CMyVOLTARODlg::kIdStatus))
                      ->text()
                      .toStdString(),
                  LoadString(kMsgCommunicating));
        // One measuring input: the Channel selector stays off.
        EXPECT_FALSE(FindControl(monitor, CMyVOLTARODlg::kIdChannel)->isEnabled());

        // "Max": the page is cleared and the tab control waits for the page's next fill.
        trendTabs->setCurrentIndex(kTabMax);
        EXPECT_FALSE(trendTabs->isEnabled());
        EXPECT_TRUE(instantaneous->Model().Cells().empty());
        EXPECT_TRUE(QTest::qWaitFor([&] { return trendTabs->isEnabled(); }, kWaitMs));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return CellText(instantaneous, 1, 1) == FormatMeasurand(store, 130); }, kWaitMs));
        EXPECT_FALSE(CellText(instantaneous, 1, 1).empty());

        // The counter view of the energy page.
        auto* energyTabs = FindControlAs<QTabBar>(monitor, CMyVOLTARODlg::kIdEnergyTabs);
        EXPECT_TRUE(QTest::qWaitFor([&] { return energyTabs->isEnabled(); }, kWaitMs));
        energyTabs->setCurrentIndex(kEnergyTabCounter);
        EXPECT_TRUE(QTest::qWaitFor([&] { return energyTabs->isEnabled(); }, kWaitMs));
        EXPECT_EQ(monitor->EnergyPage()->findChild<QGroupBox*>()->title().toStdString(),
                  LoadString(211));
        EXPECT_EQ(CellText(monitor->EnergyPage()->Grid(), 0, 1), FormatMeasurand(store, 218));
    });
    EXPECT_TRUE(boxes.Texts().empty()) << boxes.Texts().front();
}

TEST_F(MonitorWindow, TheThdGridSelectsTheSpectrum) {
    StartDevice(kRowKt2);
    Monitor([](CMyVOLTARODlg* monitor) {
        CHarmonicsGraph* graph = monitor->HarmonicsGraph();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !graph->Waiting(); }, kWaitMs));
        EXPECT_EQ(graph->SelectedSet(), 0);
        // A click on row 3 ("Current 3") asks for set 2; the bars wait for its data.
        CDataGridView* thd = monitor->ThdGrid();
        QTest::mouseClick(thd, Qt::LeftButton, {}, thd->CellRect(1, 3).center());
        EXPECT_TRUE(QTest::qWaitFor([&] { return graph->SelectedSet() == 2; }, kWaitMs));
        EXPECT_EQ(monitor->Model().HarmonicSet(), 2);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                const auto& set = monitor->Store().harmonics[2];
                return !graph->Waiting() &&
                       std::equal(set.begin(), set.end(), graph->Levels().begin() + 1);
            },
            kWaitMs));
        EXPECT_FALSE(CellText(thd, 1, 3).empty());
    });
}

TEST_F(MonitorWindow, DeviceInfoReadsTheDeviceIntoItsGrid) {
    StartDevice(kRowKt2);
    Monitor([](CMyVOLTARODlg* monitor) {
        std::string model;
        std::string passcode;
        auto ran = OnModal<CDeviceInfoDialog>([&](CDeviceInfoDialog* dialog) {
            model = CellText(dialog->Grid()->Grid(), 1, 2);
            EXPECT_EQ(dialog->Grid()->Grid()->Model().Columns(), 2);
            passcode = CellText(dialog->Grid()->Grid(), 1, 1);
            dialog->reject();
        });
        FindControlAs<QPushButton>(monitor, CMyVOLTARODlg::kIdDeviceInfo)->click();
        EXPECT_TRUE(*ran);
        EXPECT_EQ(model, "KT2");
        EXPECT_FALSE(passcode.empty());
    });
}

TEST_F(MonitorWindow, TwoInputsEnableTheChannelSelector) {
    StartDevice(kRowZb2);
    Monitor([](CMyVOLTARODlg* monitor) {
        auto* channel = FindControlAs<QComboBox>(monitor, CMyVOLTARODlg::kIdChannel);
        EXPECT_TRUE(QTest::qWaitFor([&] { return channel->isEnabled(); }, kWaitMs));
        channel->setCurrentIndex(1);
        EXPECT_EQ(monitor->Thread().channel.load(), 1);
    });
}

TEST_F(MonitorWindow, LoopTestShowsForHkt2FromFirmware200) {
    for (const int version : {199, 200}) {
        StartDevice(kRowHkt2, version);
        Monitor([version](CMyVOLTARODlg* monitor) {
            auto* loopTest = FindControlAs<QPushButton>(monitor, CMyVOLTARODlg::kIdLoopTest);
            auto* outputs = monitor->findChild<CDataGridView*>(
                ControlObjectName(CMyVOLTARODlg::kIdAnalogOutputGrid));
            EXPECT_TRUE(
                QTest::qWaitFor([&] { return !outputs->Model().Cells().empty(); }, kWaitMs));
            EXPECT_EQ(loopTest->isVisibleTo(monitor), version == 200) << version;
            EXPECT_TRUE(loopTest->isEnabled());
        });
    }
}

// As in the program, the main window runs its own modal loop: hiding it for the monitor
// (or for the message about a ZC device) and closing that again must leave the loop running.
TEST_F(MonitorWindow, ClosingTheMonitorKeepsTheMainWindowRunning) {
    constexpr int kStillRunning = 42;
    for (const int row : {kRowKt2, kRowZc}) {
        StartDevice(row);
        ParameterImage carry = DefaultImageOfRow(kRowKt2);
        CBasicParameterDialog window(carry, settings_);
        MessageBoxRecorder boxes;
        // Only the window the row opens is waited for: a watcher left waiting for the other
        // would close a monitor of whatever test runs next in this process.
        auto closed = row == kRowKt2 ? OnModal<CMyVOLTARODlg>([](CMyVOLTARODlg* monitor) {
            FindControlAs<QPushButton>(monitor, kIdCancel)->click();
        })
                                     : OnModal<CPMDialog>([](CPMDialog* monitor) {
                                           FindControlAs<QPushButton>(monitor, kIdCancel)->click();
                                       });
        QTimer::singleShot(0, &window, [&window] {
            test::RunConnected([&window] { window.Monitor(); });
            QTimer::singleShot(100, &window, [&window] { window.done(kStillRunning); });
        });
        window.show();
        EXPECT_EQ(window.exec(), kStillRunning) << row;
        EXPECT_TRUE(*closed) << row;
        EXPECT_TRUE(boxes.Texts().empty());
    }
}

TEST_F(MonitorWindow, TheEnergyPageWritesAPresetAndShowsIt) {
    StartDevice(kRowZb1);
    CModbusInterface client;
    CMeasurandsKT2 store;
    CEnergyPage page;
    page.EnableEditing(client, store, 0, false);
    page.resize(600, 200);
    test::ShowActive(page);
    page.Fill(store, simulator_->Type());
    MessageBoxRecorder boxes;

    // Column 1 of the first value row is "Active in" of the first tariff.
    CDataGridView* grid = page.Grid();
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(1, 1).center());
    ASSERT_TRUE(page.Editor().Active());
    QLineEdit* edit = page.Editor().Edit();
    edit->setText(QStringLiteral("abc"));
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts().front().find(LoadString(1401)), std::string::npos);
    EXPECT_TRUE(page.Editor().Active());

    edit->setText(QStringLiteral("1234.5"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(boxes.Texts().size(), 1u);
    EXPECT_FALSE(page.Editor().Active());
    // The device goes on counting from the written value.
    const auto pair = [&](int address) {
        const auto r = simulator_->Registers(address, 2);
        return static_cast<std::uint32_t>(r[1]) << 16 | r[0];
    };
    EXPECT_EQ(EnergyText(static_cast<std::int32_t>(pair(128)), pair(192)).substr(0, 6), "1234.5");
    EXPECT_EQ(store.Value(33), 12345);
    EXPECT_EQ(CellText(grid, 1, 1), "1234.5000");
    // The monitor's next fill is skipped: it would show values read before the write.
    EXPECT_TRUE(page.Model().SkipNextFill());
}

}  // namespace
}  // namespace voltaro
