// voltaro-cli scan against a simulated bus on a pseudo-terminal and a simulated device
// behind TCP: the table, JSON lines, exit statuses, refusals and Ctrl-C.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>
#include <chrono>

#include "cli/cli_process.h"
#include "cli/sim_device.h"
#include "core/model/model_list.h"
#include "core/platform/message_format.h"
#include "core/platform/scan_text_ids.h"
#include "core/platform/string_table.h"
#include "sim/shared_bus.h"
#include "support/cli_run.h"
#include "support/json_value.h"

namespace voltaro {
namespace {

using namespace std::chrono_literals;
using test::CliProcess;
using test::JsonLines;
using test::JsonValue;
using test::RunCli;

std::string Model(int row) {
    CDeviceType type;
    type.SelectRow(row);
    return ModelDisplayText(type);
}

struct Bus {
    explicit Bus(const std::string& devices) : bus(Options(), sim::ParseBusDevices(devices)) {
        port = bus.StartPty("CLI-SCAN-" + std::to_string(::getpid()));
    }
    static sim::SimulatorOptions Options() {
        sim::SimulatorOptions options;
        options.line.turnaroundMs = 0;
        return options;
    }
    sim::SharedBus bus;
    std::string port;
};

TEST(CliScan, ListsTheDevicesOfABusAsATableAndAsJsonLines) {
    Bus bus("4@1,64@5,10@17,39@9:19200");
    const auto table = RunCli("scan --serial " + bus.port +
                              " --addresses 1-20 --bauds 9600 --parity N --stop 1 --timeout 60");
    EXPECT_EQ(table.status, 0);
    const std::string expected = LoadString(kMsgScanTableHeading) + "\n" +   //
                                 "1\t9600\tN\t1\t4\t" + Model(4) + "\n" +    //
                                 "5\t9600\tN\t1\t64\t" + Model(64) + "\n" +  //
                                 "17\t9600\tN\t1\t10\t" + Model(10) + "\n";
    EXPECT_EQ(table.out, expected);

    // Both baud rates: the device at 19200 is found there, with two stop bits by the rule
    // for a line without parity. (A pseudo-terminal takes no parity: none is scanned.)
    const auto json = RunCli("scan --json --serial " + bus.port +
                             " --addresses 9,17 --bauds 9600,19200 --parity N --timeout 60");
    EXPECT_EQ(json.status, 0);
    const std::vector<JsonValue> lines = JsonLines(json.out);
    ASSERT_EQ(lines.size(), 2u) << json.out;
    EXPECT_EQ(lines[0]["address"].number, 17);
    EXPECT_EQ(lines[0]["baud"].number, 9600);
    EXPECT_EQ(lines[0]["stop"].number, 2);
    EXPECT_EQ(lines[1]["address"].number, 9);
    EXPECT_EQ(lines[1]["baud"].number, 19200);
    EXPECT_EQ(lines[1]["parity"].text, "N");
    EXPECT_EQ(lines[1]["stop"].number, 2);
    EXPECT_TRUE(lines[1]["identified"].boolean);
    EXPECT_EQ(lines[1]["row"].number, 39);
    EXPECT_EQ(lines[1]["model"].text, Model(39));

    // Nobody at those addresses: exit 1 and the reason on stderr.
    const auto none = RunCli(
        "scan --serial " + bus.port + " --addresses 30-32 --bauds 9600 --parity N --timeout 30",
        true);
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.out.find(LoadString(kMsgScanNothingFound)), std::string::npos) << none.out;
}

TEST(CliScan, UnitIdsOverTcpAndTheFailuresAndRefusals) {
    test::SimDevice device(39);
    const auto tcp = RunCli("scan --json --addresses 3,4 " + device.Tcp());
    EXPECT_EQ(tcp.status, 0);
    const std::vector<JsonValue> lines = JsonLines(tcp.out);
    ASSERT_EQ(lines.size(), 2u) << tcp.out;
    EXPECT_EQ(lines[1]["address"].number, 4);
    EXPECT_EQ(lines[1]["row"].number, 39);
    EXPECT_FALSE(lines[1].Has("baud"));

    const auto closed = RunCli("scan --serial /nonexistent/tty-scan --addresses 1", true);
    EXPECT_EQ(closed.status, 1);
    EXPECT_NE(closed.out.find("voltaro-cli scan: "), std::string::npos) << closed.out;

    const auto badList = RunCli("scan --serial /dev/null --addresses 0-3", true);
    EXPECT_EQ(badList.status, 2);
    EXPECT_NE(badList.out.find(FormatMessageId(kMsgScanAddressListInvalid, {"0-3"})),
              std::string::npos)
        << badList.out;
    EXPECT_EQ(RunCli("scan --serial /dev/null --bauds 9601").status, 2);
    EXPECT_EQ(RunCli("scan --serial /dev/null --parity X").status, 2);
    EXPECT_EQ(RunCli("scan --serial /dev/null --timeout 5").status, 2);
    EXPECT_EQ(RunCli("scan --infrared /dev/null").status, 2) << "no bus behind an adapter";
    EXPECT_EQ(RunCli("scan " + device.Tcp() + " --bauds 9600").status, 2);
}

TEST(CliScan, CtrlCStopsTheScanAndStillListsWhatWasFound) {
    Bus bus("4@1");
    CliProcess process({"scan", "--serial", bus.port, "--bauds", "9600", "--parity", "N"}, {});
    // The device at 1 answered its probe and the four identification reads.
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (bus.bus.Counts(0).requests < 5 && std::chrono::steady_clock::now() < end)
        process.Drain(10ms);
    ASSERT_EQ(bus.bus.Counts(0).requests, 5u) << process.Err();
    process.Drain(50ms);
    const auto interrupted = std::chrono::steady_clock::now();
    process.Signal(SIGINT);
    EXPECT_EQ(process.Wait(5s), 0) << process.Err();
    EXPECT_LT(std::chrono::steady_clock::now() - interrupted, 2s) << "247 probes take 25 s";
    EXPECT_EQ(process.Out(),
              LoadString(kMsgScanTableHeading) + "\n1\t9600\tN\t2\t4\t" + Model(4) + "\n");
    EXPECT_NE(process.Err().find(LoadString(kMsgScanStopped)), std::string::npos) << process.Err();
}

}  // namespace
}  // namespace voltaro
