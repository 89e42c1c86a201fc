#include "core/comm/timer_thread.h"

#include <chrono>

namespace voltaro {

CTimerThread::CTimerThread() : thread_([this] { Run(); }) {}

CTimerThread::~CTimerThread() {
    Stop();
}

bool CTimerThread::Arm(uint32_t periodMs) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (quit_) return false;
    if (!changed_.wait_for(lock, std::chrono::milliseconds(100), [this] { return !armed_; }))
        return false;
    // A previous period may still be finishing its notification.
    changed_.wait(lock, [this] { return !busy_; });
    armed_ = true;
    deadline_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(periodMs);
    ++generation_;
    busy_ = true;  // the thread clears it when this period is over
    changed_.notify_all();
    return true;
}

void CTimerThread::Disarm() {
    std::unique_lock<std::mutex> lock(mutex_);
    armed_ = false;
    changed_.notify_all();
    changed_.wait(lock, [this] { return !busy_; });
}

void CTimerThread::Stop() {
    {
        std::unique_lock<std::mutex> lock(mutex_);
        armed_ = false;
        quit_ = true;
        changed_.notify_all();
    }
    if (thread_.joinable()) thread_.join();
}

uint32_t CTimerThread::ExpiryCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return expiries_;
}

void CTimerThread::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    uint64_t seen = 0;
    for (;;) {
        changed_.wait(lock, [&] { return quit_ || generation_ != seen; });
        if (quit_) break;
        seen = generation_;
        bool ended = changed_.wait_until(lock, deadline_,
                                         [&] { return quit_ || !armed_ || generation_ != seen; });
        if (!ended) {
            ++expiries_;
            lock.unlock();
            NotifyObservers();
            lock.lock();
        }
        busy_ = false;
        changed_.notify_all();
    }
    busy_ = false;
    changed_.notify_all();
}

}  // namespace voltaro
