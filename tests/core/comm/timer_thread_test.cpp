// The receive watchdog on its own: arming, disarming, expiry and a contested period.
#include "core/comm/timer_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace voltaro {
namespace {

using Clock = std::chrono::steady_clock;

long long MsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

struct Counter : CObserver {
    std::atomic<int> updates{0};
    CObservable* last = nullptr;
    void Update(CObservable* source) override {
        last = source;
        ++updates;
    }
};

TEST(TimerThread, QuickReceiveEndsThePeriodAtOnce) {
    CTimerThread timer;
    Counter counter;
    Attach(timer, counter);
    for (int round = 0; round < 2; ++round) {
        auto start = Clock::now();
        ASSERT_TRUE(timer.Arm(5000));
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        timer.Disarm();
        EXPECT_LT(MsSince(start), 1000);
    }
    EXPECT_EQ(counter.updates, 0);
    EXPECT_EQ(timer.ExpiryCount(), 0u);
}

TEST(TimerThread, ExpiryNotifiesBeforeDisarmReturns) {
    CTimerThread timer;
    Counter counter;
    Attach(timer, counter);
    auto start = Clock::now();
    ASSERT_TRUE(timer.Arm(50));
    while (counter.updates == 0 && MsSince(start) < 2000)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_GE(MsSince(start), 50);
    timer.Disarm();
    EXPECT_EQ(counter.updates, 1);
    EXPECT_EQ(counter.last, &timer);
    timer.Detach(counter);
}

TEST(TimerThread, SecondRequesterGivesUpAfter100Ms) {
    CTimerThread timer;
    ASSERT_TRUE(timer.Arm(5000));
    bool armed = true;
    long long waited = 0;
    std::thread other([&] {
        auto start = Clock::now();
        armed = timer.Arm(5000);
        waited = MsSince(start);
    });
    other.join();
    EXPECT_FALSE(armed);
    EXPECT_GE(waited, 100);
    EXPECT_LT(waited, 1000);
    timer.Disarm();
    EXPECT_TRUE(timer.Arm(10));
    timer.Disarm();
}

TEST(TimerThread, StopEndsAnIdleOrArmedThread) {
    auto start = Clock::now();
    {
        CTimerThread idle;
        idle.Stop();
        CTimerThread armed;
        armed.Arm(60000);
    }  // destructor stops an armed watchdog without waiting for its period
    EXPECT_LT(MsSince(start), 1000);
}

}  // namespace
}  // namespace voltaro
