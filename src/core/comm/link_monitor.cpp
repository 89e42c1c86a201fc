#include "core/comm/link_monitor.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "core/comm/frame_text.h"
#include "core/platform/trace.h"

namespace voltaro {

bool IsErrorFrame(const FrameRecord& frame) {
    return frame.direction == FrameDirection::Received && frame.outcome != FrameOutcome::Answer;
}

void CFrameLog::Add(FrameRecord frame) {
    if (capacity_ == 0) return;
    if (frames_.size() >= capacity_) frames_.pop_front();
    frames_.push_back(std::move(frame));
}

std::vector<FrameRecord> CFrameLog::After(uint64_t after, std::size_t maxCount) const {
    // Sequences rise along the deque: find the first newer frame by bisection.
    auto first = std::upper_bound(
        frames_.begin(), frames_.end(), after,
        [](uint64_t value, const FrameRecord& frame) { return value < frame.sequence; });
    const auto available = static_cast<std::size_t>(frames_.end() - first);
    const auto take = static_cast<std::ptrdiff_t>(std::min(available, maxCount));
    return {first, first + take};
}

CLinkMonitor& CLinkMonitor::Instance() {
    static CLinkMonitor monitor;
    return monitor;
}

CLinkMonitor::CLinkMonitor() {
    // The debug trace of the environment shows every frame on standard error, in every
    // program, from the first exchange on.
    if (TraceEnabled()) Subscribe(&StandardErrorFramePrinter());
}

std::shared_ptr<CLinkStatistics> CLinkMonitor::Register(std::string label) {
    std::lock_guard<std::mutex> lock(linksMutex_);
    auto statistics = std::make_shared<CLinkStatistics>(nextId_++, std::move(label));
    links_.push_back(statistics);
    if (links_.size() > kKeptLinks) links_.pop_front();
    return statistics;
}

std::vector<LinkSnapshot> CLinkMonitor::Snapshots() const {
    std::vector<std::shared_ptr<CLinkStatistics>> links;
    {
        std::lock_guard<std::mutex> lock(linksMutex_);
        links.assign(links_.begin(), links_.end());
    }
    std::vector<LinkSnapshot> snapshots;
    snapshots.reserve(links.size());
    for (const auto& link : links)
        snapshots.push_back(link->Snapshot());
    return snapshots;
}

void CLinkMonitor::Subscribe(IFrameListener* listener) {
    std::lock_guard<std::mutex> lock(logMutex_);
    listeners_.push_back(listener);
    listening_ = true;
}

void CLinkMonitor::Unsubscribe(IFrameListener* listener) {
    std::lock_guard<std::mutex> lock(logMutex_);
    auto found = std::find(listeners_.begin(), listeners_.end(), listener);
    if (found != listeners_.end()) listeners_.erase(found);
    listening_ = !listeners_.empty();
}

void CLinkMonitor::Publish(FrameRecord frame) {
    if (frame.timeMs == 0)
        frame.timeMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::system_clock::now().time_since_epoch())
                           .count();
    std::lock_guard<std::mutex> lock(logMutex_);
    if (listeners_.empty()) return;
    frame.sequence = ++sequence_;
    for (IFrameListener* listener : listeners_)
        listener->OnFrame(frame);
    log_.Add(std::move(frame));
}

std::vector<FrameRecord> CLinkMonitor::FramesAfter(uint64_t after, std::size_t maxCount) const {
    std::lock_guard<std::mutex> lock(logMutex_);
    return log_.After(after, maxCount);
}

}  // namespace voltaro
