// Recording monitor passes: the header of the columns once, a matching file appended to, a
// file of other columns refused and left as it was, error rows that keep the table's shape,
// the counts and elapsed time shown, and a failed write that stops recording but keeps every
// row already written.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "core/monitor/measurand_store.h"
#include "core/monitor/monitor_recorder.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/monitor_tools_text_ids.h"
#include "core/platform/string_table.h"
#include "core/platform/temp_dir.h"
#include "support/test_support.h"

namespace voltaro {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;
using Clock = CMonitorRecorder::Clock;

MonitorLogColumns Columns() {
    MonitorLogColumns columns;
    columns.indexes = {kIdxCurrentSum, kIdxVoltageSum, kIdxFrequency};
    return columns;
}

std::string Line(const std::vector<std::string>& fields) {
    return CCsvLog::JoinFields(fields) + "\r\n";
}

TEST(MonitorRecorder, HeaderOnceRowsAppendedAndCountedAcrossRecordings) {
    TempDir dir;
    const std::string path = dir.File("rec.csv");
    CMeasurandsKT2 store;
    const std::string header = Line(MonitorLogHeader(Columns()));
    const std::string row1 = Line(MonitorLogRow("t1", store, Columns()));
    {
        CMonitorRecorder recorder;
        recorder.Start(path, Columns());
        EXPECT_TRUE(recorder.Active());
        recorder.Pass("t1", store);
        // On disk while recording: closing the window later loses nothing.
        EXPECT_EQ(ReadFile(path), header + row1);
        recorder.Failure("t2", "No answer, device 1");
        EXPECT_EQ(recorder.Rows(), 2);
        recorder.Stop();
        EXPECT_FALSE(recorder.Active());
        recorder.Pass("t3", store);  // not recording: nothing written
        EXPECT_EQ(recorder.Rows(), 2);
    }
    const std::string errorRow =
        Line({"t2", FormatMessageId(kMsgRecordErrorRow, {"No answer, device 1"}), "", ""});
    EXPECT_EQ(ReadFile(path), header + row1 + errorRow);

    // A second recording into the same file continues it under the one header and counts
    // its own rows.
    CMonitorRecorder again;
    again.Start(path, Columns());
    again.Pass("t4", store);
    EXPECT_EQ(again.Rows(), 1);
    EXPECT_EQ(ReadFile(path),
              header + row1 + errorRow + Line(MonitorLogRow("t4", store, Columns())));
}

TEST(MonitorRecorder, FileOfOtherColumnsIsRefusedWithTheTablesMessageAndKept) {
    TempDir dir;
    const std::string path = dir.File("other.csv");
    const std::string content = "time,Current 2\r\n1,2\r\n";
    WriteFile(path, content);
    CMonitorRecorder recorder;
    EXPECT_EQ(test::MessageOf([&] { recorder.Start(path, Columns()); }),
              FormatMessageId(kMsgLogOtherHeader, {path}));
    EXPECT_FALSE(recorder.Active());
    CMeasurandsKT2 store;
    recorder.Pass("t", store);
    recorder.Failure("t", "x");
    EXPECT_EQ(ReadFile(path), content);
    EXPECT_EQ(recorder.StatusText(), "");

    // A log of the meter's columns is another header for a ZC page's.
    const std::string meter = dir.File("meter.csv");
    recorder.Start(meter, Columns());
    recorder.Stop();
    EXPECT_NE(test::MessageOf([&] { recorder.Start(meter, ZcPageLogColumns(0)); }),
              test::kNoException);
}

TEST(MonitorRecorder, ErrorRowsKeepTheTablesShapeAndQuoteTheMessage) {
    const MonitorLogColumns columns = Columns();
    const std::vector<std::string> row =
        CMonitorRecorder::ErrorRow("t", "Timeout, no answer \"1\"", columns);
    ASSERT_EQ(row.size(), MonitorLogHeader(columns).size());
    EXPECT_EQ(row[0], "t");
    EXPECT_EQ(row[1], FormatMessageId(kMsgRecordErrorRow, {"Timeout, no answer \"1\""}));
    EXPECT_EQ(row[2], "");
    // A message with commas and quotes is one field.
    EXPECT_EQ(CCsvLog::JoinFields(row).find(
                  "\"" + FormatMessageId(kMsgRecordErrorRow, {"Timeout, no answer "})),
              2u);
    // An abandoned read says so rather than leaving the row empty.
    EXPECT_EQ(CMonitorRecorder::ErrorRow("t", "", columns)[1],
              FormatMessageId(kMsgRecordErrorRow, {LoadString(kMsgRecordingAbandoned)}));
    // Without value columns the row is the time alone.
    EXPECT_EQ(CMonitorRecorder::ErrorRow("t", "x", MonitorLogColumns{}),
              std::vector<std::string>{"t"});
}

TEST(MonitorRecorder, StatusNamesTheFileTheRowsAndTheElapsedTime) {
    EXPECT_EQ(CMonitorRecorder::ElapsedText(std::chrono::seconds(0)), "0:00:00");
    EXPECT_EQ(CMonitorRecorder::ElapsedText(std::chrono::milliseconds(59999)), "0:00:59");
    EXPECT_EQ(CMonitorRecorder::ElapsedText(std::chrono::seconds(3725)), "1:02:05");
    EXPECT_EQ(CMonitorRecorder::ElapsedText(std::chrono::hours(30)), "30:00:00");
    EXPECT_EQ(CMonitorRecorder::ElapsedText(-std::chrono::seconds(5)), "0:00:00");

    TempDir dir;
    const std::string path = dir.File("status.csv");
    CMonitorRecorder recorder;
    const Clock::time_point start = Clock::now();
    recorder.Start(path, Columns(), start);
    CMeasurandsKT2 store;
    recorder.Pass("t", store);
    recorder.Pass("t", store);
    // The file name, not its folder.
    EXPECT_EQ(recorder.StatusText(start + std::chrono::seconds(65)),
              FormatMessageId(kTextRecordingStatus, {"status.csv", 2, "0:01:05"}));
    recorder.Stop();
    EXPECT_EQ(recorder.StatusText(), "");
}

// Lets the process write no more than limit bytes into any file while it exists.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t limit) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lower = saved_;
        lower.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST(MonitorRecorder, FailedWriteStopsRecordingAndKeepsTheRowsWritten) {
    TempDir dir;
    const std::string path = dir.File("full.csv");
    CMeasurandsKT2 store;
    CMonitorRecorder recorder;
    recorder.Start(path, Columns());
    recorder.Pass("t1", store);
    const std::string written = ReadFile(path);
    std::string message;
    {
        const FileSizeLimit full(static_cast<rlim_t>(written.size()));
        message = test::MessageOf([&] { recorder.Pass("t2", store); });
    }
    EXPECT_NE(message, test::kNoException);
    EXPECT_FALSE(recorder.Active());
    EXPECT_EQ(recorder.Rows(), 1);
    EXPECT_EQ(recorder.Problem(), message);
    EXPECT_EQ(recorder.StatusText(), FormatMessageId(kMsgRecordingStopped, {message}));
    recorder.Pass("t3", store);  // stopped: nothing more, and no second failure
    EXPECT_EQ(ReadFile(path), written);
}

}  // namespace
}  // namespace voltaro
