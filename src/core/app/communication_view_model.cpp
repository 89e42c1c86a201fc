#include "core/app/communication_view_model.h"

#include <algorithm>

#include "core/platform/file_io.h"
#include "core/platform/link_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/string_table.h"

namespace voltaro {

CCommunicationViewModel::CCommunicationViewModel(CLinkMonitor& monitor) : monitor_(monitor) {
    monitor_.Subscribe(this);
}

CCommunicationViewModel::~CCommunicationViewModel() {
    monitor_.Unsubscribe(this);
}

bool CCommunicationViewModel::Poll() {
    newLines_.clear();
    if (paused_) return false;
    std::vector<FrameRecord> arrived = monitor_.FramesAfter(lastSequence_, kMaxFrames);
    if (arrived.empty()) return false;
    lastSequence_ = arrived.back().sequence;
    for (FrameRecord& frame : arrived) {
        if (Shown(frame)) newLines_.push_back(FrameLine(frame));
        frames_.push_back(std::move(frame));
    }
    while (frames_.size() > kMaxFrames)
        frames_.pop_front();
    return true;
}

bool CCommunicationViewModel::Shown(const FrameRecord& frame) const {
    return !errorsOnly_ || IsErrorFrame(frame);
}

std::vector<std::string> CCommunicationViewModel::Lines() const {
    std::vector<std::string> lines;
    for (const FrameRecord& frame : frames_)
        if (Shown(frame)) lines.push_back(FrameLine(frame));
    return lines;
}

std::size_t CCommunicationViewModel::ShownCount() const {
    return static_cast<std::size_t>(std::count_if(
        frames_.begin(), frames_.end(), [this](const FrameRecord& f) { return Shown(f); }));
}

void CCommunicationViewModel::Clear() {
    frames_.clear();
    newLines_.clear();
}

std::vector<LinkFigure> CCommunicationViewModel::FigureRows() const {
    const std::vector<LinkSnapshot> links = monitor_.Snapshots();
    if (links.empty()) return {{LoadString(kTextLinkNoConnection), {}}};
    std::vector<LinkFigure> rows{{LinkTitle(links.back()), {}}};
    for (LinkFigure& row : LinkFigures(links.back()))
        rows.push_back(std::move(row));
    return rows;
}

std::string CCommunicationViewModel::Save(const std::string& path) const {
    std::string text;
    for (const std::string& line : Lines())
        text += line + '\n';
    const FileStatus status = WriteFileSafely(path, text, 0644);
    if (status) return {};
    return FormatMessageId(kTextCommSaveFailed, {path, status.Text(path)});
}

}  // namespace voltaro
