// The monitoring thread driven as the meter monitor drives it: each notification hands the
// completed command to the cycle, which names the next one. Against the simulator over TCP
// and over a pseudo-terminal, with faults, a blocked receive and a port that goes away.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "core/app/meter_monitor_model.h"
#include "core/monitor/back_thread.h"
#include "core/monitor/measurand_format.h"
#include "core/monitor/monitor_registers.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "integration/transfer/sim_link.h"

namespace voltaro {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
using test::SimLink;
using test::SimRow;

constexpr int kZb1Row = 37;  // one input, four counters
constexpr int kZb2Row = 38;  // two inputs
constexpr int kKt6Row = 20;

// The window's part: on each notification (on the worker thread here) the cycle decides
// and the next command is posted, until `limit` commands have completed.
class CycleDriver : public CObserver {
  public:
    CycleDriver(CBackThread& thread, CMeasurandsKT2& store, int limit)
        : thread_(thread), store_(store), limit_(limit) {
        Attach(store_, *this);
    }
    ~CycleDriver() override { DetachAll(); }

    void Start() {
        const MonitorRequest first = model.Start();
        Record(first);
        thread_.Start();
        thread_.Post(first.command, first.argument);
    }

    void Update(CObservable*) override {
        std::lock_guard<std::mutex> lock(mutex_);
        const CycleUpdate update =
            model.OnCommandDone(thread_.lastFailed, thread_.DeviceType(), store_);
        ++completed;
        failures += thread_.lastFailed ? 1 : 0;
        statuses.push_back(model.Status().text);
        if (update.resetChannel) thread_.channel = 0;
        if (update.handOver) handedOver = true;
        if (!update.handOver && completed < limit_) {
            posted.push_back(update.next);
            thread_.Post(update.next.command, update.next.argument);
        }
        done_.notify_all();
    }

    // Waits until `count` commands completed (or the limit of time).
    bool WaitFor(int count, std::chrono::milliseconds limit = 10s) {
        std::unique_lock<std::mutex> lock(mutex_);
        return done_.wait_for(lock, limit, [&] { return completed >= count || handedOver; });
    }
    template <typename F>
    auto Locked(F f) {
        std::lock_guard<std::mutex> lock(mutex_);
        return f();
    }

    CMeterMonitorModel model;
    std::vector<MonitorRequest> posted;
    std::vector<std::string> statuses;
    int completed = 0;
    int failures = 0;
    bool handedOver = false;

  private:
    void Record(const MonitorRequest& r) { posted.push_back(r); }
    CBackThread& thread_;
    CMeasurandsKT2& store_;
    int limit_;
    std::mutex mutex_;
    std::condition_variable done_;
};

TEST(BackThread, CycleOnMinAndCounterTabsReadsWhatIsShownAndWhatTheWiringCheckNeeds) {
    SimLink link(SimRow(kZb1Row));
    CMeasurandsKT2 store;
    CBackThread thread(*link.client, store);
    CycleDriver driver(thread, store, 7);
    driver.model.SetTrendTab(kTabMin);
    driver.model.SetEnergyTab(kEnergyTabCounter);
    driver.Start();
    ASSERT_TRUE(driver.WaitFor(7));
    thread.Stop();
    // The meter has phase vectors: command 2 is read for the wiring check beside the
    // vector chart, though the Trend view is not shown.
    const std::vector<MonitorRequest> expected{{1, 0}, {2, 0}, {4, 0}, {9, 0},
                                               {7, 0}, {8, 0}, {10, 0}};
    EXPECT_EQ(driver.posted, expected);
    EXPECT_EQ(driver.failures, 0);
    EXPECT_EQ(driver.statuses.back(), LoadString(kMsgCommunicating));
    EXPECT_EQ(FormatMeasurand(store, kIdxModelName), "ZBDPQV");
    EXPECT_NE(store.Value(kIdxMinimum + kIdxVoltageSum), 0);
    EXPECT_NE(store.Value(kIdxVoltageSum), 0);
    EXPECT_EQ(driver.model.WiringPanel().summary, WiringSummaryText(CheckWiring(store)));
    EXPECT_TRUE(driver.model.WiringPanel().staleText.empty());
}

TEST(BackThread, ChannelTwoReadsTheSecondInput) {
    SimLink link(SimRow(kZb2Row));
    CMeasurandsKT2 store;
    CBackThread thread(*link.client, store);
    thread.channel = 1;
    CycleDriver driver(thread, store, 3);
    driver.Start();
    ASSERT_TRUE(driver.WaitFor(3));
    thread.Stop();
    EXPECT_EQ(thread.channel.load(), 1);  // two inputs: the selector keeps its entry
    bool sawSecond = false;
    for (const auto& r : link.proxy.Requests())
        sawSecond = sawSecond || r.address == 4000;
    EXPECT_TRUE(sawSecond);
}

TEST(BackThread, OneInputDeviceFallsBackToTheFirstChannel) {
    SimLink link(SimRow(kZb1Row));
    CMeasurandsKT2 store;
    CBackThread thread(*link.client, store);
    thread.channel = 1;
    CycleDriver driver(thread, store, 2);
    driver.Start();
    ASSERT_TRUE(driver.WaitFor(2));
    thread.Stop();
    EXPECT_EQ(thread.channel.load(), 0);
    for (const auto& r : link.proxy.Requests())
        EXPECT_FALSE(r.address >= 4000 && r.address < 4600) << r.address;
}

TEST(BackThread, ZcDeviceIsHandedOverAfterTheFirstCommand) {
    SimLink link(SimRow(52));
    CMeasurandsKT2 store;
    CBackThread thread(*link.client, store);
    CycleDriver driver(thread, store, 5);
    driver.Start();
    ASSERT_TRUE(driver.WaitFor(5));
    thread.Stop();
    EXPECT_TRUE(driver.handedOver);
    EXPECT_EQ(driver.completed, 1);
}

TEST(BackThread, FaultyLinkShowsTheErrorAndRecovers) {
    SimLink link(SimRow(kKt6Row));
    CMeasurandsKT2 store;
    CBackThread thread(*link.client, store);
    thread.failurePauseMs = 20;
    CycleDriver driver(thread, store, 1000);
    sim::FaultSettings faults;
    faults.drop = 1.0;
    link.simulator.SetFaults(faults);
    driver.Start();
    ASSERT_TRUE(driver.WaitFor(2));
    driver.Locked([&] {
        EXPECT_TRUE(driver.model.CommError());
        EXPECT_EQ(driver.model.Step(), 0);  // the step waits for a good read
        EXPECT_EQ(driver.statuses.back(), LoadString(kMsgMonitorCommunicationError));
        // The message for a recording's error row.
        EXPECT_FALSE(thread.LastError().empty());
        return 0;
    });
    const int before = driver.Locked([&] { return driver.completed; });
    link.simulator.ClearFaults();
    ASSERT_TRUE(driver.WaitFor(before + 4));
    thread.Stop();
    EXPECT_FALSE(driver.model.CommError());
    EXPECT_EQ(driver.statuses.back(), LoadString(kMsgCommunicating));
    EXPECT_NE(driver.model.Step(), 0);
}

TEST(BackThread, CrcErrorsOnASerialLineShowTheErrorAndRecover) {
    sim::SimulatorOptions options = SimRow(kZb1Row);
    sim::Simulator simulator(options);
    CComSettings settings;
    settings.comPortName = simulator.StartPty();
    settings.comPortDisplayName = "simulator";
    settings.parity = 0;  // a pseudo-terminal keeps no parity setting
    CModbusInterface client(settings);
    client.timeouts.serialScale = 0.05;
    CMeasurandsKT2 store;
    CBackThread thread(client, store);
    thread.failurePauseMs = 20;
    CycleDriver driver(thread, store, 1000);
    sim::FaultSettings faults;
    faults.corruptCrc = 1.0;
    simulator.SetFaults(faults);
    driver.Start();
    ASSERT_TRUE(driver.WaitFor(1));
    EXPECT_TRUE(driver.Locked([&] { return driver.model.CommError(); }));
    simulator.ClearFaults();
    const int before = driver.Locked([&] { return driver.completed; });
    ASSERT_TRUE(driver.WaitFor(before + 3));
    thread.Stop();
    EXPECT_FALSE(driver.model.CommError());
    EXPECT_EQ(FormatMeasurand(store, kIdxModelName), "ZBDPQV");
}

TEST(BackThread, StopEndsABlockedTcpReceiveAtOnce) {
    SimLink link(SimRow(kKt6Row));
    link.client->timeouts.tcpResponseMs = 5000;  // the real watchdog period
    sim::FaultSettings faults;
    faults.drop = 1.0;
    link.simulator.SetFaults(faults);
    CMeasurandsKT2 store;
    CBackThread thread(*link.client, store);
    int notified = 0;
    struct Counter : CObserver {
        int& n;
        explicit Counter(int& count) : n(count) {}
        void Update(CObservable*) override { ++n; }
    } counter(notified);
    Attach(store, counter);
    thread.Start();
    thread.Post(kCmdInstantaneous);
    // Wait until the request is out and its answer awaited.
    const auto deadline = Clock::now() + 2s;
    while (link.proxy.Requests().empty() && Clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    std::this_thread::sleep_for(50ms);
    const auto start = Clock::now();
    thread.Stop();
    EXPECT_LT(Clock::now() - start, 1s);
    EXPECT_EQ(notified, 0);  // no notification once stopped
    EXPECT_FALSE(link.client->IsOpen());
    store.Detach(counter);
}

TEST(BackThread, StopDropsTheCommandsStillQueued) {
    SimLink link(SimRow(kKt6Row));
    link.client->timeouts.tcpResponseMs = 5000;
    link.client->timeouts.connectMs = 5000;
    sim::FaultSettings faults;
    faults.drop = 1.0;
    link.simulator.SetFaults(faults);
    CMeasurandsKT2 store;
    CBackThread thread(*link.client, store);
    thread.Start();
    // Several commands queued: Stop must not run the rest.
    for (int i = 0; i < 5; ++i)
        thread.Post(kCmdIdentity);
    std::this_thread::sleep_for(30ms);
    const auto start = Clock::now();
    thread.Stop();
    EXPECT_LT(Clock::now() - start, 1s);
    EXPECT_LE(link.proxy.Requests().size(), 2u);
}

TEST(BackThread, ClearingRunningStopsAMultiBlockCommandBeforeItsNextBlock) {
    SimLink link(SimRow(kKt6Row));
    sim::FaultSettings faults;
    faults.delayMs = 40;
    link.simulator.SetFaults(faults);
    CMeasurandsKT2 store;
    CBackThread thread(*link.client, store);
    thread.Start();
    thread.Post(kCmdInstantaneous);  // twelve blocks
    std::this_thread::sleep_for(100ms);
    thread.running = false;
    std::this_thread::sleep_for(150ms);
    const std::size_t requests = link.proxy.Requests().size();
    thread.Stop();
    EXPECT_GE(requests, 1u);
    EXPECT_LT(requests, 12u);
    EXPECT_EQ(link.proxy.Requests().size(), requests);
}

TEST(BackThread, VanishedSerialPortGivesTheErrorWithoutSpinning) {
    sim::SimulatorOptions options = SimRow(kZb1Row);
    auto simulator = std::make_unique<sim::Simulator>(options);
    CComSettings settings;
    simulator->StartPty();
    // The published name, not the terminal's own: once the simulator is gone another
    // program (a parallel test) may get a pseudo-terminal of the same number, which
    // would then answer or time out instead of being missing.
    settings.comPortName = simulator->LinkPath();
    settings.comPortDisplayName = "simulator";
    settings.parity = 0;  // a pseudo-terminal keeps no parity setting
    CModbusInterface client(settings);
    client.timeouts.serialScale = 0.05;
    CMeasurandsKT2 store;
    CBackThread thread(client, store);
    thread.failurePauseMs = 100;
    CycleDriver driver(thread, store, 100000);
    driver.Start();
    ASSERT_TRUE(driver.WaitFor(3));
    simulator.reset();  // the adapter is pulled out: the port disappears
    ASSERT_TRUE(driver.WaitFor(driver.Locked([&] { return driver.completed; }) + 2));
    const int before = driver.Locked([&] { return driver.completed; });
    std::this_thread::sleep_for(1s);
    const int after = driver.Locked([&] { return driver.completed; });
    EXPECT_TRUE(driver.Locked([&] { return driver.model.CommError(); }));
    // Each failed command waits its pause: about ten retries a second, not thousands.
    EXPECT_GE(after - before, 2);
    EXPECT_LE(after - before, 12);
    const auto start = Clock::now();
    thread.Stop();
    EXPECT_LT(Clock::now() - start, 1s);
}

}  // namespace
}  // namespace voltaro
