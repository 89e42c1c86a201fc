// voltaro-cli monitor run as a process against simulated devices: JSON Lines of meters
// and transducers, the CSV log across runs, failed passes, Ctrl-C, the table on a
// terminal and the option errors.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <chrono>
#include <sstream>

#include "cli/cli_process.h"
#include "cli/sim_device.h"
#include "core/monitor/measurand_labels.h"
#include "core/monitor/measurand_store.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "core/platform/temp_dir.h"
#include "sim/simulator.h"
#include "support/cli_run.h"
#include "support/json_value.h"

namespace voltaro {
namespace {

using namespace std::chrono_literals;
using test::CliProcess;
using test::CliRun;
using test::JsonLines;
using test::JsonReader;
using test::JsonValue;
using test::RunCli;
using test::SimDevice;

constexpr int kKt2Row = 7;   // two 4-20 mA outputs
constexpr int kZb1Row = 37;  // one input, four counters
constexpr int kZb2Row = 38;  // two inputs
constexpr bool kWithErrors = true;

std::vector<int> IndexesOf(const JsonValue& pass) {
    std::vector<int> indexes;
    for (const JsonValue& v : pass["values"].items)
        indexes.push_back(static_cast<int>(v["index"].number));
    return indexes;
}

bool Has(const std::vector<int>& list, int value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

// A loopback port where nothing listens: connections are refused at once.
int ClosedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), length);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

// Waits (reading the program's output meanwhile) until the device has left one more
// request unanswered: the program is then blocked in a pass.
bool WaitForDroppedRequest(SimDevice& device, CliProcess& process) {
    const uint64_t before = device.simulator.Counts().dropped;
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (device.simulator.Counts().dropped == before) {
        if (std::chrono::steady_clock::now() >= end) return false;
        process.Drain(10ms);
    }
    return true;
}

TEST(CliMonitor, OncePrintsOneJsonPassOfAMeterWithItsSpectra) {
    SimDevice device(kKt2Row);
    const CliRun run = RunCli("monitor --once --json --harmonics 9,0 " + device.Tcp());
    ASSERT_EQ(run.status, 0) << run.out;
    const auto passes = JsonLines(run.out);
    ASSERT_EQ(passes.size(), 1u);
    const JsonValue& pass = passes[0];
    const std::string time = pass["time"].text;
    ASSERT_EQ(time.size(), 24u) << time;  // 2026-12-07T10:00:00.250Z
    EXPECT_EQ(time[10], 'T');
    EXPECT_EQ(time.back(), 'Z');
    EXPECT_TRUE(pass["ok"].boolean);
    EXPECT_EQ(pass["error"].type, JsonValue::Type::Null);
    EXPECT_EQ(pass["device"]["model"].text, "KT2");
    EXPECT_EQ(pass["device"]["tag"].text, "VOLTARO-SIM");
    EXPECT_EQ(pass["device"]["passcode_state"].text, LoadString(kTextPasscodeDisabled));
    // Every index once, ascending, named as the labels name it, numbers where numbers are.
    const auto indexes = IndexesOf(pass);
    EXPECT_TRUE(std::is_sorted(indexes.begin(), indexes.end()));
    EXPECT_EQ(std::adjacent_find(indexes.begin(), indexes.end()), indexes.end());
    for (const JsonValue& v : pass["values"].items) {
        const int index = static_cast<int>(v["index"].number);
        EXPECT_EQ(v["name"].text, MeasurandLabel(index));
        if (index < kIdxModelName && MeasurandLabel(index).find("Lead/lag") == std::string::npos) {
            EXPECT_NO_THROW(std::stod(v["text"].text)) << index << " " << v["text"].text;
        }
    }
    // What commands 1 to 7, 9 and 10 read for this device: two analogue outputs, no
    // counters, both energy sets, minima and maxima.
    for (int index : {kIdxCurrentSum, kIdxLeadLag1 + 2, kIdxEnergySet2 + 13, kIdxMinimum,
                      kIdxMaximumThd, kIdxThd + 9, kIdxAnalogOutput1 + 1, kIdxTagNumber})
        EXPECT_TRUE(Has(indexes, index)) << index;
    for (int index : {kIdxCounter1, kIdxAnalogOutput1 + 2, kIdxEnergyFraction1})
        EXPECT_FALSE(Has(indexes, index)) << index;
    const auto& spectra = pass["harmonics"].items;
    ASSERT_EQ(spectra.size(), 2u);
    EXPECT_EQ(spectra[0]["set"].number, 0);
    EXPECT_EQ(spectra[1]["name"].text, HarmonicSetName(9));
    EXPECT_EQ(spectra[1]["percent"].items.size(), 30u);
    EXPECT_GT(spectra[0]["percent"].items[1].number, 0.0);  // third harmonic of current 1
}

TEST(CliMonitor, TransducersCountersAndTheSecondInput) {
    SimDevice one(kZb1Row);
    const CliRun counters = RunCli("monitor --once --json " + one.Tcp());
    ASSERT_EQ(counters.status, 0) << counters.out;
    const JsonValue pass = JsonLines(counters.out).at(0);
    EXPECT_EQ(pass["device"]["model"].text, "ZBDPQV");
    const auto indexes = IndexesOf(pass);
    EXPECT_TRUE(Has(indexes, kIdxCounter1 + 3));
    EXPECT_FALSE(Has(indexes, kIdxCounter1 + 4));
    EXPECT_FALSE(Has(indexes, kIdxAnalogOutput1));
    // The second input of a one-input device is a wrong option, found once identified.
    const CliRun noSecond = RunCli("monitor --once --json --channel 2 " + one.Tcp(), kWithErrors);
    EXPECT_EQ(noSecond.status, 2);
    EXPECT_EQ(noSecond.out, "voltaro-cli monitor: " + LoadString(kMsgMonitorNoSecondInput) + "\n");

    // The second input's registers are the ones read: a fault on them fails channel 2 only.
    SimDevice two(kZb2Row);
    sim::FaultSettings faults;
    faults.exceptions.push_back({2, 4000, 4000});
    two.simulator.SetFaults(faults);
    const CliRun first = RunCli("monitor --once --json --channel 1 " + two.Tcp());
    EXPECT_EQ(first.status, 0) << first.out;
    const CliRun second = RunCli("monitor --once --json --channel 2 " + two.Tcp());
    EXPECT_EQ(second.status, 1);
    const JsonValue failed = JsonLines(second.out).at(0);
    EXPECT_EQ(failed["channel"].number, 2);
    EXPECT_FALSE(failed["ok"].boolean);
    EXPECT_NE(failed["error"].text.find("4001"), std::string::npos) << failed["error"].text;
    two.simulator.ClearFaults();
    const CliRun good = RunCli("monitor --once --json --channel=2 " + two.Tcp());
    EXPECT_EQ(good.status, 0) << good.out;
    EXPECT_TRUE(JsonLines(good.out).at(0)["ok"].boolean);
}

TEST(CliMonitor, FailedPassesAreReportedAndTheNextIsTried) {
    // Nothing listens: the pass fails with the reason, --once exits 1.
    const CliRun dead =
        RunCli("monitor --once --json --tcp 127.0.0.1:" + std::to_string(ClosedPort()));
    EXPECT_EQ(dead.status, 1);
    const JsonValue refused = JsonLines(dead.out).at(0);
    EXPECT_FALSE(refused["ok"].boolean);
    EXPECT_FALSE(refused["error"].text.empty());
    EXPECT_EQ(refused["device"].type, JsonValue::Type::Null);
    EXPECT_TRUE(refused["values"].items.empty());

    // The minima fail: the pass lists what it read before them; once the fault is gone the
    // next pass succeeds, and the counted run still exits 1 for the failed one.
    SimDevice device(kKt2Row);
    sim::FaultSettings faults;
    faults.exceptions.push_back({2, 928, 928});
    device.simulator.SetFaults(faults);
    std::vector<std::string> args{"monitor", "--count", "2", "--interval", "0.3", "--json"};
    for (const auto& a : device.TcpArgs())
        args.push_back(a);
    CliProcess process(args, {});
    ASSERT_TRUE(process.WaitForLines(1, 10s)) << process.Err();
    device.simulator.ClearFaults();
    EXPECT_EQ(process.Wait(10s), 1) << process.Err();
    const auto passes = JsonLines(process.Out());
    ASSERT_EQ(passes.size(), 2u);
    EXPECT_FALSE(passes[0]["ok"].boolean);
    EXPECT_NE(passes[0]["error"].text.find("929"), std::string::npos);
    EXPECT_EQ(passes[0]["device"]["model"].text, "KT2");  // read before the failure
    EXPECT_TRUE(Has(IndexesOf(passes[0]), kIdxMaximum));
    EXPECT_FALSE(Has(IndexesOf(passes[0]), kIdxMinimum));
    EXPECT_TRUE(passes[1]["ok"].boolean);
    EXPECT_TRUE(Has(IndexesOf(passes[1]), kIdxMinimum));
    EXPECT_LT(passes[0]["time"].text, passes[1]["time"].text);
}

TEST(CliMonitor, CsvLogIsCreatedAppendedToAndNeverOverwritten) {
    test::TempDir dir;
    SimDevice device(kZb1Row);
    const std::string log = dir.File("log.csv");
    const CliRun first =
        RunCli("monitor --count 2 --interval 0.05 --csv " + log + " " + device.Tcp());
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.out, "");  // standard output is no terminal: the rows go to the file only
    const CliRun second = RunCli("monitor --once --csv=" + log + " " + device.Tcp());
    EXPECT_EQ(second.status, 0);
    std::istringstream in(test::ReadFile(log));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        ASSERT_FALSE(line.empty());
        EXPECT_EQ(line.back(), '\r');
        lines.push_back(line.substr(0, line.size() - 1));
    }
    ASSERT_EQ(lines.size(), 4u);  // the header once, then a row per pass
    EXPECT_EQ(lines[0].rfind("time," + MeasurandLabel(kIdxCurrentSum) + ",", 0), 0u);
    EXPECT_NE(lines[0].find(MeasurandLabel(kIdxCounter1 + 3)), std::string::npos);
    EXPECT_EQ(lines[0].find(MeasurandLabel(kIdxModelName)), std::string::npos);
    const auto fields = [](const std::string& line) {
        return std::count(line.begin(), line.end(), ',');
    };
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(fields(lines[i]), fields(lines[0])) << i;
        if (i > 1) {
            EXPECT_LT(lines[i - 1].substr(0, 24), lines[i].substr(0, 24)) << i;
        }
        EXPECT_EQ(lines[i].find_first_not_of("0123456789.,-:TZ"), std::string::npos) << lines[i];
    }

    // A file with other columns is refused as it stands, before anything is written.
    const std::string other = dir.File("other.csv");
    const std::string content = "time,Current 2\r\n2026-01-01T00:00:00.000Z,1.5\r\n";
    test::WriteFile(other, content);
    const CliRun refused =
        RunCli("monitor --once --csv " + other + " " + device.Tcp(), kWithErrors);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out,
              "voltaro-cli monitor: " + FormatMessageId(kMsgLogOtherHeader, {other}) + "\n");
    EXPECT_EQ(test::ReadFile(other), content);

    // Without a good pass no file is made; the failure is told on standard error.
    const std::string none = dir.File("none.csv");
    const CliRun dead =
        RunCli("monitor --once --csv " + none + " --tcp 127.0.0.1:" + std::to_string(ClosedPort()),
               kWithErrors);
    EXPECT_EQ(dead.status, 1);
    EXPECT_NE(dead.out.find("voltaro-cli monitor: "), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(none));
}

TEST(CliMonitor, CtrlCEndsCleanlyAlsoDuringABlockedPass) {
    SimDevice device(kKt2Row);
    std::vector<std::string> args{"monitor", "--json", "--interval", "0.2"};
    for (const auto& a : device.TcpArgs())
        args.push_back(a);
    {
        CliProcess process(args, {});
        ASSERT_TRUE(process.WaitForLines(2, 10s)) << process.Err();
        process.Signal(SIGINT);
        EXPECT_EQ(process.Wait(5s), 0) << process.Err();
        for (const JsonValue& pass : JsonLines(process.Out()))
            EXPECT_TRUE(pass["ok"].boolean);
    }
    // The device stops answering in the middle of the run: Ctrl-C stops the pass in flight
    // at once, long before the receive would time out, and reports nothing of it.
    args[3] = "0";
    {
        CliProcess process(args, {});
        ASSERT_TRUE(process.WaitForLines(1, 10s)) << process.Err();
        sim::FaultSettings silent;
        silent.drop = 1.0;
        device.simulator.SetFaults(silent);
        ASSERT_TRUE(WaitForDroppedRequest(device, process)) << process.Err();
        process.Drain(200ms);  // the passes completed before
        const std::size_t before = process.Lines();
        const auto interrupted = std::chrono::steady_clock::now();
        process.Signal(SIGINT);
        EXPECT_EQ(process.Wait(3s), 0) << process.Err();
        EXPECT_LT(std::chrono::steady_clock::now() - interrupted, 3s);
        EXPECT_EQ(process.Lines(), before);
        for (const JsonValue& pass : JsonLines(process.Out()))
            EXPECT_TRUE(pass["ok"].boolean);
    }
    // Interrupted before any pass was completed: nothing was measured, exit 1.
    {
        CliProcess process(args, {});
        ASSERT_TRUE(WaitForDroppedRequest(device, process)) << process.Err();
        process.Signal(SIGTERM);
        EXPECT_EQ(process.Wait(3s), 1);
        EXPECT_EQ(process.Out(), "");
        EXPECT_NE(process.Err().find(LoadString(kMsgMonitorNothingMeasured)), std::string::npos)
            << process.Err();
    }
}

TEST(CliMonitor, TableOnATerminalAndBlocksElsewhere) {
    SimDevice device(kKt2Row);
    std::vector<std::string> args{"monitor", "--count", "2", "--interval", "0.05"};
    for (const auto& a : device.TcpArgs())
        args.push_back(a);
    CliProcess::Options terminal;
    terminal.terminal = true;
    terminal.rows = 30;
    {
        CliProcess process(args, terminal);
        ASSERT_EQ(process.Wait(10s), 0) << process.Err();
        const std::string& out = process.Out();
        // Cleared once, then every pass redrawn from the top, the status in colour.
        EXPECT_EQ(out.rfind("\x1b[H\x1b[2J", 0), 0u);
        std::size_t frames = 0;
        for (std::size_t at = out.find("\x1b[H"); at != std::string::npos;
             at = out.find("\x1b[H", at + 1))
            ++frames;
        EXPECT_EQ(frames, 2u);
        EXPECT_NE(out.find("\x1b[34m" + LoadString(kMsgCommunicating)), std::string::npos);
        // Cut to the screen's 30 rows, with a sign that more follows.
        const std::string last = out.substr(out.rfind("\x1b[H"));
        EXPECT_EQ(std::count(last.begin(), last.end(), '\n'), 29);
        EXPECT_NE(last.find("...\x1b[K"), std::string::npos);
    }
    {
        terminal.environment = {"NO_COLOR=1"};
        CliProcess process(args, terminal);
        ASSERT_EQ(process.Wait(10s), 0);
        EXPECT_EQ(process.Out().find("\x1b[34m"), std::string::npos);
        EXPECT_NE(process.Out().find("\x1b[H"), std::string::npos);
    }
    // Not a terminal: a plain block per pass, without escape sequences.
    const CliRun plain = RunCli("monitor --count 2 --interval 0 " + device.Tcp());
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.out.find('\x1b'), std::string::npos);
    std::size_t blocks = 0;
    for (std::size_t at = plain.out.find("Instantaneous: Trend"); at != std::string::npos;
         at = plain.out.find("Instantaneous: Trend", at + 1))
        ++blocks;
    EXPECT_EQ(blocks, 2u);
    EXPECT_NE(plain.out.find("  " + LoadString(kMsgCommunicating) + "\n"), std::string::npos);
}

TEST(CliMonitor, WrongOptionsAndHelp) {
    for (const char* args :
         {"--channel 3", "--channel", "--interval -1", "--interval 1e3", "--interval 86401",
          "--count 0", "--count 2x", "--count 1 --once", "--json --csv x.csv", "--csv --json",
          "--harmonics 10", "--harmonics 1,,2", "--harmonics", "--verbose", "extra"}) {
        const CliRun run =
            RunCli(std::string("monitor ") + args + " --tcp 127.0.0.1:1", kWithErrors);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out.rfind("voltaro-cli monitor: ", 0), 0u) << args << ": " << run.out;
    }
    EXPECT_EQ(RunCli("monitor --interval 1e3", kWithErrors).out,
              "voltaro-cli monitor: " + LoadString(kMsgMonitorIntervalOption) + "\n");
    EXPECT_EQ(RunCli("monitor --csv --json", kWithErrors).out,
              "voltaro-cli monitor: " + LoadString(kMsgMonitorCsvFileOption) + "\n");

    const CliRun help = RunCli("monitor --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind(LoadString(kMsgMonitorUsage), 0), 0u) << help.out;
    EXPECT_NE(RunCli("--help").out.find("\n  monitor    "), std::string::npos);
}

}  // namespace
}  // namespace voltaro
