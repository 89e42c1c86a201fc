// The results of a fleet run as a table and as JSON.
#include <gtest/gtest.h>

#include "core/app/fleet_report.h"
#include "support/json_value.h"

namespace voltaro {
namespace {

std::vector<FleetResult> Results() {
    return {{"feeder-1", FleetOutcome::kOk, 1.234, "saved as up/feeder-1.cfg"},
            {"pump", FleetOutcome::kFailed, 0.5, "no answer\r\nfrom \"pump\"\r\n"},
            {"x", FleetOutcome::kDiffers, 2, "1 parameters differ"},
            {"late", FleetOutcome::kNotStarted, 0, ""},
            {"stopped", FleetOutcome::kCancelled, 0.25, ""}};
}

TEST(FleetReport, TableAlignsColumnsKeepsMessagesOnOneLineAndCounts) {
    const std::vector<std::string> lines = FleetSummaryLines(Results());
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "device    result       time  message");
    EXPECT_EQ(lines[1], "feeder-1  ok           1.23  saved as up/feeder-1.cfg");
    EXPECT_EQ(lines[2], "pump      failed       0.50  no answer from \"pump\"");
    EXPECT_EQ(lines[3], "x         differs      2.00  1 parameters differ");
    EXPECT_EQ(lines[4], "late      not started  -");
    EXPECT_EQ(lines[5], "stopped   cancelled    0.25");
    EXPECT_EQ(lines[6], "5 devices: 1 ok, 1 failed, 1 differ, 2 cancelled or not started");
}

TEST(FleetReport, JsonHoldsEveryDeviceAndTheSummary) {
    const test::JsonValue json =
        test::JsonReader::Parse(FleetReportJson("upload", "plant \"A\".ini", Results()));
    EXPECT_EQ(json["command"].text, "upload");
    EXPECT_EQ(json["fleet"].text, "plant \"A\".ini");
    const auto& devices = json["devices"].items;
    ASSERT_EQ(devices.size(), 5u);
    EXPECT_EQ(devices[0]["device"].text, "feeder-1");
    EXPECT_EQ(devices[0]["result"].text, "ok");
    EXPECT_DOUBLE_EQ(devices[0]["seconds"].number, 1.234);
    EXPECT_EQ(devices[1]["result"].text, "failed");
    EXPECT_EQ(devices[1]["message"].text, "no answer from \"pump\"");
    EXPECT_EQ(devices[2]["result"].text, "differs");
    EXPECT_EQ(devices[3]["result"].text, "not_started");
    EXPECT_EQ(devices[4]["result"].text, "cancelled");
    const auto& summary = json["summary"];
    EXPECT_EQ(summary["devices"].number, 5);
    EXPECT_EQ(summary["ok"].number, 1);
    EXPECT_EQ(summary["failed"].number, 1);
    EXPECT_EQ(summary["differs"].number, 1);
    EXPECT_EQ(summary["not_run"].number, 2);
}

}  // namespace
}  // namespace voltaro
