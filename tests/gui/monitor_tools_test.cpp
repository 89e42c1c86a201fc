// The monitor windows' tools against the in-process simulator: "Record..." writes the rows
// of the command line's CSV log (meter and ZC monitor), goes on with error rows while the
// device does not answer, refuses a file of other columns and stops when the window closes;
// the wiring findings beside the vector chart on a correctly wired meter and on one with a
// reversed current transformer.
#include <gtest/gtest.h>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <sstream>

#include "core/comm/modbus_interface.h"
#include "core/model/parameter_blocks.h"
#include "core/model/parameter_words.h"
#include "core/monitor/monitor_recorder.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/monitor_tools_text_ids.h"
#include "core/platform/string_table.h"
#include "gui/monitor/my_voltaro_dlg.h"
#include "gui/monitor/pm_dialog.h"
#include "gui/monitor/record_control.h"
#include "gui/monitor/wiring_panel.h"
#include "gui_driver.h"
#include "sim/simulator.h"

namespace voltaro {
namespace {

using test::ChooseFile;
using test::MessageBoxRecorder;

constexpr int kRowKt2 = 7;           // 7811 with analogue outputs
constexpr int kRowKt6_3p4w = 19;     // 7821, 3-phase 4-wire hardware
constexpr int kRowZc16 = 64;         // the 16-input ZC series
constexpr uint16_t kSystem3p4w = 5;  // 3-phase 4-wire, unbalanced load
constexpr int kWaitMs = 15000;

std::vector<std::string> Lines(const std::string& path) {
    std::istringstream in(test::ReadFile(path));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

class MonitorTools : public ::testing::Test {
  protected:
    void StartDevice(sim::SimulatorOptions options) {
        simulator_ = std::make_unique<sim::Simulator>(options);
        profile_.ConnectTo(simulator_->StartTcp());
    }
    void StartDevice(int row) {
        sim::SimulatorOptions options;
        options.device.row = row;
        StartDevice(options);
    }
    void SetWiringSystem(uint16_t system) {
        simulator_->SetRegisters(RegisterOfWord(BlockTableFor(simulator_->Type()), kWordSystem),
                                 {system});
    }
    // Starts recording into path with the window's "Record..." button.
    static void Record(CRecordControl& record, const std::string& path) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return record.Button()->isEnabled(); }, kWaitMs));
        auto chosen = ChooseFile(ToQString(path));
        record.Button()->click();
        EXPECT_TRUE(*chosen);
    }
    static bool RowsWritten(const CRecordControl& record, long rows) {
        return QTest::qWaitFor([&] { return record.Recorder().Rows() >= rows; }, kWaitMs);
    }

    test::ScratchProfile profile_;
    std::unique_ptr<sim::Simulator> simulator_;
};

TEST_F(MonitorTools, MeterMonitorRecordsTheCommandLineRowsAlsoAcrossErrors) {
    StartDevice(kRowKt2);
    const std::string path = profile_.File("meter.csv");
    MessageBoxRecorder boxes;
    CModbusInterface client;
    long rows = 0;
    {
        CMyVOLTARODlg monitor(client);
        monitor.show();
        CRecordControl& record = *monitor.Recording();
        EXPECT_EQ(record.Button()->text(), Text(kTextRecord));
        Record(record, path);
        EXPECT_EQ(record.Button()->text(), Text(kTextStopRecording));
        ASSERT_TRUE(RowsWritten(record, 2));
        // The status line names the file and counts the rows, then the elapsed time.
        record.ShowStatus();
        EXPECT_TRUE(record.StatusLine()->isVisible());
        const std::string prefix =
            FormatMessageId(kTextRecordingStatus, {"meter.csv", record.Recorder().Rows(), ""});
        EXPECT_EQ(ToStdString(record.StatusLine()->text()).substr(0, prefix.size()), prefix);

        // The device stops answering: recording goes on with error rows.
        simulator_->Stop();
        const long before = record.Recorder().Rows();
        ASSERT_TRUE(RowsWritten(record, before + 2));
        EXPECT_TRUE(record.Recorder().Active());
        // Closing the window ends recording; every row written is in the file.
        monitor.reject();
        EXPECT_FALSE(record.Recorder().Active());
        rows = record.Recorder().Rows();
        const CDeviceType type = monitor.Thread().DeviceType();
        const std::vector<std::string> lines = Lines(path);
        ASSERT_EQ(static_cast<long>(lines.size()), rows + 1);
        EXPECT_EQ(lines[0], CCsvLog::JoinFields(MonitorLogHeader(MeterLogColumns(type))));
        // A measured row has a number in every column; an error row says so.
        EXPECT_EQ(lines[1].find("Communication"), std::string::npos);
        EXPECT_EQ(lines[1].find(",,"), std::string::npos);
        const std::string errorStart = FormatMessageId(kMsgRecordErrorRow, {""});
        EXPECT_NE(lines.back().find(errorStart), std::string::npos) << lines.back();
    }
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(MonitorTools, RecordingRefusesAFileOfOtherColumnsAndLeavesItAlone) {
    StartDevice(kRowKt2);
    const std::string path = profile_.File("other.csv");
    const std::string content = "time,Something else\r\n1,2\r\n";
    test::WriteFile(path, content);
    MessageBoxRecorder boxes;
    CModbusInterface client;
    CMyVOLTARODlg monitor(client);
    monitor.show();
    CRecordControl& record = *monitor.Recording();
    Record(record, path);
    EXPECT_FALSE(record.Recorder().Active());
    EXPECT_EQ(record.Button()->text(), Text(kTextRecord));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.Texts().empty(); }, kWaitMs));
    EXPECT_EQ(boxes.Texts().front(), FormatMessageId(kMsgLogOtherHeader, {path}));
    EXPECT_EQ(test::ReadFile(path), content);
    monitor.reject();
}

TEST_F(MonitorTools, PowerManagementMonitorRecordsItsPageAndHoldsTheTab) {
    StartDevice(kRowZc16);
    const std::string path = profile_.File("zc.csv");
    CModbusInterface client;
    CPMDialog monitor(client);
    monitor.show();
    CRecordControl& record = *monitor.Recording();
    Record(record, path);
    ASSERT_TRUE(record.Recorder().Active());
    EXPECT_FALSE(monitor.ModuleTabs()->isEnabled());
    ASSERT_TRUE(RowsWritten(record, 2));
    record.Button()->click();  // "Stop recording"
    EXPECT_FALSE(record.Recorder().Active());
    EXPECT_EQ(record.Button()->text(), Text(kTextRecord));
    EXPECT_TRUE(QTest::qWaitFor([&] { return monitor.ModuleTabs()->isEnabled(); }, kWaitMs));
    const std::vector<std::string> lines = Lines(path);
    ASSERT_EQ(static_cast<long>(lines.size()), record.Recorder().Rows() + 1);
    EXPECT_EQ(lines[0], CCsvLog::JoinFields(MonitorLogHeader(ZcPageLogColumns(0))));
    EXPECT_EQ(lines[1].find(",,"), std::string::npos);
    monitor.reject();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !monitor.isVisible(); }, kWaitMs));
}

std::string SummaryOf(const CMyVOLTARODlg& monitor) {
    return ToStdString(monitor.WiringPanel()->Summary()->text());
}

TEST_F(MonitorTools, WiringPanelSaysRightOnACorrectMeterAndNamesAReversedCurrent) {
    sim::SimulatorOptions options;
    options.device.row = kRowKt6_3p4w;
    StartDevice(options);
    SetWiringSystem(kSystem3p4w);
    CModbusInterface client;
    {
        CMyVOLTARODlg monitor(client);
        monitor.show();
        // Shown beside the chart also while another trend tab shows.
        FindControlAs<QTabBar>(&monitor, CMyVOLTARODlg::kIdTrendTabs)->setCurrentIndex(kTabMin);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return SummaryOf(monitor) == LoadString(kMsgWiringLooksRight); }, kWaitMs))
            << SummaryOf(monitor);
        EXPECT_FALSE(monitor.WiringPanel()->Findings()->isVisible());
        // The device stops answering: the findings are no longer current.
        simulator_->Stop();
        EXPECT_TRUE(QTest::qWaitFor([&] { return monitor.WiringPanel()->StaleLine()->isVisible(); },
                                    kWaitMs));
        EXPECT_EQ(ToStdString(monitor.WiringPanel()->StaleLine()->text()),
                  LoadString(kTextWiringStale));
        monitor.reject();
    }

    options.wiring = sim::ParseWiringFault("reversed-ct=2");
    StartDevice(options);
    SetWiringSystem(kSystem3p4w);
    CModbusInterface faulty;
    CMyVOLTARODlg monitor(faulty);
    monitor.show();
    QListWidget* findings = monitor.WiringPanel()->Findings();
    EXPECT_TRUE(QTest::qWaitFor([&] { return findings->count() > 0; }, kWaitMs));
    EXPECT_TRUE(findings->isVisible());
    EXPECT_NE(SummaryOf(monitor), LoadString(kMsgWiringLooksRight));
    // Title and evidence in the entry, the hint as its tooltip.
    const WiringReport report = CheckWiring(monitor.Store());
    ASSERT_FALSE(report.findings.empty());
    EXPECT_EQ(ToStdString(findings->item(0)->text()),
              report.findings[0].title + "\n" + report.findings[0].evidence);
    EXPECT_EQ(ToStdString(findings->item(0)->toolTip()), report.findings[0].hint);
    EXPECT_EQ(report.findings[0].kind, WiringFindingKind::kCurrentReversed);
    monitor.reject();
}

}  // namespace
}  // namespace voltaro
