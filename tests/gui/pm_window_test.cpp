// The power management monitor against the in-process simulator: the Monitor command on a
// ZC device opens it, the extension tab shows the other eight channels, "Detail" opens
// and closes the channel detail, "Reset" asks and writes, "Preset" writes a typed value.
#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <algorithm>

#include "core/app/main_window_ids.h"
#include "core/comm/modbus_interface.h"
#include "core/monitor/zc_registers.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/main_window.h"
#include "gui/controls/data_grid_view.h"
#include "gui/controls/par_edit.h"
#include "gui/dialogs/date_dialog.h"
#include "gui/monitor/pm_detail_dialog.h"
#include "gui/monitor/pm_dialog.h"
#include "gui/monitor/zc_main_page.h"
#include "gui/monitor/zc_max_min_page.h"
#include "gui/monitor/zc_preset_dialog.h"
#include "gui_driver.h"
#include "sim/simulator.h"

namespace voltaro {
namespace {

using test::OnModal;

constexpr int kRowZc8 = 52;
constexpr int kRowZc16 = 64;
constexpr int kRowKt2 = 7;
constexpr int kWaitMs = 10000;
constexpr int kLatestRow = 25;

std::string CellText(const CDataGridView* grid, int column, int row) {
    return grid->Model().CellText(column, row);
}

uint32_t Pair(const sim::Simulator& simulator, int address) {
    const auto r = simulator.Registers(address, 2);
    return static_cast<uint32_t>(r[1]) << 16 | r[0];
}

class PmWindow : public ::testing::Test {
  protected:
    void StartDevice(int row) {
        sim::SimulatorOptions options;
        options.device.row = row;
        simulator_ = std::make_unique<sim::Simulator>(options);
        profile_.ConnectTo(simulator_->StartTcp());
    }
    // Waits until the monitor has shown a read of its current view.
    static bool Filled(CPMDialog& monitor) {
        return QTest::qWaitFor([&] { return !CellText(monitor.MainPage()->Lower(), 1, 1).empty(); },
                               kWaitMs);
    }
    static void Close(QDialog& dialog) {
        dialog.reject();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, kWaitMs));
    }

    test::ScratchProfile profile_;
    std::unique_ptr<sim::Simulator> simulator_;
    AppSettings settings_;
};

TEST_F(PmWindow, MonitorCommandOpensItAndTheExtensionTabShowsChannelsNineToSixteen) {
    StartDevice(kRowZc16);
    ParameterImage carry = DefaultImageOfRow(kRowKt2);
    CBasicParameterDialog window(carry, settings_);
    window.show();
    auto ran = OnModal<CPMDialog>([](CPMDialog* monitor) {
        ASSERT_TRUE(Filled(*monitor));
        EXPECT_FALSE(CellText(monitor->MainPage()->Upper(), 8, kLatestRow).empty());
        EXPECT_TRUE(monitor->ModuleTabs()->isEnabled());
        EXPECT_FALSE(monitor->Clock()->text().isEmpty());
        EXPECT_TRUE(monitor->ClockButton()->isEnabled());
        // The extension module: other labels, then the values of channels 9 .. 16.
        const std::string first = CellText(monitor->MainPage()->Lower(), 1, 1);
        monitor->ModuleTabs()->setCurrentIndex(1);
        EXPECT_EQ(monitor->Model().View(), kZcViewExtension);
        const auto& labels = monitor->MainPage()->Upper()->Model().Labels();
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const CellBinding& b) {
            return b.id == InputLabelId(9) && b.column == 1 && b.row == 0;
        }));
        EXPECT_TRUE(CellText(monitor->MainPage()->Lower(), 1, 1).empty());  // cleared
        ASSERT_TRUE(Filled(*monitor));
        // Channel 1 has a 600 A sensor, channel 9 a small one: the currents differ.
        EXPECT_NE(CellText(monitor->MainPage()->Lower(), 1, 1), first);
        FindControlAs<QPushButton>(monitor, kIdCancel)->click();
    });
    test::RunConnected([&] { window.Monitor(); });
    EXPECT_TRUE(*ran);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(PmWindow, DetailOpensForItsChannelAndClosesBackToTheMonitor) {
    StartDevice(kRowZc16);
    CModbusInterface client;
    CPMDialog monitor(client);
    monitor.show();
    ASSERT_TRUE(Filled(monitor));
    monitor.ModuleTabs()->setCurrentIndex(1);
    ASSERT_TRUE(Filled(monitor));
    bool hiddenMeanwhile = false;
    auto ran = OnModal<CPMDetailDialog>([&](CPMDetailDialog* detail) {
        hiddenMeanwhile = !monitor.isVisible() && monitor.Model().Paused();
        EXPECT_TRUE(detail->windowTitle().endsWith(QStringLiteral("(10ch)")));
        EXPECT_EQ(detail->Model().Channel(), 9);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !CellText(detail->Page()->Instantaneous(), 2, 2).empty(); }, kWaitMs));
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return !CellText(detail->ThdGrid(), 1, 1).empty(); }, kWaitMs));
        EXPECT_TRUE(detail->Tabs()->isEnabled());
        FindControlAs<QPushButton>(detail, kIdCancel)->click();
    });
    FindControlAs<QPushButton>(monitor.MainPage(), CZCMainPage::kIdDetail[1])->click();
    EXPECT_TRUE(*ran);
    EXPECT_TRUE(hiddenMeanwhile);
    EXPECT_TRUE(monitor.isVisible());
    EXPECT_FALSE(monitor.Model().Paused());
    // The monitor reads again.
    monitor.MainPage()->Lower()->ClearCells();
    EXPECT_TRUE(Filled(monitor));
    Close(monitor);
}

TEST_F(PmWindow, ClockButtonOpensTheDateDialogWhileTheMonitorIsPaused) {
    StartDevice(kRowZc8);
    CModbusInterface client;
    CPMDialog monitor(client);
    monitor.show();
    ASSERT_TRUE(Filled(monitor));
    bool pausedMeanwhile = false;
    auto ran = OnModal<CDateDialog>([&](CDateDialog* date) {
        pausedMeanwhile = monitor.Model().Paused();
        date->reject();
    });
    monitor.ClockButton()->click();
    EXPECT_TRUE(*ran);
    EXPECT_TRUE(pausedMeanwhile);
    EXPECT_TRUE(monitor.isVisible());
    EXPECT_FALSE(monitor.Model().Paused());
    Close(monitor);
}

TEST_F(PmWindow, ResetAsksFirstAndWritesOnYesOnly) {
    StartDevice(kRowZc8);
    simulator_->AdvanceTime(600);
    const int block = ZcEnergyBlockRegister(3, kZcViewBasic);
    ASSERT_GT(Pair(*simulator_, block), 0u);
    CModbusInterface client;
    CPMDialog monitor(client);
    monitor.show();
    ASSERT_TRUE(Filled(monitor));
    EXPECT_FALSE(monitor.ModuleTabs()->isEnabled());
    auto* reset = FindControlAs<QPushButton>(monitor.MainPage(), CZCMainPage::kIdEnergyReset[3]);
    std::string question;
    auto no = OnModal<QMessageBox>([&](QMessageBox* box) {
        question = ToStdString(box->text());
        box->done(QMessageBox::No);
    });
    reset->click();
    EXPECT_TRUE(*no);
    EXPECT_EQ(question, LoadString(kMsgAreYouSure));
    EXPECT_GT(Pair(*simulator_, block), 0u);
    auto yes = OnModal<QMessageBox>([](QMessageBox* box) { box->done(QMessageBox::Yes); });
    reset->click();
    EXPECT_TRUE(*yes);
    EXPECT_EQ(Pair(*simulator_, block), 0u);
    Close(monitor);
}

TEST_F(PmWindow, PresetDialogWritesTheTypedValue) {
    StartDevice(kRowZc8);
    CModbusInterface client;
    CZCPresetDialog preset(client);
    test::ShowActive(preset);
    CDataGridView* grid = preset.Page()->Grid();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !CellText(grid, 2, 1).empty(); }, kWaitMs));
    // "Active in" of 2ch: column 2, row 1.
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(2, 1).center());
    ASSERT_TRUE(preset.Page()->Editor().Active());
    QLineEdit* edit = preset.Page()->Editor().Edit();
    edit->setText(QStringLiteral("42.5"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FALSE(preset.Page()->Editor().Active());
    EXPECT_EQ(Pair(*simulator_, ZcEnergyBlockRegister(1, kZcViewBasic)), 425u);
    EXPECT_EQ(CellText(grid, 2, 1), "42.5");
    Close(preset);
}

}  // namespace
}  // namespace voltaro
