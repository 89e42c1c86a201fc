#include "core/work/background_executor.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

namespace voltaro {
namespace {

using namespace std::chrono_literals;

// Records events from any thread.
class EventLog {
  public:
    void Add(std::string event) {
        std::lock_guard<std::mutex> lock(mutex_);
        events_.push_back(std::move(event));
    }
    std::vector<std::string> Events() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return events_;
    }

  private:
    mutable std::mutex mutex_;
    std::vector<std::string> events_;
};

class CallbackObserver : public CObserver {
  public:
    explicit CallbackObserver(std::function<void(CObservable*)> onUpdate)
        : onUpdate_(std::move(onUpdate)) {}
    void Update(CObservable* source) override { onUpdate_(source); }

  private:
    std::function<void(CObservable*)> onUpdate_;
};

class Dialog {
  public:
    void Read() { ++reads; }
    int reads = 0;
};

TEST(SimpleFunctor, CallsItsTargetThenNotifiesAndSharesTheTarget) {
    Dialog dialog;
    CSimpleFunctor functor(&dialog, &Dialog::Read);
    CObservable* notified = nullptr;
    int readsAtNotification = -1;
    CallbackObserver observer([&](CObservable* source) {
        notified = source;
        readsAtNotification = dialog.reads;
    });
    Attach(functor, observer);
    functor.Invoke();
    EXPECT_EQ(dialog.reads, 1);
    EXPECT_EQ(readsAtNotification, 1);
    EXPECT_EQ(notified, &functor);

    {
        CSimpleFunctor copy(functor);
        EXPECT_EQ(functor.TargetUseCount(), 2);
        EXPECT_EQ(copy.ObserverCount(), 0u);  // observers are not copied
        copy.Invoke();
        EXPECT_EQ(dialog.reads, 2);
    }
    EXPECT_EQ(functor.TargetUseCount(), 1);

    int calls = 0;
    CSimpleFunctor lambda([&calls] { ++calls; });
    lambda.Invoke();
    EXPECT_EQ(calls, 1);
}

TEST(BackgroundExecutor, RunsInPostingOrderEachAfterThePreviousObservers) {
    CBackgroundExecutor executor(20);
    EventLog log;
    std::thread::id worker;
    CSimpleFunctor f1([&] {
        log.Add("run 1");
        worker = std::this_thread::get_id();
    });
    CSimpleFunctor f2([&] { log.Add("run 2"); });
    CSimpleFunctor f3([&] { log.Add("run 3"); });
    CallbackObserver o1([&](CObservable*) {
        std::this_thread::sleep_for(20ms);
        log.Add("done 1");
    });
    CallbackObserver o2([&](CObservable*) { log.Add("done 2"); });
    CallbackObserver o3([&](CObservable*) {
        log.Add("done 3");
        EXPECT_EQ(std::this_thread::get_id(), worker);
    });
    Attach(f1, o1);
    Attach(f2, o2);
    Attach(f3, o3);
    ASSERT_TRUE(executor.Post(f1));
    ASSERT_TRUE(executor.Post(f2));
    ASSERT_TRUE(executor.Post(f3));
    ASSERT_TRUE(executor.WaitUntilIdle(5s));
    EXPECT_EQ(log.Events(),
              (std::vector<std::string>{"run 1", "done 1", "run 2", "done 2", "run 3", "done 3"}));
    EXPECT_NE(worker, std::this_thread::get_id());
}

TEST(BackgroundExecutor, QueueLengthCountsTheRunningFunctor) {
    CBackgroundExecutor executor(20);
    std::binary_semaphore started(0), release(0);
    CSimpleFunctor blocker([&] {
        started.release();
        release.acquire();
    });
    CSimpleFunctor other([] {});
    executor.Post(blocker);
    executor.Post(other);
    started.acquire();
    EXPECT_EQ(executor.QueueLength(), 2u);
    EXPECT_FALSE(executor.WaitUntilIdle(5ms));
    release.release();
    EXPECT_TRUE(executor.WaitUntilIdle(5s));
    EXPECT_EQ(executor.QueueLength(), 0u);
}

TEST(BackgroundExecutor, WaitingWithoutLimitWaitsForTheRunningFunctor) {
    CBackgroundExecutor executor(20);
    std::binary_semaphore started(0);
    std::atomic<bool> finished{false};
    CSimpleFunctor slow([&] {
        started.release();
        std::this_thread::sleep_for(50ms);
        finished = true;
    });
    executor.Post(slow);
    started.acquire();
    EXPECT_TRUE(executor.WaitUntilIdle());
    EXPECT_TRUE(finished.load());
}

TEST(BackgroundExecutor, RepostingFromTheNotificationPollsUntilStopped) {
    CBackgroundExecutor executor(20);
    int reads = 0;
    CSimpleFunctor poll([&] { ++reads; });
    CallbackObserver again([&](CObservable* source) {
        if (reads < 5) executor.Post(*static_cast<CSimpleFunctor*>(source));
    });
    Attach(poll, again);
    executor.Post(poll);
    ASSERT_TRUE(executor.WaitUntilIdle(5s));
    EXPECT_EQ(reads, 5);
}

TEST(BackgroundExecutor, ShutdownFinishesTheRunningFunctorAndDropsTheRest) {
    CBackgroundExecutor executor(20);
    std::binary_semaphore started(0), release(0);
    bool firstFinished = false;
    int othersRun = 0;
    CSimpleFunctor first([&] {
        started.release();
        release.acquire();
        firstFinished = true;
    });
    CSimpleFunctor second([&] { ++othersRun; });
    CSimpleFunctor third([&] { ++othersRun; });
    executor.Post(first);
    executor.Post(second);
    executor.Post(third);
    started.acquire();
    std::thread stopper([&] { executor.Shutdown(); });
    std::this_thread::sleep_for(20ms);
    release.release();
    stopper.join();
    EXPECT_TRUE(firstFinished);
    EXPECT_EQ(othersRun, 0);
    EXPECT_FALSE(executor.IsRunning());
    EXPECT_EQ(executor.QueueLength(), 0u);
    EXPECT_FALSE(executor.Post(second));  // nothing is queued after shutdown
    EXPECT_EQ(executor.QueueLength(), 0u);
}

TEST(BackgroundExecutor, IdleWorkerKeepsWakingAndStillReactsToWorkAndShutdown) {
    CBackgroundExecutor executor(10);
    while (executor.IdleWakeUps() < 3)
        std::this_thread::sleep_for(5ms);
    int runs = 0;
    CSimpleFunctor work([&] { ++runs; });
    executor.Post(work);
    ASSERT_TRUE(executor.WaitUntilIdle(5s));
    EXPECT_EQ(runs, 1);
    const auto start = std::chrono::steady_clock::now();
    executor.Shutdown();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
    EXPECT_FALSE(executor.IsRunning());
}

TEST(BackgroundExecutor, AnEscapingExceptionDoesNotStopTheWorker) {
    CBackgroundExecutor executor(20);
    int runs = 0;
    CSimpleFunctor failing([] { throw std::runtime_error("device gone"); });
    CSimpleFunctor next([&] { ++runs; });
    executor.Post(failing);
    executor.Post(next);
    ASSERT_TRUE(executor.WaitUntilIdle(5s));
    EXPECT_EQ(runs, 1);
}

TEST(BackgroundExecutor, ProcessWideInstanceRunsWork) {
    std::binary_semaphore done(0);
    CSimpleFunctor work([&] { done.release(); });
    ASSERT_TRUE(BackgroundExecutor().Post(work));
    EXPECT_TRUE(done.try_acquire_for(5s));
    EXPECT_TRUE(BackgroundExecutor().WaitUntilIdle(5s));
}

}  // namespace
}  // namespace voltaro

namespace voltaro {
namespace {

// The process-wide executor is stopped by the static destructors at exit: the running
// functor finishes, the queued one is dropped, and the process ends normally.
TEST(BackgroundExecutorDeathTest, ProgramExitWithWorkQueuedEndsCleanly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            static std::binary_semaphore started(0);
            static CSimpleFunctor slow([] {
                started.release();
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                std::fputs("slow finished\n", stderr);
            });
            static CSimpleFunctor dropped([] { std::fputs("dropped ran\n", stderr); });
            BackgroundExecutor().Post(slow);
            BackgroundExecutor().Post(dropped);
            started.acquire();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "^slow finished\n$");
}

}  // namespace
}  // namespace voltaro
