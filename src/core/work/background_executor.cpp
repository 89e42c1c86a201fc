#include "core/work/background_executor.h"

#include <exception>

#include "core/platform/cancelled.h"
#include "core/platform/trace.h"

namespace voltaro {

CBackgroundExecutor::CBackgroundExecutor(uint32_t idleWaitMs)
    : idleWaitMs_(idleWaitMs), worker_([this] { Run(); }) {}

CBackgroundExecutor::~CBackgroundExecutor() {
    Shutdown();
    if (worker_.joinable()) worker_.join();
}

bool CBackgroundExecutor::Post(CSimpleFunctor& functor) {
    CAccessRight lock(queueMutex_);
    if (quit_.load()) return false;
    queue_.push_back(&functor);
    queued_.Unlock();
    return true;
}

std::size_t CBackgroundExecutor::QueueLength() const {
    CAccessRight lock(queueMutex_);
    return queue_.size();
}

bool CBackgroundExecutor::WaitUntilIdle(std::chrono::milliseconds timeout) const {
    const auto start = std::chrono::steady_clock::now();
    while (QueueLength() != 0) {
        // Compared in milliseconds: the default timeout (no limit) overflows a finer unit.
        const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        if (waited >= timeout) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void CBackgroundExecutor::Shutdown() {
    {
        CAccessRight lock(queueMutex_);
        if (!quit_.exchange(true)) queued_.Unlock();  // wakes an idle worker at once
    }
    if (std::this_thread::get_id() == worker_.get_id()) return;
    if (worker_.joinable()) worker_.join();
    CAccessRight lock(queueMutex_);
    queue_.clear();
}

void CBackgroundExecutor::Run() {
    while (!quit_.load()) {
        if (!queued_.Lock(idleWaitMs_)) {
            ++idleWakeUps_;
            continue;
        }
        if (quit_.load()) break;
        CSimpleFunctor* functor = nullptr;
        {
            CAccessRight lock(queueMutex_);
            if (queue_.empty()) continue;
            functor = queue_.front();
        }
        try {
            functor->Invoke();
        } catch (const CCancelled&) {
            // Work that the user cancelled simply ends.
        } catch (const std::exception& e) {
            // Posted work is expected to catch its own failures; one that escapes is
            // recorded rather than allowed to end the process.
            Trace(std::string("background executor: uncaught exception: ") + e.what());
        } catch (...) {
            Trace("background executor: uncaught exception");
        }
        CAccessRight lock(queueMutex_);
        if (!queue_.empty()) queue_.pop_front();
    }
}

CBackgroundExecutor& BackgroundExecutor() {
    static CBackgroundExecutor executor;
    return executor;
}

}  // namespace voltaro
