#include "core/app/monitor_status.h"

#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {

void CMonitorStatus::OnSuccess() {
    statusTextId_ = kMsgCommunicating;
    commError_ = false;
    ledColor_ = blinkOn_ ? kColorLedOn : kColorLedOff;
    blinkOn_ = !blinkOn_;
}

void CMonitorStatus::OnFailure() {
    commError_ = true;
    statusTextId_ = kMsgMonitorCommunicationError;
}

void CMonitorStatus::OnTimer() {
    if (commError_) blinkOn_ = !blinkOn_;
}

StatusView CMonitorStatus::Status() const {
    StatusView view;
    view.text = statusTextId_ != 0 ? LoadString(statusTextId_) : "";
    view.textColor = commError_ ? kColorRed : kColorBlue;
    if (commError_ && blinkOn_) {
        view.textColor = kColorWhite;
        view.backColor = kColorRed;
    }
    return view;
}

uint32_t CMonitorStatus::LedColor() const {
    if (commError_) return blinkOn_ ? kColorRed : kColorLedOff;
    return ledColor_;
}

std::string LoopTestChannelsText(uint16_t mask) {
    std::string channels;
    for (int c = 0; mask >> c != 0; ++c)
        if (mask & 1u << c) channels += (channels.empty() ? "" : ", ") + std::to_string(c + 1);
    return channels.empty() ? std::string() : FormatMessageId(kMsgLoopTestChannelsOn, {channels});
}

}  // namespace voltaro
