#pragma once
// What the Communication window shows: the figures of the newest connection and a log of
// frames with pause, clear, an "errors only" filter and saving to a text file. The window
// polls a few times a second; the clients never wait for it.
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "core/comm/frame_text.h"
#include "core/comm/link_monitor.h"

namespace voltaro {

class CCommunicationViewModel : public IFrameListener {
  public:
    static constexpr std::size_t kMaxFrames = CFrameLog::kDefaultCapacity;

    // Subscribes to monitor: its frame log fills from now on, until this model goes.
    explicit CCommunicationViewModel(CLinkMonitor& monitor = CLinkMonitor::Instance());
    ~CCommunicationViewModel() override;
    CCommunicationViewModel(const CCommunicationViewModel&) = delete;
    CCommunicationViewModel& operator=(const CCommunicationViewModel&) = delete;

    // Takes the frames that arrived since the last poll (none while paused: they wait in
    // the monitor's log and come on resume). Whether any came.
    bool Poll();
    // Lines of the frames the last Poll brought that pass the filter, for appending.
    const std::vector<std::string>& NewLines() const { return newLines_; }
    // Every kept frame that passes the filter, oldest first (after a filter change or a
    // clear, the view is rebuilt from these).
    std::vector<std::string> Lines() const;
    std::size_t ShownCount() const;

    bool Paused() const { return paused_; }
    void SetPaused(bool paused) { paused_ = paused; }
    bool ErrorsOnly() const { return errorsOnly_; }
    void SetErrorsOnly(bool errorsOnly) { errorsOnly_ = errorsOnly; }
    void Clear();

    // Rows of the figures table: the newest connection's title (name, empty value), then
    // its figures; a single "no connection" row before the first connection.
    std::vector<LinkFigure> FigureRows() const;

    // Writes the shown lines to path (replacing it only when the whole text was written).
    // Empty on success, else the message to show.
    std::string Save(const std::string& path) const;

    void OnFrame(const FrameRecord&) override {}

  private:
    bool Shown(const FrameRecord& frame) const;

    CLinkMonitor& monitor_;
    std::deque<FrameRecord> frames_;
    std::vector<std::string> newLines_;
    uint64_t lastSequence_ = 0;
    bool paused_ = false;
    bool errorsOnly_ = false;
};

}  // namespace voltaro
