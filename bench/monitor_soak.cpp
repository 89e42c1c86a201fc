// The meter monitor's cycle for the soak: what the monitor window does, without its
// widgets. The window's CBackThread runs the commands; the store's notification wakes the
// main thread (the window's), which hands the result to the cycle's model, formats the
// cells of every part the model says to fill, blinks the status, takes the views in turn
// and posts the next command. Closing the window stops the thread.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>

#include "core/app/meter_monitor_model.h"
#include "core/app/monitor_page_lists.h"
#include "core/comm/modbus_interface.h"
#include "core/monitor/back_thread.h"
#include "core/monitor/measurand_format.h"
#include "core/monitor/monitor_registers.h"
#include "soak_counts.h"

namespace voltaro {
namespace {

// Longer than any command with its retries and the pause after a failure: a thread that
// stays silent this long has hung, which the soak reports.
constexpr auto kCommandLimit = std::chrono::seconds(60);

// Passes per session: 3 .. 7, so that windows open and close at varying points.
constexpr std::size_t kMinPasses = 3;
constexpr std::size_t kPassSpread = 5;

// Counts the store's notifications (one per completed command) for the main thread.
class CCommandDone : public CObserver {
  public:
    ~CCommandDone() override { DetachAll(); }
    void Update(CObservable*) override {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            ++pending_;
        }
        wake_.notify_one();
    }
    bool Wait() {
        std::unique_lock<std::mutex> lock(mutex_);
        if (!wake_.wait_for(lock, kCommandLimit, [this] { return pending_ > 0; })) return false;
        --pending_;
        return true;
    }

  private:
    std::mutex mutex_;
    std::condition_variable wake_;
    int pending_ = 0;
};

std::size_t Cells(const CMeasurandsKT2& store, std::span<const CellBinding> values) {
    std::size_t characters = 0;
    for (const MeasurandCell& cell : MeasurandCellTexts(store, values))
        characters += cell.text.size();
    return characters;
}

// The parts of the window a completed command fills, as texts.
std::size_t Fill(const CycleUpdate& update, const CMeterMonitorModel& model,
                 const CMeasurandsKT2& store) {
    std::size_t characters = model.Status().text.size() + model.LoopTestText().size();
    if (update.fillDeviceInfo) characters += Cells(store, DeviceInfoValues());
    if (update.fillMaxMin) {
        characters += Cells(store, InstantaneousValues(model.TrendTabShown()));
        characters += Cells(store, DemandValues(model.TrendTabShown()));
    }
    if (update.fillEnergy) characters += Cells(store, EnergyValues(model.EnergyTabShown()));
    if (update.fillThd) characters += Cells(store, ThdValues());
    if (update.fillAnalogOutputs) {
        characters += Cells(store, AnalogOutputValues());
        characters += model.FixedAo().text.size();
    }
    return characters;
}

}  // namespace

void MonitorSession(const CComSettings& link, std::size_t turn, MonitorCounts& counts) {
    CModbusInterface client(link);
    client.timeouts.tcpResponseMs = 300;
    client.timeouts.connectMs = 1000;
    CMeasurandsKT2 store;
    CMeterMonitorModel model;
    CCommandDone done;
    Attach(store, done);
    CBackThread thread(client, store);
    ++counts.sessions;

    const std::size_t passes = kMinPasses + turn % kPassSpread;
    bool channels = false;  // the Channel selector is enabled (a 2-input device)
    MonitorRequest request = model.Start();
    thread.Start();
    thread.Post(request.command, request.argument);
    for (std::size_t pass = 0; pass < passes && !soakStopRequested;) {
        if (!done.Wait()) {
            ++counts.stalls;
            ++counts.commands.failures["monitor thread silent for a minute"];
            break;
        }
        const bool failed = thread.lastFailed;
        if (failed) {
            ++counts.commands.failed;
            ++counts.commands.failures["monitor command " + std::to_string(thread.lastCommand)];
        } else {
            ++counts.commands.ok;
        }
        const CycleUpdate update = model.OnCommandDone(failed, thread.DeviceType(), store);
        if (update.handOver) break;
        if (update.channelEnabled) channels = *update.channelEnabled;
        if (update.resetChannel) thread.channel = 0;
        model.OnTimer();
        counts.characters += Fill(update, model, store);
        if (update.next.command == kCmdIdentity) {
            // A pass is over: the user looks at other views, as the window's tabs allow.
            ++pass;
            ++counts.passes;
            const std::size_t look = turn + pass;
            model.SetTrendTab(static_cast<int>(look % kTrendTabCount));
            model.SetEnergyTab(static_cast<int>(look % kEnergyTabCount));
            model.SelectThdRow(static_cast<int>(1 + look % 10));
            if (channels) thread.channel = static_cast<int>(look % 2);
        }
        thread.Post(update.next.command, update.next.argument);
    }
    thread.Stop();
}

}  // namespace voltaro
