#pragma once
// The ZC loop test dialog without its widgets: the channel list, the mode of the selected
// channel, the test values shown (the 8 common values and the channel's 21 values) and the
// poll that keeps them current on the background executor.
//
// The poll reads the values while the channel is in Normal mode, and while in loop-test
// mode only when asked to (after a channel change), so that it never overwrites what the
// user is typing; otherwise it pauses. A poll that started before the channel, the mode or
// the values changed is stale: its values are dropped. The dialog closes at the completion
// of the poll in flight (one is always queued or running while the dialog is open).
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "core/device/loop_test_zc.h"

namespace voltaro {

class CModbusInterface;
class IPasscodeInteraction;

// One run of the poll: what it was asked to do (user interface thread) and what it got
// (executor thread).
struct ZcLoopPoll {
    bool read = false;  // false: a pause only
    int channel = 0;
    uint32_t generation = 0;
    bool failed = false;
    ZcLoopValues values;
};

// What the dialog does with a completed poll.
struct ZcLoopPollUpdate {
    bool showValues = false;  // redraw the grid from Values()
    bool close = false;       // close was asked: wait for the executor, then close
    bool requeue = false;     // post the next poll
};

class CLoopTestZcModel {
  public:
    static constexpr std::chrono::milliseconds kPollPause{500};

    // channelCount as the device reports it; loopTest is the first channel's flag.
    CLoopTestZcModel(int channelCount, bool loopTest);

    // Texts of the channel list: "1ch", "2ch", ...
    std::vector<std::string> ChannelLabels() const;
    int Channel() const { return channel_; }
    bool LoopTest() const { return loopTest_; }
    // The last poll failed.
    bool Error() const { return error_; }
    const ZcLoopValues& Values() const { return values_; }

    // The poll to post next; a read clears the refresh request.
    ZcLoopPoll NextPoll();
    // Runs poll on the executor thread: the read (failures only set poll.failed), or a
    // pause of `pause`.
    static void RunPoll(CModbusInterface& client, ZcLoopPoll& poll,
                        std::chrono::milliseconds pause = kPollPause);
    ZcLoopPollUpdate OnPollDone(const ZcLoopPoll& poll);
    // The dialog's close command. True when it may close at once (no poll posted).
    bool RequestClose();
    bool Closing() const { return closing_; }
    // A poll was posted (false when the executor refused it).
    void PollPosted(bool posted) { pollPosted_ = posted; }

    // Another channel is selected; flag is its loop-test flag as read from the device.
    void SelectChannel(int channel, bool flag);
    // Switches the selected channel's mode on the device. False when the passcode was
    // cancelled or refused; Modbus failures throw. The model keeps the device's mode.
    bool SwitchMode(CModbusInterface& client, IPasscodeInteraction& interaction, bool on);

    // Values can be typed only in loop-test mode, and only once they were read for the
    // selected channel (a write sends the whole set).
    bool Editable(int item) const;
    // Checks text for item and writes the channel's values with it (the common values
    // only while channel 1 is in loop-test mode; otherwise they are read back). False
    // when the passcode was cancelled or refused; a bad entry throws CPrivateException
    // and writes nothing.
    bool CommitEdit(CModbusInterface& client, IPasscodeInteraction& interaction, int item,
                    const std::string& text);

    // "0 Voltage": the item's number and the name of its kind, as in the ZB test.
    static std::string ItemName(int item);
    // The shown text of item; empty until the selected channel's values were read.
    std::string ValueText(int item) const;

  private:
    void Invalidate() { ++generation_; }

    int channelCount_;
    int channel_ = 0;
    bool loopTest_;
    bool refresh_ = true;
    bool valuesCurrent_ = false;  // values_ were read for the selected channel
    bool error_ = false;
    bool closing_ = false;
    bool pollPosted_ = false;
    uint32_t generation_ = 0;
    ZcLoopValues values_;
};

}  // namespace voltaro
