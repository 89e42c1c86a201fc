#pragma once
// A wake-up that a blocked poll() can wait on beside its own descriptor: Signal from
// any thread makes the descriptor readable until Clear. Used to cancel a blocked
// receive or connect (the user's Cancel). Clear costs no system call while nothing is
// signalled, so that clearing before every exchange is free.
#include <atomic>

namespace voltaro {

class CCancelEvent {
  public:
    CCancelEvent();
    ~CCancelEvent();
    CCancelEvent(const CCancelEvent&) = delete;
    CCancelEvent& operator=(const CCancelEvent&) = delete;

    // Async-signal-safe.
    void Signal();
    void Clear();
    bool IsSignalled() const;
    int fd() const { return fd_; }

  private:
    int fd_;
    // Set after every Signal's write; Clear reads the descriptor only when it is set. A
    // Signal racing with Clear leaves the flag set whenever the descriptor stays readable.
    std::atomic<bool> pending_{false};
};

// Waits (poll) until fd has `events` ready, the cancel event is signalled or timeoutMs
// passed (-1: no limit). Returns 1 when fd is ready, 0 on time-out, -1 when cancelled,
// -2 on a poll error (errno set). Restarts after signals.
int WaitReady(int fd, short events, const CCancelEvent* cancel, int timeoutMs);

}  // namespace voltaro
