#pragma once
// Receive watchdog: one thread per open Modbus-TCP connection. Before a blocking receive
// the requester arms a period; when the period runs out before Disarm, the thread
// notifies its observers (the client), which cancel the blocked call. Not a periodic
// timer: it acts only when armed. Arming and disarming cost no wake-up of the thread while
// it already sleeps until an earlier deadline: it wakes at that deadline, finds the period
// over or renewed, and sleeps on, so an answer that arrives in time costs no thread switch.
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
    bool notifying_ = false;  // an expiry notification is under way
    bool quit_ = false;
    uint64_t generation_ = 0;  // incremented by every Arm
    uint64_t expired_ = 0;     // the generation whose period ran out last
    std::chrono::steady_clock::time_point deadline_;
    // What the thread sleeps until (time_point::max() when it waits for an Arm).
    std::chrono::steady_clock::time_point sleepingUntil_ =
        std::chrono::steady_clock::time_point::max();
    uint32_t expiries_ = 0;
    std::thread thread_;
};

}  // namespace voltaro
