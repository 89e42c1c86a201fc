#pragma once
// The background executor: one worker thread that runs posted functors one after
// another, in posting order. The process-wide instance (BackgroundExecutor()) starts on
// first use and stops at program exit; separate instances serve tests.
//
// The worker waits on a semaphore counting the queued functors for up to the idle wait
// (1000 ms), then invokes the front functor and only then removes it, so QueueLength
// counts the running functor too. A functor's observers are notified on the worker
// thread; re-posting the functor from that notification gives a polling loop.
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <thread>

#include "core/work/simple_functor.h"
#include "core/work/sync_objects.h"

namespace voltaro {

class CBackgroundExecutor {
  public:
    static constexpr uint32_t kIdleWaitMs = 1000;

    explicit CBackgroundExecutor(uint32_t idleWaitMs = kIdleWaitMs);
    // Shuts down.
    ~CBackgroundExecutor();
    CBackgroundExecutor(const CBackgroundExecutor&) = delete;
    CBackgroundExecutor& operator=(const CBackgroundExecutor&) = delete;

    // Appends functor (not owned: it must stay alive until it has run). Returns false,
    // without queueing, once the executor has been shut down.
    bool Post(CSimpleFunctor& functor);
    // Number of queued functors plus the one running.
    std::size_t QueueLength() const;
    // Waits, in 1 ms sleeps, until nothing is queued or running; false on timeout.
    bool WaitUntilIdle(std::chrono::milliseconds timeout = std::chrono::milliseconds::max()) const;
    // Lets the running functor finish, drops the queued ones and ends the worker.
    // Called from a functor on the worker itself it only asks the worker to end.
    void Shutdown();
    bool IsRunning() const { return !quit_.load(); }
    // Number of idle waits that ended without work (for observing the worker's idling).
    std::size_t IdleWakeUps() const { return idleWakeUps_.load(); }

  private:
    void Run();

    const uint32_t idleWaitMs_;
    mutable CMutexObject queueMutex_;
    CSemaphoreObject queued_;
    std::deque<CSimpleFunctor*> queue_;
    std::atomic<bool> quit_{false};
    std::atomic<std::size_t> idleWakeUps_{0};
    std::thread worker_;  // last: starts after every other member exists
};

// The process-wide executor, started on first use and shut down at exit.
CBackgroundExecutor& BackgroundExecutor();

}  // namespace voltaro
