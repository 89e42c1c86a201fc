#include "core/monitor/back_thread.h"

#include <chrono>

#include "core/comm/modbus_interface.h"
#include "core/monitor/monitor_commands.h"
#include "core/platform/cancelled.h"
#include "core/platform/private_exception.h"
#include "core/platform/trace.h"
#include "core/work/sync_objects.h"

namespace voltaro {
namespace {

// How often Stop repeats its abort while the thread has not ended: an abort that lands
// between two exchanges is cleared by the next one, so it is given again.
constexpr auto kAbortRepeat = std::chrono::milliseconds(10);

}  // namespace

CBackThread::CBackThread(CModbusInterface& client, CMeasurandsKT2& store)
    : client_(client), store_(store) {}

CBackThread::~CBackThread() {
    Stop();
}

void CBackThread::Start() {
    if (thread_.joinable()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = false;
        ended_ = false;
        queue_.clear();
    }
    running = true;
    thread_ = std::thread([this] { Run(); });
}

void CBackThread::Post(int command, int argument) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back({command, argument});
    }
    wake_.notify_all();
}

void CBackThread::Stop() {
    if (!thread_.joinable()) return;
    running = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        queue_.push_back({kCmdQuit, 0});
    }
    wake_.notify_all();
    // A blocked receive or connect ends at the cancel; the wait after a failure at the
    // notification above.
    client_.RequestAbort();
    std::unique_lock<std::mutex> lock(mutex_);
    while (!ended_) {
        if (wake_.wait_for(lock, kAbortRepeat, [this] { return ended_; })) break;
        lock.unlock();
        client_.RequestAbort();
        lock.lock();
    }
    lock.unlock();
    thread_.join();
    client_.abortRequested = false;
}

CDeviceType CBackThread::DeviceType() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return deviceType_;
}

bool CBackThread::SwapWords() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return swapWords_;
}

std::string CBackThread::LastError() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lastError_;
}

void CBackThread::Run() {
    for (;;) {
        Request request{kCmdQuit, 0};
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this] { return !queue_.empty(); });
            request = queue_.front();
            queue_.pop_front();
        }
        lastCommand = request.command;
        if (request.command == kCmdQuit) break;
        Execute(request);
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ended_ = true;
    }
    wake_.notify_all();
}

void CBackThread::Execute(const Request& request) {
    bool failed = false;
    std::string error;
    {
        CAccessRight access(client_);
        if (!access.Locked()) return;
        MonitorCommandState state;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            state.deviceType = deviceType_;
            state.swapWords = swapWords_;
        }
        state.channel = channel.load();
        try {
            if (running) {
                client_.Open();
                ExecuteMonitorCommand(client_, store_, state, request.command, request.argument,
                                      &running);
            }
        } catch (const CPrivateException& e) {
            TraceF("monitor command %d failed: %s\n", request.command, e.Message().c_str());
            failed = true;
            error = e.Message();
        } catch (const CCancelled&) {
            failed = true;
        } catch (const std::exception& e) {
            // Whatever else goes wrong with the link is a failed command, never the end of
            // the thread.
            TraceF("monitor command %d failed: %s\n", request.command, e.what());
            failed = true;
            error = e.what();
        }
        client_.Close();
        std::lock_guard<std::mutex> lock(mutex_);
        deviceType_ = state.deviceType;
        swapWords_ = state.swapWords;
        lastError_ = error;
    }
    // The lock is free during the pause, for the window's own accesses (presets).
    if (failed) PauseAfterFailure();
    lastFailed = failed;
    if (running) store_.NotifyObservers();
}

void CBackThread::PauseAfterFailure() {
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait_for(lock, std::chrono::milliseconds(failurePauseMs), [this] { return stopping_; });
}

}  // namespace voltaro
