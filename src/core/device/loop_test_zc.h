#pragma once
// The loop test of the ZC series, per measuring channel: the channel's flag, and its test
// values: the 8 common values (voltages and frequency, registers 0-15, settable only while
// channel 1 is in loop-test mode), the channel's 5 currents and its 16 power values.
// Pairs are low word first. Writes run behind the ZC maintenance unlock.
#include <array>
#include <cstdint>

#include "core/device/loop_test.h"

namespace voltaro {

constexpr int kZcCommonValues = 8;
constexpr int kZcCurrentValues = 5;
constexpr int kZcPowerValues = 16;
constexpr int kZcLoopItems = kZcCommonValues + kZcCurrentValues + kZcPowerValues;

struct ZcLoopValues {
    std::array<int32_t, kZcCommonValues> common{};
    std::array<int32_t, kZcCurrentValues> currents{};
    std::array<int32_t, kZcPowerValues> powers{};
};

// The kind of item (0 .. 28: common, currents, powers in that order).
LoopValueKind ZcItemKind(int item);
// The value of item in values (read and write).
int32_t& ZcItem(ZcLoopValues& values, int item);
int32_t ZcItem(const ZcLoopValues& values, int item);

// The number of measuring channels.
int ReadZcChannelCount(CModbusInterface& client);
// The flag of channel (index c).
bool ReadZcLoopFlag(CModbusInterface& client, int channel);
// The flags of the first `channels` channels as a mask (bit c: channel c in loop-test
// mode), in one request inside the caller's open link.
uint16_t ReadZcLoopFlags(CModbusInterface& client, int channels);
// The test values of channel as the device reports them; failures throw.
ZcLoopValues ReadZcLoopValues(CModbusInterface& client, int channel);
// Switches the flag of channel; false when the passcode was cancelled or refused.
bool SetZcLoopTest(CModbusInterface& client, IPasscodeInteraction& interaction, int channel,
                   bool on);
// Writes the values of channel: the common values only while channel 1 is in loop-test
// mode, otherwise they are read back from the device into values.
bool WriteZcLoopValues(CModbusInterface& client, IPasscodeInteraction& interaction, int channel,
                       ZcLoopValues& values);

}  // namespace voltaro
