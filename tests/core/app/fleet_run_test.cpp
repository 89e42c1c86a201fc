// The fleet scheduler with a job runner that records who runs when: one bus is never used
// by two jobs at once, different buses run together, failures stay with their device, and
// a cancel starts nothing new.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "core/app/fleet_run.h"
#include "core/platform/cancelled.h"
#include "core/platform/private_exception.h"

namespace voltaro {
namespace {

using namespace std::chrono_literals;

FleetDevice Tcp(const std::string& name, const std::string& host, int unit) {
    FleetDevice d;
    d.name = name;
    d.settings.mode = ModbusTcp;
    d.settings.serverAddress = host;
    d.settings.address = unit;
    return d;
}

FleetDevice Serial(const std::string& name, const std::string& port, int address) {
    FleetDevice d;
    d.name = name;
    d.settings.mode = ModbusRtu;
    d.settings.comPortName = port;
    d.settings.address = address;
    return d;
}

// gateways x units devices, named "gG-uU".
std::vector<FleetDevice> Fleet(int gateways, int units) {
    std::vector<FleetDevice> devices;
    for (int u = 1; u <= units; ++u)
        for (int g = 0; g < gateways; ++g)
            devices.push_back(Tcp("g" + std::to_string(g) + "-u" + std::to_string(u),
                                  "gw" + std::to_string(g), u));
    return devices;
}

// Records how many jobs run at once, overall and per bus.
class Recorder {
  public:
    FleetJob Job(std::chrono::milliseconds work) {
        return [this, work](const FleetDevice& device) {
            const std::string bus = FleetBusKey(device);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                const int onBus = ++active_[bus];
                maxOnBus_ = std::max(maxOnBus_, onBus);
                maxTotal_ = std::max(maxTotal_, ++total_);
                order_.push_back(device.name);
            }
            std::this_thread::sleep_for(work);
            std::lock_guard<std::mutex> lock(mutex_);
            --active_[bus];
            --total_;
            return FleetJobResult{FleetOutcome::kOk, "done " + device.name};
        };
    }
    int MaxOnBus() const { return maxOnBus_; }
    int MaxTotal() const { return maxTotal_; }
    const std::vector<std::string>& Order() const { return order_; }

  private:
    std::mutex mutex_;
    std::map<std::string, int> active_;
    int total_ = 0;
    int maxOnBus_ = 0;
    int maxTotal_ = 0;
    std::vector<std::string> order_;
};

TEST(FleetRun, OneBusAtATimeAndBusesInParallelUpToTheBound) {
    // 5 gateways of 4 devices plus two serial ports of 2: 24 devices on 7 buses.
    std::vector<FleetDevice> devices = Fleet(5, 4);
    for (int a = 1; a <= 2; ++a) {
        devices.push_back(Serial("s0-" + std::to_string(a), "/dev/ttyS0", a));
        devices.push_back(Serial("s1-" + std::to_string(a), "/dev/ttyS1", a));
    }
    Recorder recorder;
    FleetRunOptions options;
    options.jobs = 4;
    const auto results = RunFleet(devices, recorder.Job(15ms), options);
    EXPECT_EQ(recorder.MaxOnBus(), 1);
    EXPECT_LE(recorder.MaxTotal(), 4);
    ASSERT_EQ(results.size(), devices.size());
    for (std::size_t i = 0; i < devices.size(); ++i) {
        EXPECT_EQ(results[i].device, devices[i].name);  // in the file's order
        EXPECT_EQ(results[i].outcome, FleetOutcome::kOk);
        EXPECT_EQ(results[i].message, "done " + devices[i].name);
        EXPECT_GE(results[i].seconds, 0.010);
    }
}

TEST(FleetRun, DevicesOfOneBusKeepTheirOrderAndLongChainsStartFirst) {
    std::vector<FleetDevice> devices{Tcp("lonely", "gwB", 1), Tcp("a1", "gwA", 1),
                                     Tcp("a2", "gwA", 2), Tcp("a3", "gwA", 3)};
    const auto buses = FleetBuses(devices);
    ASSERT_EQ(buses.size(), 2u);
    EXPECT_EQ(buses[0], (std::vector<std::size_t>{1, 2, 3}));
    EXPECT_EQ(buses[1], (std::vector<std::size_t>{0}));
    Recorder recorder;
    FleetRunOptions options;
    options.jobs = 1;
    RunFleet(devices, recorder.Job(1ms), options);
    EXPECT_EQ(recorder.Order(), (std::vector<std::string>{"a1", "a2", "a3", "lonely"}));
}

TEST(FleetRun, EveryBusRunsAtOnceWhenTheBoundAllows) {
    // Each job waits until all eight gateways are busy: a scheduler that kept them apart
    // would let the wait run out with fewer at once.
    const std::vector<FleetDevice> devices = Fleet(8, 2);
    std::mutex mutex;
    std::condition_variable changed;
    int active = 0;
    int most = 0;
    const FleetJob job = [&](const FleetDevice&) {
        std::unique_lock<std::mutex> lock(mutex);
        most = std::max(most, ++active);
        changed.notify_all();
        changed.wait_for(lock, 5s, [&] { return most == 8; });
        --active;
        return FleetJobResult{};
    };
    FleetRunOptions options;
    options.jobs = 8;
    const auto results = RunFleet(devices, job, options);
    EXPECT_EQ(most, 8);
    for (const FleetResult& r : results)
        EXPECT_EQ(r.outcome, FleetOutcome::kOk);
}

TEST(FleetRun, AFailingDeviceDoesNotStopTheOthers) {
    const std::vector<FleetDevice> devices = Fleet(2, 3);
    const FleetJob job = [](const FleetDevice& device) -> FleetJobResult {
        if (device.name == "g0-u1") throw CPrivateException("no answer");
        if (device.name == "g1-u2") throw std::runtime_error("bad file");
        if (device.name == "g0-u2") throw CCancelled();
        if (device.name == "g1-u3") return {FleetOutcome::kDiffers, "2 differ"};
        return {FleetOutcome::kOk, {}};
    };
    std::vector<std::size_t> told;
    FleetRunOptions options;
    options.onResult = [&](std::size_t index, const FleetResult&) { told.push_back(index); };
    const auto results = RunFleet(devices, job, options);
    std::map<std::string, FleetResult> byName;
    for (const FleetResult& r : results)
        byName[r.device] = r;
    EXPECT_EQ(byName["g0-u1"].outcome, FleetOutcome::kFailed);
    EXPECT_EQ(byName["g0-u1"].message, "no answer");
    EXPECT_EQ(byName["g1-u2"].outcome, FleetOutcome::kFailed);
    EXPECT_EQ(byName["g1-u2"].message, "bad file");
    EXPECT_EQ(byName["g0-u2"].outcome, FleetOutcome::kCancelled);
    EXPECT_EQ(byName["g1-u3"].outcome, FleetOutcome::kDiffers);
    // The devices after a failure on the same bus still ran.
    EXPECT_EQ(byName["g0-u3"].outcome, FleetOutcome::kOk);
    EXPECT_EQ(byName["g1-u1"].outcome, FleetOutcome::kOk);
    EXPECT_EQ(told.size(), devices.size());
}

TEST(FleetRun, CancelLetsRunningJobsFinishAndStartsNothingNew) {
    const std::vector<FleetDevice> devices = Fleet(2, 3);
    std::atomic<bool> cancel{false};
    std::mutex mutex;
    std::condition_variable changed;
    int started = 0;
    bool release = false;
    const FleetJob job = [&](const FleetDevice&) {
        std::unique_lock<std::mutex> lock(mutex);
        ++started;
        changed.notify_all();
        changed.wait(lock, [&] { return release; });
        return FleetJobResult{FleetOutcome::kOk, "finished"};
    };
    FleetRunOptions options;
    options.jobs = 2;
    options.cancel = &cancel;
    std::vector<FleetResult> results;
    std::thread run([&] { results = RunFleet(devices, job, options); });
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [&] { return started == 2; });  // one job on each gateway
        cancel = true;
        release = true;
        changed.notify_all();
    }
    run.join();
    EXPECT_EQ(started, 2);
    int finished = 0;
    int notStarted = 0;
    for (const FleetResult& r : results) {
        if (r.outcome == FleetOutcome::kOk) {
            EXPECT_EQ(r.message, "finished");
            ++finished;
        }
        if (r.outcome == FleetOutcome::kNotStarted) ++notStarted;
    }
    EXPECT_EQ(finished, 2);
    EXPECT_EQ(notStarted, 4);
}

}  // namespace
}  // namespace voltaro
