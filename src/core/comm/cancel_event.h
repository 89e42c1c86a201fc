#pragma once
// A wake-up that a blocked poll() can wait on beside its own descriptor: Signal from
// any thread makes the descriptor readable until Clear. Used to cancel a blocked
// receive or connect (watchdog expiry, or the user's Cancel).
namespace voltaro {

class CCancelEvent {
  public:
    CCancelEvent();
    ~CCancelEvent();
    CCancelEvent(const CCancelEvent&) = delete;
    CCancelEvent& operator=(const CCancelEvent&) = delete;

    void Signal();
    void Clear();
    bool IsSignalled() const;
    int fd() const { return fd_; }

  private:
    int fd_;
};

// Waits (poll) until fd has `events` ready, the cancel event is signalled or timeoutMs
// passed (-1: no limit). Returns 1 when fd is ready, 0 on time-out, -1 when cancelled,
// -2 on a poll error (errno set). Restarts after signals.
int WaitReady(int fd, short events, const CCancelEvent* cancel, int timeoutMs);

}  // namespace voltaro
