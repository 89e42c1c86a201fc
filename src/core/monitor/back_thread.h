#pragma once
// The meter monitor's worker thread. The window posts one numbered command at a time
// (monitor_registers.h); the thread takes the client's lock, opens the link, runs the
// command into the window's store, records whether it failed, notifies the store's
// observers (while running) and closes the link. Stop ends it at once, also while a
// receive or a connect is blocked.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "core/model/device_type.h"
#include "core/monitor/measurand_store.h"

namespace voltaro {

class CModbusInterface;

class CBackThread {
  public:
    // The client and the store belong to the window and outlive the thread.
    CBackThread(CModbusInterface& client, CMeasurandsKT2& store);
    // Stops the thread when it still runs.
    ~CBackThread();
    CBackThread(const CBackThread&) = delete;
    CBackThread& operator=(const CBackThread&) = delete;

    // Starts the thread; `running` becomes true.
    void Start();
    // Queues a command (kCmdQuit .. kCmdAnalogOutputs) with its argument.
    void Post(int command, int argument = 0);
    // Clears `running`, abandons the exchange in progress (also a blocked receive or
    // connect, and the pause after a failure), posts kCmdQuit and waits for the thread.
    // Returns at once when the thread is not running.
    void Stop();

    // True from Start until Stop: reads are skipped and no notification is sent once false.
    std::atomic<bool> running{false};
    // The last command ended with a communication error.
    std::atomic<bool> lastFailed{false};
    std::atomic<int> lastCommand{0};
    // 0 or 1: the Channel selector's entry; 1 reads the second input's registers. Takes
    // effect with the next command.
    std::atomic<int> channel{0};
    // A failed command waits this long before it reports, so that a device that fails
    // at once (a serial adapter pulled out) is retried without spinning. Stop ends the
    // wait.
    uint32_t failurePauseMs = 250;

    // The device type that command 1 identified (default until then).
    CDeviceType DeviceType() const;
    // The word-order flag read by command 1.
    bool SwapWords() const;
    // The message of the last command's communication error (empty after a good command,
    // and when the command was abandoned).
    std::string LastError() const;

  private:
    struct Request {
        int command;
        int argument;
    };
    void Run();
    void Execute(const Request& request);
    void PauseAfterFailure();

    CModbusInterface& client_;
    CMeasurandsKT2& store_;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Request> queue_;
    bool stopping_ = false;
    bool ended_ = false;
    CDeviceType deviceType_;
    bool swapWords_ = false;
    std::string lastError_;
};

}  // namespace voltaro
