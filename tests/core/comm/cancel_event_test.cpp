// The cancel event: what a blocked poll waits on beside its descriptor.
#include "core/comm/cancel_event.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace voltaro {
namespace {

TEST(CancelEvent, SignalStaysUntilClearAndClearOfNothingIsHarmless) {
    CCancelEvent event;
    event.Clear();
    EXPECT_FALSE(event.IsSignalled());
    event.Signal();
    event.Signal();
    EXPECT_TRUE(event.IsSignalled());
    EXPECT_TRUE(event.IsSignalled());  // looking does not consume it
    event.Clear();                     // one Clear ends any number of Signals
    EXPECT_FALSE(event.IsSignalled());
    event.Signal();
    EXPECT_TRUE(event.IsSignalled());
}

TEST(CancelEvent, EndsAWaitFromAnotherThreadAndTheWaitTimesOutWithoutIt) {
    int pair[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    CCancelEvent event;
    EXPECT_EQ(WaitReady(pair[0], POLLIN, &event, 20), 0);
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        event.Signal();
    });
    EXPECT_EQ(WaitReady(pair[0], POLLIN, &event, -1), -1);
    canceller.join();
    event.Clear();
    ASSERT_EQ(::write(pair[1], "x", 1), 1);
    EXPECT_EQ(WaitReady(pair[0], POLLIN, &event, -1), 1);
    ::close(pair[0]);
    ::close(pair[1]);
}

TEST(CancelEvent, ClearRacingWithSignalsNeverLeavesAStaleSignalBehind) {
    // Clear skips its read while it believes nothing is signalled; a Signal that lands in
    // the middle of a Clear must not leave the descriptor readable with that belief.
    CCancelEvent event;
    std::atomic<bool> done{false};
    std::thread signaller([&] {
        for (int i = 0; i < 20000; ++i)
            event.Signal();
        done = true;
    });
    while (!done)
        event.Clear();
    signaller.join();
    event.Clear();
    EXPECT_FALSE(event.IsSignalled());
}

}  // namespace
}  // namespace voltaro
