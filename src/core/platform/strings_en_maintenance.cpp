// Texts of the maintenance commands: clock, resets, tag, presets and loop tests, in the
// desktop program and in voltaro-cli (ids named in message_ids.h).
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"

namespace voltaro::strings {
namespace {

const StringEntry kData[] = {
    {kMsgConfirmNeedsYes,
     "%1!s! changes the device. Not run on a terminal, it needs --yes to confirm."},
    {kMsgNotConfirmed, "Not confirmed: nothing was written."},
    {kMsgConfirmPrompt, "%1!s! [y/N] "},
    {kMsgClockDevice, "Device's time: %1!s!"},
    {kMsgClockPc, "PC's time:     %1!s!"},
    {kMsgClockWritten, "Device clock set to %1!s!."},
    {kMsgClockTimeOption,
     "--set takes a date and time \"YYYY-MM-DD hh:mm:ss\" from 2000 to 2099 that exists in "
     "the calendar."},
    {kMsgResetWritten, "Wrote %1!d! to register %2!d!: %3!s! reset."},
    {kMsgNoCounters, "This device has no counters to reset."},
    {kMsgSecondChannelMissing,
     "The device has one measuring input; --channel 2 is for devices with two."},
    {kMsgTagShown, "Tag No.: %1!s!"},
    {kMsgTagWritten, "Tag No. written: \"%1!s!\""},
    {kMsgTagTooLong, "A tag holds at most 16 single-byte characters."},
    {kMsgPresetWritten, "%1!s! preset to %2!s!."},
    {kMsgPresetUnknown, "No value \"%1!s!\" can be preset. Names: %2!s!"},
    {kMsgPresetNotOnDevice, "This device has no %1!s!."},
    {kMsgLoopTestOff, "Loop test: off"},
    {kMsgLoopTestAoOn, "LOOP TEST: the analogue outputs are fixed at test values"},
    {kMsgLoopTestChannelsOn, "LOOP TEST: channel %1!s! reports test values"},
    {kMsgNoLoopTest, "This device has no loop test."},
    {kMsgLoopTestSwitchedOn, "Loop test switched on: %1!s!"},
    {kMsgLoopTestSwitchedOff, "Loop test switched off: the device measures again."},
    {kMsgLoopTestValuesWritten, "Test values written: %1!s!"},
    {kMsgLoopTestValueArgument,
     "\"%1!s!\" is not NAME=VALUE with a name of this device's test values (%2!s!)."},
    {kMsgLoopTestNotOn, "The loop test is off; switch it on first (loop-test on)."},
    {kMsgPasscodeRefused, "Nothing was written."},
    {kMsgZcNotServed,
     "This command does not serve the ZC series; use the power management monitor."},
    {kMsgChannelRange, "--channel must be 1 or 2 (1 to the number of channels for the ZC series)."},
};

}  // namespace

const std::span<const StringEntry> kMaintenance{kData};

}  // namespace voltaro::strings
