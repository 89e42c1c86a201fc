#pragma once
// Ctrl-C (SIGINT) and SIGTERM while voltaro-cli monitors: the first one sets the
// interrupted flag, wakes a wait between passes and abandons the client's exchange in
// flight (a blocked receive or connect ends at once). A second one ends the program
// the default way. The handlers are restored when the watch ends.
#include <signal.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "core/comm/cancel_event.h"

namespace voltaro {
class CModbusInterface;
}

namespace voltaro::cli {

class CInterruptWatch {
  public:
    explicit CInterruptWatch(CModbusInterface& client);
    ~CInterruptWatch();
    CInterruptWatch(const CInterruptWatch&) = delete;
    CInterruptWatch& operator=(const CInterruptWatch&) = delete;

    // Set once a signal arrived; the stop flag of a monitor pass.
    const std::atomic<bool>& Flag() const { return interrupted_; }
    bool Interrupted() const { return interrupted_.load(); }
    // Waits until `until`; false when interrupted (also before the wait).
    bool WaitUntil(std::chrono::steady_clock::time_point until);

  private:
    void Run();

    CModbusInterface& client_;
    CCancelEvent signalled_;  // written by the signal handler
    CCancelEvent quit_;       // ends the watching thread
    std::atomic<bool> interrupted_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
    struct sigaction previousInt_ {};
    struct sigaction previousTerm_ {};
    std::thread thread_;
};

}  // namespace voltaro::cli
