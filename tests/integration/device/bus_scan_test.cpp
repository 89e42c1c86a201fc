// The bus scan against simulated devices: several on one pseudo-terminal bus (each at its
// own address, one at another baud rate), devices that answer but cannot be identified,
// unit ids behind a TCP server, and a Cancel in the middle of a silent probe.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <mutex>
#include <thread>

#include "core/device/bus_scan.h"
#include "core/model/model_list.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/scan_text_ids.h"
#include "sim/shared_bus.h"
#include "sim/simulator.h"

namespace voltaro {
namespace {

using namespace std::chrono_literals;

constexpr int kBaud9600 = 3;
constexpr int kBaud19200 = 4;
constexpr int kParityNone = 0;

sim::SimulatorOptions BusOptions() {
    sim::SimulatorOptions options;
    options.line.turnaroundMs = 0;  // 9600 N 1, the bus's settings
    return options;
}

CComSettings SerialPort(const std::string& path) {
    CComSettings settings;
    settings.mode = ModbusRtu;
    settings.comPortName = path;
    settings.comPortDisplayName = path;
    return settings;
}

class Recorder : public IScanListener {
  public:
    void OnScanProgress(std::size_t done, std::size_t total, const ScanLine&,
                        int address) override {
        std::lock_guard<std::mutex> lock(mutex);
        progress.push_back({done, total});
        if (address != 0) probed.push_back(address);
    }
    void OnDeviceFound(const ScanFinding& finding) override {
        std::lock_guard<std::mutex> lock(mutex);
        found.push_back(finding.address);
    }
    std::size_t Probed() {
        std::lock_guard<std::mutex> lock(mutex);
        return probed.size();
    }
    std::mutex mutex;
    std::vector<std::pair<std::size_t, std::size_t>> progress;
    std::vector<int> probed;
    std::vector<int> found;
};

TEST(BusScan, FindsEachDeviceOfASharedBusAtItsAddressAndLineSettingsOnly) {
    sim::SharedBus bus(BusOptions(), sim::ParseBusDevices("4@1,64@5,10@17,39@9:19200"));
    const std::string port = bus.StartPty("SCAN-TEST-" + std::to_string(::getpid()));

    ScanPlan plan;
    plan.lines = ScanLines({kBaud9600, kBaud19200}, {kParityNone}, 1);
    plan.addresses = {1, 5, 9, 17, 30, 31, 32, 33, 34, 35};
    plan.timeoutMs = 60;
    Recorder recorder;
    CBusScan scan(SerialPort(port), plan);
    const ScanOutcome outcome = scan.Run(&recorder);

    EXPECT_FALSE(outcome.cancelled);
    ASSERT_EQ(outcome.found.size(), 4u);
    struct Expected {
        int address;
        int row;
        ScanLine line;
    };
    const Expected expected[] = {{1, 4, {kBaud9600, kParityNone, 1}},
                                 {5, 64, {kBaud9600, kParityNone, 1}},
                                 {17, 10, {kBaud9600, kParityNone, 1}},
                                 {9, 39, {kBaud19200, kParityNone, 1}}};
    for (std::size_t i = 0; i < 4; ++i) {
        const ScanFinding& f = outcome.found[i];
        SCOPED_TRACE(f.address);
        EXPECT_EQ(f.address, expected[i].address);
        EXPECT_TRUE(f.identified) << f.reason;
        EXPECT_EQ(f.row, expected[i].row);
        EXPECT_EQ(f.line, expected[i].line);
        CDeviceType type;
        type.SelectRow(expected[i].row);
        EXPECT_EQ(f.model, ModelDisplayText(type));
        EXPECT_FALSE(f.model.empty());
        // The settings reach the device again as they are.
        EXPECT_EQ(f.settings.address, f.address);
        EXPECT_EQ(f.settings.baudrate, f.line.baudIndex);
        EXPECT_EQ(f.settings.parity, f.line.parity);
        EXPECT_EQ(f.settings.comPortName, port);
    }
    EXPECT_EQ(recorder.found, (std::vector<int>{1, 5, 17, 9}));
    // Every probe announced once, then the end.
    ASSERT_EQ(recorder.progress.size(), 21u);
    EXPECT_EQ(recorder.progress.front(), (std::pair<std::size_t, std::size_t>{0, 20}));
    EXPECT_EQ(recorder.progress.back(), (std::pair<std::size_t, std::size_t>{20, 20}));
    EXPECT_EQ(recorder.probed.size(), 20u);
}

TEST(BusScan, AnExceptionOrAMalformedAnswerIsFoundButNotIdentified) {
    sim::SimulatorOptions refusing = BusOptions();
    refusing.faults.exceptions.push_back({2, 9600, 9600});
    sim::SimulatorOptions cutting = BusOptions();
    cutting.faults.shortAnswer = 1.0;
    for (const auto& [options, reason] : {std::pair{refusing, std::string("exception")},
                                          std::pair{cutting, std::string("short")}}) {
        SCOPED_TRACE(reason);
        sim::SharedBus bus(options, sim::ParseBusDevices("4@7"));
        const std::string port = bus.StartPty("SCAN-TEST-" + std::to_string(::getpid()));
        ScanPlan plan;
        plan.lines = ScanLines({kBaud9600}, {kParityNone}, 0);
        plan.addresses = {6, 7, 8};
        plan.timeoutMs = 60;
        CBusScan scan(SerialPort(port), plan);
        const ScanOutcome outcome = scan.Run(nullptr);
        ASSERT_EQ(outcome.found.size(), 1u);
        const ScanFinding& f = outcome.found[0];
        EXPECT_EQ(f.address, 7);
        EXPECT_FALSE(f.identified);
        EXPECT_EQ(f.row, -1);
        EXPECT_EQ(f.reason.rfind(FormatMessageId(kMsgScanNotIdentified, {""}), 0), 0u) << f.reason;
        EXPECT_GT(f.reason.size(), FormatMessageId(kMsgScanNotIdentified, {""}).size());
    }
}

TEST(BusScan, OverTcpEveryUnitIdIsAskedThroughOneConnection) {
    sim::SimulatorOptions options = BusOptions();
    options.device.row = 39;
    sim::Simulator simulator(options);
    CComSettings gateway;
    gateway.mode = ModbusTcp;
    gateway.serverAddress = "127.0.0.1";
    gateway.servicePort = std::to_string(simulator.StartTcp());
    ScanPlan plan;
    plan.lines = ScanLines({kBaud9600}, {kParityNone}, 0);  // not used over TCP
    plan.addresses = {2, 3, 200};
    CBusScan scan(gateway, plan);
    const ScanOutcome outcome = scan.Run(nullptr);
    ASSERT_EQ(outcome.found.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(outcome.found[i].address, plan.addresses[i]);
        EXPECT_EQ(outcome.found[i].settings.mode, ModbusTcp);
        EXPECT_EQ(outcome.found[i].row, 39);
    }
    EXPECT_EQ(simulator.Counts().connections, 1u);

    // A gateway that reaches no device at a unit id says so with exception 10 or 11:
    // nobody is there. Any other exception comes from a device.
    for (const auto& [code, found] : {std::pair{10, 0u}, std::pair{11, 0u}, std::pair{4, 3u}}) {
        sim::FaultSettings faults;
        faults.exceptions.push_back({static_cast<uint8_t>(code), 9600, 9600});
        simulator.SetFaults(faults);
        CBusScan again(gateway, plan);
        EXPECT_EQ(again.Run(nullptr).found.size(), found) << code;
    }

    // Nobody listening: the connection fails as a failure, not as "nothing found".
    const std::string closedPort = gateway.servicePort;
    simulator.Stop();
    CBusScan refused(gateway, plan);
    EXPECT_THROW(refused.Run(nullptr), CPrivateException) << closedPort;
}

TEST(BusScan, CancelEndsAProbeInFlightAndKeepsWhatWasFound) {
    sim::SharedBus bus(BusOptions(), sim::ParseBusDevices("4@1"));
    const std::string port = bus.StartPty("SCAN-TEST-" + std::to_string(::getpid()));
    ScanPlan plan;
    plan.lines = ScanLines({kBaud9600}, {kParityNone}, 0);
    for (int a = 1; a <= 247; ++a)
        plan.addresses.push_back(a);
    plan.timeoutMs = 5000;  // a silent address would hold the scan for 5 s
    Recorder recorder;
    CBusScan scan(SerialPort(port), plan);
    auto run = std::async(std::launch::async, [&] { return scan.Run(&recorder); });
    const auto start = std::chrono::steady_clock::now();
    while (recorder.Probed() < 2 && std::chrono::steady_clock::now() - start < 10s)
        std::this_thread::sleep_for(5ms);
    ASSERT_EQ(recorder.Probed(), 2u);  // address 2 is silent: its probe is in flight
    const auto cancelled = std::chrono::steady_clock::now();
    scan.Cancel();
    ASSERT_EQ(run.wait_for(3s), std::future_status::ready);
    EXPECT_LT(std::chrono::steady_clock::now() - cancelled, 2s);
    const ScanOutcome outcome = run.get();
    EXPECT_TRUE(outcome.cancelled);
    ASSERT_EQ(outcome.found.size(), 1u);
    EXPECT_EQ(outcome.found[0].address, 1);
    EXPECT_EQ(recorder.Probed(), 2u) << "no probe after the Cancel";
    EXPECT_NE(recorder.progress.back().first, recorder.progress.back().second);
}

TEST(BusScan, APortThatCannotBeOpenedFailsTheScan) {
    ScanPlan plan;
    plan.lines = ScanLines({kBaud9600}, {kParityNone}, 0);
    plan.addresses = {1};
    CBusScan scan(SerialPort("/nonexistent/tty-for-scan"), plan);
    EXPECT_THROW(scan.Run(nullptr), CPrivateException);
}

}  // namespace
}  // namespace voltaro
