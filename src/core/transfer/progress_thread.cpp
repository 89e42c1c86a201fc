// Transfer worker thread.
#include "core/transfer/progress_thread.h"

#include <chrono>
#include <exception>

#include "core/comm/modbus_interface.h"
#include "core/platform/cancelled.h"
#include "core/platform/private_exception.h"
#include "core/platform/text_encoding.h"
#include "core/work/sync_objects.h"

namespace voltaro {

CProgressThread::CProgressThread(CModbusInterface& client, const ParameterImage& image,
                                 Direction direction)
    : client_(client), image_(image), direction_(direction) {}

CProgressThread::~CProgressThread() {
    if (thread_.joinable()) thread_.join();
}

void CProgressThread::Start() {
    thread_ = std::thread([this] { Body(); });
}

void CProgressThread::RunHere() {
    Body();
}

void CProgressThread::Body() {
    std::string error;
    bool completed = false;
    bool cancelled = false;
    {
        CAccessRight access(client_);
        client_.SetRetryListener(this);
        try {
            client_.Open();
            if (direction_ == kUpload)
                completed = Upload(image_, client_, *this);
            else
                completed = Download(image_, client_, *this);
        } catch (const CCancelled&) {
            cancelled = true;
        } catch (const CPrivateException& e) {
            error = e.Message();
        } catch (const std::exception& e) {
            error = e.what();
        }
        client_.Close();
        client_.SetRetryListener(nullptr);
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        errorText_ = CutUtf8(error, kMaxErrorTextChars);
        completed_ = completed;
        cancelled_ = cancelled;
        done_ = true;
    }
    ended_.notify_all();
    NotifyObservers();
}

bool CProgressThread::Wait(uint32_t timeoutMs) {
    std::unique_lock<std::mutex> lock(mutex_);
    auto isDone = [this] { return done_.load(); };
    if (timeoutMs == 0xFFFFFFFFu)
        ended_.wait(lock, isDone);
    else if (!ended_.wait_for(lock, std::chrono::milliseconds(timeoutMs), isDone))
        return false;
    lock.unlock();
    // The worker notifies its observers after marking itself done; let it finish.
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
    return true;
}

void CProgressThread::Cancel() {
    cancelRequested_ = true;
    client_.RequestAbort();
}

bool CProgressThread::ReportProgress(double percent) {
    progress_ = percent;
    retry_ = 0;
    const auto now = std::chrono::steady_clock::now();
    if (!lastNotified_ || percent >= 100.0 ||
        now - *lastNotified_ >= std::chrono::milliseconds(notifyIntervalMs)) {
        lastNotified_ = now;
        NotifyObservers();
    }
    return !cancelRequested_.load();
}

void CProgressThread::OnRetry(int attempt, int attempts) {
    retry_ =
        (static_cast<uint32_t>(attempt & 0xFFFF) << 16) | static_cast<uint32_t>(attempts & 0xFFFF);
    NotifyObservers();
}

RetryState CProgressThread::Retry() const {
    const uint32_t packed = retry_.load();
    return {static_cast<int>(packed >> 16), static_cast<int>(packed & 0xFFFF)};
}

bool FinishTransfer(CProgressThread& thread, ParameterImage* uploadTarget) {
    thread.Wait();
    if (thread.Cancelled()) return false;
    if (!thread.ErrorText().empty()) throw CPrivateException(thread.ErrorText());
    if (!thread.Completed()) return false;
    if (uploadTarget) *uploadTarget = thread.Image();
    return true;
}

bool RunTransfer(CProgressThread& thread, ParameterImage* uploadTarget) {
    thread.RunHere();
    return FinishTransfer(thread, uploadTarget);
}

namespace {
std::unique_ptr<CProgressThread> StartThread(CModbusInterface& client, const ParameterImage& image,
                                             CObserver& observer,
                                             CProgressThread::Direction direction) {
    auto thread = std::make_unique<CProgressThread>(client, image, direction);
    Attach(*thread, observer);
    thread->Start();
    return thread;
}
}  // namespace

std::unique_ptr<CProgressThread> StartUpload(CModbusInterface& client, const ParameterImage& image,
                                             CObserver& observer) {
    return StartThread(client, image, observer, CProgressThread::kUpload);
}

std::unique_ptr<CProgressThread> StartDownload(CModbusInterface& client,
                                               const ParameterImage& image, CObserver& observer) {
    return StartThread(client, image, observer, CProgressThread::kDownload);
}

bool RunUpload(CModbusInterface& client, ParameterImage& image, CObserver* observer) {
    CProgressThread thread(client, image, CProgressThread::kUpload);
    if (observer) Attach(thread, *observer);
    return RunTransfer(thread, &image);
}

bool RunDownload(CModbusInterface& client, const ParameterImage& image, CObserver* observer) {
    CProgressThread thread(client, image, CProgressThread::kDownload);
    if (observer) Attach(thread, *observer);
    return RunTransfer(thread, nullptr);
}

}  // namespace voltaro
