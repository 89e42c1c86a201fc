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
    changed_.wait(lock, [this] { return !notifying_; });
    armed_ = true;
    deadline_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(periodMs);
    ++generation_;
    // A thread that sleeps until a later time (or without limit) must look again; one that
    // wakes before the new deadline finds it by itself.
    if (sleepingUntil_ > deadline_) changed_.notify_all();
    return true;
}

void CTimerThread::Disarm() {
    std::unique_lock<std::mutex> lock(mutex_);
    armed_ = false;
    changed_.wait(lock, [this] { return !notifying_; });
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
    using Clock = std::chrono::steady_clock;
    std::unique_lock<std::mutex> lock(mutex_);
    while (!quit_) {
        const bool watching = armed_ && expired_ != generation_;
        if (watching && Clock::now() >= deadline_) {
            expired_ = generation_;
            ++expiries_;
            notifying_ = true;
            lock.unlock();
            NotifyObservers();
            lock.lock();
            notifying_ = false;
            changed_.notify_all();
            continue;
        }
        sleepingUntil_ = watching ? deadline_ : Clock::time_point::max();
        if (watching)
            changed_.wait_until(lock, deadline_);
        else
            changed_.wait(lock);
        sleepingUntil_ = Clock::time_point::max();
    }
    notifying_ = false;
    changed_.notify_all();
}

}  // namespace voltaro
