#pragma once
// The one place where the figures and the frames of every Modbus connection of the process
// meet. Clients register their statistics here and publish frames; the desktop program and
// voltaro-cli take snapshots and subscribe. The frame log is filled only while someone
// listens: without a listener a client pays one atomic load per frame.
#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/comm/link_statistics.h"

namespace voltaro {

enum class FrameDirection : uint8_t { Sent, Received };

struct FrameRecord {
    uint64_t sequence = 0;  // 1, 2, ... over the process
    int64_t timeMs = 0;     // wall clock, milliseconds since the epoch
    int link = 0;           // LinkSnapshot::id
    FrameDirection direction = FrameDirection::Sent;
    std::vector<uint8_t> bytes;  // as on the wire (empty when nothing arrived)
    uint8_t function = 0;
    int address = 0;  // first register, 0-based
    int count = 0;
    std::vector<uint16_t> values;  // written, or read by a valid answer
    FrameOutcome outcome = FrameOutcome::Answer;
    int code = 0;         // exception code, or the unit / function a wrong answer carried
    uint32_t micros = 0;  // answer time of a received frame
};

bool IsErrorFrame(const FrameRecord& frame);

// Told of every frame on the publishing client's thread: keep it short and never wait
// for a user interface.
class IFrameListener {
  public:
    virtual ~IFrameListener() = default;
    virtual void OnFrame(const FrameRecord& frame) = 0;
};

// The last `capacity` frames, oldest first.
class CFrameLog {
  public:
    static constexpr std::size_t kDefaultCapacity = 10000;
    explicit CFrameLog(std::size_t capacity = kDefaultCapacity) : capacity_(capacity) {}
    void Add(FrameRecord frame);
    // Frames with a sequence above `after`, oldest first, at most maxCount (the oldest).
    std::vector<FrameRecord> After(uint64_t after, std::size_t maxCount) const;
    std::size_t Size() const { return frames_.size(); }
    std::size_t Capacity() const { return capacity_; }

  private:
    std::size_t capacity_;
    std::deque<FrameRecord> frames_;
};

class CLinkMonitor {
  public:
    static constexpr std::size_t kKeptLinks = 16;  // ended connections kept for their figures

    static CLinkMonitor& Instance();
    CLinkMonitor();

    // A new connection's statistics, kept (also after the client is gone) until
    // kKeptLinks newer ones exist.
    std::shared_ptr<CLinkStatistics> Register(std::string label);
    // Every kept connection, oldest first.
    std::vector<LinkSnapshot> Snapshots() const;

    // Listeners get every frame from now on; the log fills while at least one listens.
    void Subscribe(IFrameListener* listener);
    void Unsubscribe(IFrameListener* listener);
    bool Listening() const { return listening_.load(std::memory_order_relaxed); }
    // Stamps sequence and (when 0) the time, keeps the frame and tells the listeners.
    void Publish(FrameRecord frame);
    std::vector<FrameRecord> FramesAfter(uint64_t after, std::size_t maxCount) const;

  private:
    mutable std::mutex linksMutex_;
    std::deque<std::shared_ptr<CLinkStatistics>> links_;
    int nextId_ = 1;

    std::atomic<bool> listening_{false};
    mutable std::mutex logMutex_;  // guards log_, sequence_ and listeners_
    CFrameLog log_;
    uint64_t sequence_ = 0;
    std::vector<IFrameListener*> listeners_;
};

// Subscribes a listener for its lifetime.
class CFrameSubscription {
  public:
    explicit CFrameSubscription(IFrameListener* listener,
                                CLinkMonitor& monitor = CLinkMonitor::Instance())
        : monitor_(monitor), listener_(listener) {
        monitor_.Subscribe(listener_);
    }
    ~CFrameSubscription() { monitor_.Unsubscribe(listener_); }
    CFrameSubscription(const CFrameSubscription&) = delete;
    CFrameSubscription& operator=(const CFrameSubscription&) = delete;

  private:
    CLinkMonitor& monitor_;
    IFrameListener* listener_;
};

}  // namespace voltaro
