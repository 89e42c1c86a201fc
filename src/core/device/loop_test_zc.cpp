#include "core/device/loop_test_zc.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "core/device/device_link.h"
#include "core/device/passcode_protection.h"
#include "core/model/device_registers.h"

namespace voltaro {
namespace {

constexpr int kZcChannelCountRegister = kIoConfigRegister + kIoMeasuringInputs;

int CurrentRegister(int channel) {
    return kZcCurrentRegister + channel * kZcCurrentChannelDistance;
}
int PowerRegister(int channel) {
    return kZcPowerRegister + channel * kZcPowerChannelDistance;
}

template <std::size_t N>
void ReadPairsInto(CModbusInterface& client, int address, std::array<int32_t, N>& out) {
    uint16_t words[2 * N];
    client.ReadHoldingRegisters(address, static_cast<int>(2 * N), words);
    for (std::size_t i = 0; i < N; ++i)
        out[i] = static_cast<int32_t>(static_cast<uint32_t>(words[2 * i + 1]) << 16 | words[2 * i]);
}

template <std::size_t N>
void WritePairsFrom(CModbusInterface& client, int address, const std::array<int32_t, N>& values) {
    uint32_t pairs[N];
    for (std::size_t i = 0; i < N; ++i)
        pairs[i] = static_cast<uint32_t>(values[i]);
    client.WriteRegisterPairs(address, static_cast<int>(N), pairs, false);
}

}  // namespace

LoopValueKind ZcItemKind(int item) {
    using K = LoopValueKind;
    if (item < 0 || item >= kZcLoopItems) return K::Fixed;
    if (item < 7) return K::Voltage;
    if (item == 7) return K::Frequency;
    if (item < kZcCommonValues + kZcCurrentValues)
        return item == 11 ? K::NeutralCurrent : K::Current;
    static const K kPowers[] = {K::ActivePower, K::ReactivePower, K::ApparentPower, K::PowerFactor};
    return kPowers[(item - kZcCommonValues - kZcCurrentValues) / 4];
}

int32_t& ZcItem(ZcLoopValues& values, int item) {
    if (item < kZcCommonValues) return values.common[static_cast<std::size_t>(item)];
    item -= kZcCommonValues;
    if (item < kZcCurrentValues) return values.currents[static_cast<std::size_t>(item)];
    return values.powers[static_cast<std::size_t>(item - kZcCurrentValues)];
}

int32_t ZcItem(const ZcLoopValues& values, int item) {
    return ZcItem(const_cast<ZcLoopValues&>(values), item);
}

int ReadZcChannelCount(CModbusInterface& client) {
    CDeviceLink link(client);
    return ReadOneRegister(client, kZcChannelCountRegister);
}

bool ReadZcLoopFlag(CModbusInterface& client, int channel) {
    CDeviceLink link(client);
    return ReadOneRegister(client, kZcLoopFlagRegister + channel) != 0;
}

uint16_t ReadZcLoopFlags(CModbusInterface& client, int channels) {
    // One bit per channel.
    channels = std::clamp(channels, 0, std::numeric_limits<uint16_t>::digits);
    if (channels == 0) return 0;
    std::vector<uint16_t> flags(static_cast<std::size_t>(channels));
    client.ReadHoldingRegisters(kZcLoopFlagRegister, channels, flags.data());
    uint16_t mask = 0;
    for (int c = 0; c < channels; ++c)
        if (flags[static_cast<std::size_t>(c)] != 0) mask = static_cast<uint16_t>(mask | 1u << c);
    return mask;
}

ZcLoopValues ReadZcLoopValues(CModbusInterface& client, int channel) {
    CDeviceLink link(client);
    ZcLoopValues values;
    ReadPairsInto(client, kZcCommonRegister, values.common);
    ReadPairsInto(client, CurrentRegister(channel), values.currents);
    ReadPairsInto(client, PowerRegister(channel), values.powers);
    return values;
}

bool SetZcLoopTest(CModbusInterface& client, IPasscodeInteraction& interaction, int channel,
                   bool on) {
    CAccessRight access(client);
    if (!UnlockZcForTest(client, interaction)) return false;
    CDeviceLink link(client);
    WriteAndRelock(client, true,
                   [&] { WriteOneRegister(client, kZcLoopFlagRegister + channel, on ? 1 : 0); });
    return true;
}

bool WriteZcLoopValues(CModbusInterface& client, IPasscodeInteraction& interaction, int channel,
                       ZcLoopValues& values) {
    CAccessRight access(client);
    if (!UnlockZcForTest(client, interaction)) return false;
    CDeviceLink link(client);
    WriteAndRelock(client, true, [&] {
        // Voltages and frequency are common to all channels: they follow channel 1's mode.
        if (ReadOneRegister(client, kZcLoopFlagRegister) == 1)
            WritePairsFrom(client, kZcCommonRegister, values.common);
        else
            ReadPairsInto(client, kZcCommonRegister, values.common);
        WritePairsFrom(client, CurrentRegister(channel), values.currents);
        WritePairsFrom(client, PowerRegister(channel), values.powers);
    });
    return true;
}

}  // namespace voltaro
