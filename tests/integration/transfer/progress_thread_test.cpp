// The transfer worker thread: results, cancellation, failures and flaky links.
#include "core/transfer/progress_thread.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <chrono>
#include <thread>

#include "core/model/parameter_words.h"
#include "core/model/settings_stocker.h"
#include "core/platform/private_exception.h"
#include "sim_link.h"
#include "support/test_support.h"

namespace voltaro {
namespace {

using test::SimLink;
using test::SimRow;

constexpr int kMeterRow = 4;

// Watches a transfer thread; cancels once the progress reaches cancelAt.
class Watcher : public CObserver {
  public:
    double cancelAt = 1000;
    std::vector<double> seen;
    int doneNotifications = 0;
    void Update(CObservable* source) override {
        auto* thread = static_cast<CProgressThread*>(source);
        if (thread->Done()) {
            ++doneNotifications;
            return;
        }
        seen.push_back(thread->Progress());
        if (thread->Progress() >= cancelAt) thread->Cancel();
    }
};

TEST(ProgressThread, UploadHandsOverTheFilledImage) {
    SimLink link(SimRow(kMeterRow));
    link.simulator.SetRegisters(5200, {7, 8, 9, 10});
    ParameterImage image;
    Watcher watcher;
    ASSERT_TRUE(RunUpload(*link.client, image, &watcher));
    EXPECT_EQ(image.deviceType.typeIndex, kMeterRow);
    EXPECT_EQ(image.words[kWordDisplayOperationMode], 7);
    EXPECT_EQ(image.words[kWordEnergyDisplayUnit], 10);
    EXPECT_EQ(watcher.doneNotifications, 1);
    ASSERT_FALSE(watcher.seen.empty());
    EXPECT_EQ(watcher.seen.back(), 100.0);
    EXPECT_FALSE(link.client->IsOpen());
}

TEST(ProgressThread, CancelReturnsFalseWithoutMessageAndKeepsTheImage) {
    SimLink link(SimRow(kMeterRow));
    ParameterImage image;
    image.words[kWordDisplayOperationMode] = 4242;
    Watcher watcher;
    watcher.cancelAt = 0;  // at the first notification
    EXPECT_FALSE(RunUpload(*link.client, image, &watcher));
    EXPECT_EQ(image.words[kWordDisplayOperationMode], 4242);
    EXPECT_LT(watcher.seen.back(), 100.0);
    EXPECT_FALSE(link.client->IsOpen());
}

TEST(ProgressThread, ProgressNotificationsAreCoalescedButTheFirstAndTheLastAlwaysCome) {
    SimLink link(SimRow(kMeterRow));
    ParameterImage image;
    Watcher watcher;
    {
        CProgressThread thread(*link.client, image, CProgressThread::kUpload);
        Attach(thread, watcher);
        thread.notifyIntervalMs = 60000;
        for (int percent = 1; percent <= 100; ++percent)
            EXPECT_TRUE(thread.ReportProgress(percent));
        EXPECT_EQ(thread.Progress(), 100.0);  // stored even when not told
        EXPECT_EQ(watcher.seen, (std::vector<double>{1.0, 100.0}));
        thread.Cancel();
        EXPECT_FALSE(thread.ReportProgress(100.0));  // a Cancel is seen at every report
        thread.Detach(watcher);
    }
    // Without an interval every report is told; a whole upload then tells every block.
    watcher.seen.clear();
    CProgressThread thread(*link.client, image, CProgressThread::kUpload);
    Attach(thread, watcher);
    thread.notifyIntervalMs = 0;
    EXPECT_TRUE(RunTransfer(thread, &image));
    EXPECT_GT(watcher.seen.size(), 20u);
    EXPECT_TRUE(std::is_sorted(watcher.seen.begin(), watcher.seen.end()));
    EXPECT_EQ(watcher.doneNotifications, 1);
}

TEST(ProgressThread, CancelCutsABlockedReceiveShort) {
    sim::SimulatorOptions options = SimRow(kMeterRow);
    options.faults.delayMs = 3000;
    SimLink link(options);
    link.client->timeouts.tcpResponseMs = 10000;
    ParameterImage image;
    CProgressThread thread(*link.client, image, CProgressThread::kUpload);
    auto start = std::chrono::steady_clock::now();
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        thread.Cancel();
    });
    EXPECT_FALSE(RunTransfer(thread, &image));
    canceller.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2500));
    EXPECT_TRUE(thread.Cancelled());
    // The receive that the Cancel cut short is recorded as no failure.
    EXPECT_EQ(thread.ErrorText(), "");
}

TEST(ProgressThread, FlakyLinkRecoversByRetries) {
    sim::SimulatorOptions options = SimRow(kMeterRow);
    options.faults.drop = 0.15;
    options.seed = 7;
    SimLink link(options);
    link.client->timeouts.tcpResponseMs = 100;
    link.simulator.SetRegisters(7552, {1234});
    ParameterImage image;
    ASSERT_TRUE(RunUpload(*link.client, image));
    EXPECT_EQ(image.words[kWordClearAlarmShortcut], 1234);
    EXPECT_GT(link.simulator.Counts().dropped, 0u);
}

TEST(ProgressThread, DeadLinkFailsWithTheWrappedModbusError) {
    sim::SimulatorOptions options = SimRow(kMeterRow);
    options.faults.drop = 1.0;
    SimLink link(options);
    link.client->timeouts.tcpResponseMs = 50;
    ParameterImage image;
    image.words[kWordDisplayOperationMode] = 4242;
    try {
        RunUpload(*link.client, image);
        FAIL() << "no exception";
    } catch (const CPrivateException& e) {
        EXPECT_THAT(e.Message(), ::testing::StartsWith("Communication error. Please check"));
        EXPECT_THAT(e.Message(), ::testing::HasSubstr("ReadHoldingRegister"));
        EXPECT_THAT(e.Message(), ::testing::HasSubstr("timeout"));
    }
    EXPECT_EQ(image.words[kWordDisplayOperationMode], 4242);
}

// Records the retries a transfer thread reports while the client tries a silent device.
class RetryWatcher : public CObserver {
  public:
    std::vector<std::pair<int, int>> retries;
    void Update(CObservable* source) override {
        auto* thread = static_cast<CProgressThread*>(source);
        const RetryState retry = thread->Retry();
        if (!thread->Done() && retry.attempt > 0)
            retries.emplace_back(retry.attempt, retry.attempts);
    }
};

TEST(ProgressThread, RetriesOfASilentDeviceAreReportedAndEndWithTheNextStep) {
    sim::SimulatorOptions options = SimRow(kMeterRow);
    options.faults.drop = 1.0;
    SimLink silent(options);
    silent.client->timeouts.tcpResponseMs = 50;
    ParameterImage image;
    RetryWatcher watcher;
    EXPECT_THROW(RunUpload(*silent.client, image, &watcher), CPrivateException);
    EXPECT_EQ(watcher.retries, (std::vector<std::pair<int, int>>{{2, 3}, {3, 3}}));

    // A device that answers again: the retry shown ends with the next progress report.
    SimLink link(SimRow(kMeterRow));
    CProgressThread thread(*link.client, image, CProgressThread::kUpload);
    thread.OnRetry(2, 3);
    EXPECT_EQ(thread.Retry().attempt, 2);
    EXPECT_EQ(thread.Retry().attempts, 3);
    thread.ReportProgress(10);
    EXPECT_EQ(thread.Retry().attempt, 0);
}

TEST(ProgressThread, DownloadFailingAtTheThirdBlockThrowsTheWrappedMessage) {
    sim::SimulatorOptions options = SimRow(kMeterRow);
    options.faults.exceptions.push_back({4, 5332, 5332});  // third applying block of row 4
    SimLink link(options);
    Watcher watcher;  // the way a progress window runs it
    std::unique_ptr<CProgressThread> thread =
        StartDownload(*link.client, DefaultImageOfRow(kMeterRow), watcher);
    try {
        FinishTransfer(*thread, nullptr);
        FAIL() << "no exception";
    } catch (const CPrivateException& e) {
        EXPECT_THAT(e.Message(), ::testing::HasSubstr("address=5333"));
        EXPECT_THAT(e.Message(), ::testing::HasSubstr("receive exception 4"));
    }
    EXPECT_EQ(watcher.doneNotifications, 1);
    EXPECT_FALSE(thread->CancelRequested());
    // 5200 and 5328 written, then the failing 5332 (with its retries), nothing after it.
    std::vector<int> addresses;
    for (const auto& w : link.proxy.Writes())
        if (addresses.empty() || addresses.back() != w.address) addresses.push_back(w.address);
    EXPECT_EQ(addresses, (std::vector<int>{5200, 5328, 5332}));
}

}  // namespace
}  // namespace voltaro
