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
    {kMsgChannelRange, "--channel must be 1 or 2 (1 to the number of channels for the ZC series)."},
    {kMsgZcResetKind, "A device of the ZC series resets %1!s!; not \"%2!s!\"."},
    {kMsgZcResetNeedsChannel,
     "This reset clears one channel: name it with --channel N (1 to %1!d!)."},
    {kMsgZcResetCommon, "%1!s! resets values common to all channels: leave out --channel."},
    {kMsgZcPresetUnknown, "No value \"%1!s!\" of a ZC device can be preset; the names are %2!s!."},
    {kMsgZcPresetNeedsChannel,
     "A preset of a ZC device needs --channel N: 1 to %1!d! for the energies, 1 to 8 for the "
     "counts of the discrete inputs."},
    {kMsgZcPresetNoModule, "The connected device has no %1!s!."},
    {kMsgZcPresetTariff, "A device of the ZC series has no tariffs: leave out --tariff."},
};

}  // namespace

const std::span<const StringEntry> kMaintenance{kData};

}  // namespace voltaro::strings
