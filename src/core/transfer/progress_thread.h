#pragma once
// The worker thread of one whole-parameter-set transfer. It takes the client's lock,
// opens the link, runs Upload or Download on its own copy of the image, records a
// failure as text, closes the link and reports the end to its observers. Whoever
// watches it (the progress dialog, voltaro-cli, a test) reads the progress on every
// notification and may Cancel at any time.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "core/comm/modbus_interface.h"
#include "core/model/parameter_image.h"
#include "core/transfer/transfers.h"
#include "core/work/observer.h"

namespace voltaro {

class CModbusInterface;

// Longest failure text kept, in characters.
constexpr std::size_t kMaxErrorTextChars = 255;

// A retry of the client in progress: attempt (2 ...) of attempts; attempt 0 when none.
struct RetryState {
    int attempt = 0;
    int attempts = 0;
};

class CProgressThread : public CObservable, public IProgressSink, public IRetryListener {
  public:
    enum Direction { kUpload = 0, kDownload = 1 };

    // image is copied: an upload fills the copy (see Image), a download sends it.
    CProgressThread(CModbusInterface& client, const ParameterImage& image, Direction direction);
    // Waits for the worker to end.
    ~CProgressThread() override;

    // Starts the worker; observers must be attached before.
    void Start();
    // Does the worker's work on the calling thread instead, for a caller that would only
    // wait for the end: no thread is started and nothing is handed over between threads.
    // Observers are told on this thread; Cancel still works from a signal handler or from
    // an observer's Update.
    void RunHere();
    // Waits until the work has ended; false when timeoutMs passed first.
    bool Wait(uint32_t timeoutMs = 0xFFFFFFFFu);

    // The user's Cancel: the transfer stops at its next progress report, a retry loop
    // stops at its next failed attempt, and a blocked receive is cut short.
    void Cancel();

    // A step done: stores the percentage, ends a retry shown so far, and tells the
    // observers, at most once per notifyIntervalMs (the first report and 100 % always): a
    // fast link must not flood the window with updates it cannot show. Returns false once
    // Cancel was asked.
    bool ReportProgress(double percent) override;
    // Shortest time between two progress notifications (set before Start).
    uint32_t notifyIntervalMs = 40;
    // The client tries a failed exchange again: observers are told (see Retry).
    void OnRetry(int attempt, int attempts) override;

    double Progress() const { return progress_.load(); }
    // The retry the client is in since the last progress report (attempt 0: none).
    RetryState Retry() const;
    bool Done() const { return done_.load(); }
    bool CancelRequested() const { return cancelRequested_.load(); }
    Direction GetDirection() const { return direction_; }
    CModbusInterface& Client() const { return client_; }
    // Valid once Done(): the failure text (empty when none) and the transfer's result.
    const std::string& ErrorText() const { return errorText_; }
    bool Completed() const { return completed_; }
    // Valid once Done(): the work ended by the user's Cancel (asked here, or a CCancelled
    // from the client), whatever else happened.
    bool Cancelled() const { return CancelRequested() || cancelled_; }
    // The image (filled by an upload), valid once Done().
    const ParameterImage& Image() const { return image_; }

  private:
    void Body();

    CModbusInterface& client_;
    ParameterImage image_;
    const Direction direction_;
    std::atomic<double> progress_{0.0};
    // attempt in the high 16 bits, attempts in the low: read and written as one.
    std::atomic<uint32_t> retry_{0};
    std::atomic<bool> done_{false};
    std::atomic<bool> cancelRequested_{false};
    // Worker thread only: when the observers last heard of progress (none yet: nullopt).
    std::optional<std::chrono::steady_clock::time_point> lastNotified_;
    std::string errorText_;
    bool completed_ = false;
    bool cancelled_ = false;
    std::mutex mutex_;
    std::condition_variable ended_;
    std::thread thread_;
};

// Runs a transfer to its end on the calling thread (RunHere) and applies the caller's
// rules: cancelled gives false (never an exception); a failure text is thrown as
// CPrivateException; otherwise true (after an upload the filled image is copied into
// image). observer, when given, is attached before the start and may call Cancel from its
// Update.
bool RunUpload(CModbusInterface& client, ParameterImage& image, CObserver* observer = nullptr);
bool RunDownload(CModbusInterface& client, const ParameterImage& image,
                 CObserver* observer = nullptr);
// The same for a thread the caller made (and attached observers to).
bool RunTransfer(CProgressThread& thread, ParameterImage* uploadTarget);

// For a window that watches the thread: StartUpload / StartDownload attach observer and
// start the worker; once it reported Done, FinishTransfer waits for it and applies the
// caller's rules as RunTransfer does.
std::unique_ptr<CProgressThread> StartUpload(CModbusInterface& client, const ParameterImage& image,
                                             CObserver& observer);
std::unique_ptr<CProgressThread> StartDownload(CModbusInterface& client,
                                               const ParameterImage& image, CObserver& observer);
bool FinishTransfer(CProgressThread& thread, ParameterImage* uploadTarget);

}  // namespace voltaro
