#include "core/app/loop_test_zc_model.h"

#include <thread>

#include "core/comm/modbus_interface.h"
#include "core/model/value_helpers.h"
#include "core/platform/cancelled.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"

namespace voltaro {

CLoopTestZcModel::CLoopTestZcModel(int channelCount, bool loopTest)
    : channelCount_(channelCount < 1 ? 1 : channelCount), loopTest_(loopTest) {}

std::vector<std::string> CLoopTestZcModel::ChannelLabels() const {
    std::vector<std::string> labels;
    for (int c = 0; c < channelCount_; ++c)
        labels.push_back(LoadString(InputLabelId(c + 1)));
    return labels;
}

ZcLoopPoll CLoopTestZcModel::NextPoll() {
    ZcLoopPoll poll;
    poll.channel = channel_;
    poll.generation = generation_;
    poll.read = !loopTest_ || refresh_;
    if (poll.read) refresh_ = false;
    return poll;
}

void CLoopTestZcModel::RunPoll(CModbusInterface& client, ZcLoopPoll& poll,
                               std::chrono::milliseconds pause) {
    if (!poll.read) {
        std::this_thread::sleep_for(pause);
        return;
    }
    try {
        poll.values = ReadZcLoopValues(client, poll.channel);
        poll.failed = false;
    } catch (const CPrivateException&) {
        poll.failed = true;
    } catch (const CCancelled&) {
        poll.failed = true;
    }
}

ZcLoopPollUpdate CLoopTestZcModel::OnPollDone(const ZcLoopPoll& poll) {
    pollPosted_ = false;
    ZcLoopPollUpdate update;
    if (closing_) {
        update.close = true;
        return update;
    }
    update.requeue = true;
    if (!poll.read) return update;
    error_ = poll.failed;
    if (poll.failed || poll.generation != generation_) {
        // Values not yet read for the channel are still wanted.
        if (!valuesCurrent_) refresh_ = true;
        return update;
    }
    values_ = poll.values;
    valuesCurrent_ = true;
    update.showValues = true;
    return update;
}

bool CLoopTestZcModel::RequestClose() {
    closing_ = true;
    return !pollPosted_;
}

void CLoopTestZcModel::SelectChannel(int channel, bool flag) {
    if (channel < 0 || channel >= channelCount_) return;
    channel_ = channel;
    loopTest_ = flag;
    refresh_ = true;
    valuesCurrent_ = false;
    Invalidate();
}

bool CLoopTestZcModel::SwitchMode(CModbusInterface& client, IPasscodeInteraction& interaction,
                                  bool on) {
    if (!SetZcLoopTest(client, interaction, channel_, on)) return false;
    loopTest_ = on;
    Invalidate();
    return true;
}

bool CLoopTestZcModel::Editable(int item) const {
    return loopTest_ && valuesCurrent_ && ZcItemKind(item) != LoopValueKind::Fixed;
}

bool CLoopTestZcModel::CommitEdit(CModbusInterface& client, IPasscodeInteraction& interaction,
                                  int item, const std::string& text) {
    if (!Editable(item)) return false;
    ZcLoopValues values = values_;
    ZcItem(values, item) = ParseLoopValue(ZcItemKind(item), text);
    // A poll that read before this write would show the old values.
    Invalidate();
    if (!WriteZcLoopValues(client, interaction, channel_, values)) return false;
    values_ = values;
    return true;
}

std::string CLoopTestZcModel::ItemName(int item) {
    return std::to_string(item) + " " + LoadString(LoopValueNameId(ZcItemKind(item)));
}

std::string CLoopTestZcModel::ValueText(int item) const {
    if (!valuesCurrent_) return {};  // not another channel's values
    return FormatScaledValue(ZcItem(values_, item), LoopValueRangeOf(ZcItemKind(item)).scale);
}

}  // namespace voltaro
