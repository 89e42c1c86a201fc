#pragma once
// Receive watchdog: one thread per open Modbus-TCP connection. Before a blocking receive
// the requester arms a period; when the period runs out before Disarm, the thread
// notifies its observers (the client), which cancel the blocked call. Not a periodic
// timer: it acts only when armed.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "core/work/observer.h"

namespace voltaro {

class CTimerThread : public CObservable {
  public:
    CTimerThread();
    // Stops the thread.
    ~CTimerThread() override;

    // Starts watching a period of periodMs. When another period is still armed (by
    // another thread), waits at most 100 ms for it to end and otherwise returns false
    // without arming. Returns only after the watch has begun.
    bool Arm(uint32_t periodMs);
    // Ends the current period; returns only after the thread has finished with it
    // (including an expiry notification that was under way).
    void Disarm();
    // Ends any period and the thread (joined). Safe to call twice.
    void Stop();

    // Number of periods that ran out (for tests and traces).
    uint32_t ExpiryCount() const;

  private:
    void Run();

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool armed_ = false;
    bool busy_ = false;  // the thread is watching or notifying for a period
    bool quit_ = false;
    uint64_t generation_ = 0;  // incremented by every Arm
    std::chrono::steady_clock::time_point deadline_;
    uint32_t expiries_ = 0;
    std::thread thread_;
};

}  // namespace voltaro
