// The log file of measured values: header once, appending to a log of the same columns,
// refusing (and keeping) a file of other columns, a row on disk as soon as it is written.
#include <gtest/gtest.h>

#include "core/monitor/csv_log.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/temp_dir.h"
#include "support/test_support.h"

namespace voltaro {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

const std::vector<std::string> kHeader{"time", "Current 1", "Voltage 1-2"};

TEST(CsvLog, HeaderOnceThenRowsAppendedAcrossRuns) {
    TempDir dir;
    const std::string path = dir.File("log.csv");
    {
        CCsvLog log;
        log.Open(path, kHeader);
        log.AppendRow({"2026-01-01T00:00:00.000Z", "1.000", "110.00"});
        // On disk before the log is closed: an interrupted run keeps it.
        EXPECT_EQ(ReadFile(path),
                  "time,Current 1,Voltage 1-2\r\n2026-01-01T00:00:00.000Z,1.000,110.00\r\n");
    }
    CCsvLog again;
    again.Open(path, kHeader);
    again.AppendRow({"t2", "2.000", "-1.5"});
    again.Close();
    EXPECT_EQ(ReadFile(path),
              "time,Current 1,Voltage 1-2\r\n2026-01-01T00:00:00.000Z,1.000,110.00\r\n"
              "t2,2.000,-1.5\r\n");
}

TEST(CsvLog, FileWithOtherColumnsIsRefusedAndKept) {
    TempDir dir;
    const std::string path = dir.File("other.csv");
    const std::string content = "time,Current 2\r\n1,2\r\n";
    WriteFile(path, content);
    CCsvLog log;
    EXPECT_EQ(test::MessageOf([&] { log.Open(path, kHeader); }),
              FormatMessageId(kMsgLogOtherHeader, {path}));
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(ReadFile(path), content);
    // A header that only starts like ours is another header too.
    WriteFile(path, "time,Current 1,Voltage 1-2,Frequency\n");
    EXPECT_NE(test::MessageOf([&] { log.Open(path, kHeader); }), test::kNoException);
}

TEST(CsvLog, EmptyFileGetsTheHeaderAndACutRowIsEnded) {
    TempDir dir;
    const std::string empty = dir.File("empty.csv");
    WriteFile(empty, "");
    CCsvLog log;
    log.Open(empty, kHeader);
    log.Close();
    EXPECT_EQ(ReadFile(empty), "time,Current 1,Voltage 1-2\r\n");

    const std::string cut = dir.File("cut.csv");
    WriteFile(cut, "time,Current 1,Voltage 1-2\r\nt1,1.0");  // an earlier run died mid-row
    log.Open(cut, kHeader);
    log.AppendRow({"t2", "2.0", "3.0"});
    log.Close();
    EXPECT_EQ(ReadFile(cut), "time,Current 1,Voltage 1-2\r\nt1,1.0\r\nt2,2.0,3.0\r\n");
}

TEST(CsvLog, FieldsAreQuotedOnlyWhenTheyNeedIt) {
    EXPECT_EQ(CCsvLog::JoinFields({"1.5", "a,b", "say \"hi\"", "two\nlines", ""}),
              "1.5,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",");
}

TEST(CsvLog, FailuresNameTheFile) {
    TempDir dir;
    CCsvLog log;
    const std::string missing = dir.File("no/such/dir.csv");
    EXPECT_NE(test::MessageOf([&] { log.Open(missing, kHeader); }).find(missing),
              std::string::npos);
    const std::string path = dir.File("full.csv");
    log.Open(path, kHeader);
    test::FileSizeLimit limit(40);
    EXPECT_NE(test::MessageOf([&] {
                  log.AppendRow({"a-long-time-stamp-field", "1234567890", "1234567890"});
              }).find(path),
              std::string::npos);
}

}  // namespace
}  // namespace voltaro
