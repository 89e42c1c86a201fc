#include "core/device/loop_test.h"

#include <cstring>

#include "core/comm/modbus_interface.h"
#include "core/device/device_link.h"
#include "core/device/passcode_protection.h"
#include "core/model/device_registers.h"
#include "core/model/value_helpers.h"
#include "core/platform/list_text_ids.h"
#include "core/work/sync_objects.h"

namespace voltaro {
namespace {

constexpr uint16_t kModeUnlockCode = 1;         // mode switches and analogue output levels
constexpr uint16_t kValuesUnlockCode = 2;       // ZB measured test values
constexpr uint16_t kCurrentOutputBit = 0x0001;  // of the first word at 9622
constexpr int kZbSecondBlock = 32;
constexpr int kZbSecondBlockValues = kZbTestValues - kZbFirstBlockValues;

// One maintenance write sequence: unlock with code, run the writes inside an open link,
// relock in the same link (also after a failed write, when the link still allows).
template <typename Writes>
bool UnlockedWrite(CModbusInterface& client, IPasscodeInteraction& interaction, uint16_t code,
                   Writes writes) {
    if (!UnlockForTest(client, code, interaction)) return false;
    CDeviceLink link(client);
    WriteAndRelock(client, false, writes);
    return true;
}

void ReadPairs(CModbusInterface& client, int address, int pairs, int32_t* out, bool swap) {
    std::vector<uint16_t> words(static_cast<std::size_t>(2 * pairs));
    client.ReadHoldingRegisters(address, 2 * pairs, words.data());
    std::vector<uint32_t> values(static_cast<std::size_t>(pairs));
    std::memcpy(values.data(), words.data(), words.size() * sizeof(uint16_t));
    CModbusInterface::SwapRegisterPairs(values.data(), pairs, swap);
    for (int i = 0; i < pairs; ++i)
        out[i] = static_cast<int32_t>(values[static_cast<std::size_t>(i)]);
}

int ZbOffset(int channel) {
    return channel == 0 ? 0 : kSecondInputOffset;
}

void WriteZbPairs(CModbusInterface& client, int channel, const ZbValues& values) {
    const bool swap = ReadOneRegister(client, kMeasuredWordOrderRegister) == 1;
    uint32_t pairs[kZbTestValues];
    for (int i = 0; i < kZbTestValues; ++i)
        pairs[i] = static_cast<uint32_t>(values[static_cast<std::size_t>(i)]);
    client.WriteRegisterPairs(ZbOffset(channel), kZbFirstBlockValues, pairs, swap);
    client.WriteRegisterPairs(ZbOffset(channel) + kZbSecondBlock, kZbSecondBlockValues,
                              pairs + kZbFirstBlockValues, swap);
}

}  // namespace

bool HasAnalogOutputs(const CDeviceType& type) {
    return type.HasFeature(FEAT_AO1 | FEAT_AO2 | FEAT_AO3 | FEAT_AO4, 0);
}

AoLoopState ReadAoLoopTest(CModbusInterface& client) {
    CAccessRight access(client);
    CDeviceLink link(client);
    AoLoopState state;
    uint16_t extension[kIoConfigRegisters + 1] = {};
    client.ReadHoldingRegisters(kExtensionIdRegister, kIoConfigRegisters, extension);
    state.currentOutput = (extension[0] & kCurrentOutputBit) != 0;
    uint16_t levels[kAoTestValues] = {};
    client.ReadHoldingRegisters(kCounterRegister, kAoTestValues, levels);
    for (int i = 0; i < kAoTestValues; ++i)
        state.values[static_cast<std::size_t>(i)] = levels[i];
    state.loopTest = ReadOneRegister(client, kFixedOutputRegister) != 0;
    return state;
}

LoopValueRange AoValueRange(bool currentOutput) {
    return currentOutput ? LoopValueRange{100, 160, 2240} : LoopValueRange{1000, 400, 5600};
}

int32_t ParseAoValue(int index, bool currentOutput, const std::string& text) {
    const LoopValueRange r = AoValueRange(currentOutput);
    return static_cast<int32_t>(
        ParseScaledValue(text, r.min, r.max, r.scale, kTextsAnalogOutput + index));
}

bool WriteAoValues(CModbusInterface& client, IPasscodeInteraction& interaction,
                   const AoValues& values) {
    CAccessRight access(client);
    return UnlockedWrite(client, interaction, kModeUnlockCode, [&] {
        uint16_t levels[kAoTestValues];
        for (int i = 0; i < kAoTestValues; ++i)
            levels[i] = static_cast<uint16_t>(values[static_cast<std::size_t>(i)]);
        client.WriteMultipleRegisters(kCounterRegister, kAoTestValues, levels);
    });
}

bool SetAoLoopTest(CModbusInterface& client, IPasscodeInteraction& interaction, bool on,
                   const AoValues& values) {
    CAccessRight access(client);
    const bool switched = UnlockedWrite(client, interaction, kModeUnlockCode, [&] {
        WriteOneRegister(client, kFixedOutputRegister, on ? 1 : 0);
    });
    if (!switched || !on) return switched;
    return WriteAoValues(client, interaction, values);
}

LoopValueKind ZbItemKind(int item) {
    using K = LoopValueKind;
    static const K kFirst[kZbFirstBlockValues] = {
        K::Current,       K::Voltage,     K::ActivePower, K::ReactivePower,
        K::ApparentPower, K::PowerFactor, K::Frequency,   K::Fixed};
    if (item < 0 || item >= kZbTestValues) return K::Fixed;
    if (item < kZbFirstBlockValues) return kFirst[item];
    if (item <= 10) return K::Current;
    if (item == 11) return K::NeutralCurrent;
    if (item <= 17) return K::Voltage;
    if (item <= 20) return K::ActivePower;
    if (item <= 23) return K::ReactivePower;
    if (item <= 26) return K::ApparentPower;
    if (item <= 29) return K::PowerFactor;
    return K::Fixed;
}

LoopValueRange LoopValueRangeOf(LoopValueKind kind) {
    switch (kind) {
        case LoopValueKind::Voltage:
            return {100, 0, 40000000};
        case LoopValueKind::Current:
        case LoopValueKind::NeutralCurrent:
            return {1000, 0, 20000000};
        case LoopValueKind::ActivePower:
        case LoopValueKind::ReactivePower:
            return {1, -2000000000, 2000000000};
        case LoopValueKind::ApparentPower:
            return {1, 0, 2000000000};
        case LoopValueKind::PowerFactor:
            return {10000, -10000, 10000};
        case LoopValueKind::Frequency:
            return {100, 4500, 6500};
        case LoopValueKind::Fixed:
            break;
    }
    return {1, 0, 0};
}

int LoopValueNameId(LoopValueKind kind) {
    switch (kind) {
        case LoopValueKind::Voltage:
            return kTextsQuantity + 0;
        case LoopValueKind::Current:
            return kTextsQuantity + 1;
        case LoopValueKind::ActivePower:
            return kTextsQuantity + 2;
        case LoopValueKind::ReactivePower:
            return kTextsQuantity + 3;
        case LoopValueKind::ApparentPower:
            return kTextsQuantity + 4;
        case LoopValueKind::PowerFactor:
            return kTextsQuantity + 5;
        case LoopValueKind::Frequency:
            return kTextsQuantity + 6;
        case LoopValueKind::NeutralCurrent:
        case LoopValueKind::Fixed:
            break;
    }
    return kTextsQuantity + 7;
}

int32_t ParseLoopValue(LoopValueKind kind, const std::string& text) {
    const LoopValueRange r = LoopValueRangeOf(kind);
    const int64_t extra = kind == LoopValueKind::Frequency ? 0 : kNoExtraValue;
    return static_cast<int32_t>(
        ParseScaledValue(text, r.min, r.max, r.scale, LoopValueNameId(kind), extra));
}

int ZbLoopFlagRegister(int channel) {
    return channel == 0 ? kVectorUnavailableRegister : kVectorUnavailableRegister2;
}

ZbLoopState ReadZbLoopTest(CModbusInterface& client, int channel) {
    CAccessRight access(client);
    CDeviceLink link(client);
    ZbLoopState state;
    const bool swap = ReadOneRegister(client, kMeasuredWordOrderRegister) == 1;
    ReadPairs(client, ZbOffset(channel), kZbFirstBlockValues, state.values.data(), swap);
    ReadPairs(client, ZbOffset(channel) + kZbSecondBlock, kZbSecondBlockValues,
              state.values.data() + kZbFirstBlockValues, swap);
    state.loopTest = ReadOneRegister(client, ZbLoopFlagRegister(channel)) != 0;
    return state;
}

bool WriteZbValues(CModbusInterface& client, IPasscodeInteraction& interaction, int channel,
                   const ZbValues& values) {
    CAccessRight access(client);
    return UnlockedWrite(client, interaction, kValuesUnlockCode,
                         [&] { WriteZbPairs(client, channel, values); });
}

bool SetZbLoopTest(CModbusInterface& client, IPasscodeInteraction& interaction, int channel,
                   bool on, const ZbValues& values) {
    CAccessRight access(client);
    const bool switched = UnlockedWrite(client, interaction, kModeUnlockCode, [&] {
        WriteOneRegister(client, ZbLoopFlagRegister(channel), on ? 1 : 0);
    });
    if (!switched || !on) return switched;
    return WriteZbValues(client, interaction, channel, values);
}

LoopTestStatus ReadLoopTestStatus(CModbusInterface& client, const CDeviceType& type) {
    LoopTestStatus status;
    const bool zb = type.HasFeature(0, FAM_ZB);
    if (!zb && !HasAnalogOutputs(type)) return status;
    CAccessRight access(client);
    CDeviceLink link(client);
    if (zb) {
        const int inputs = type.ioConfig[kIoMeasuringInputs] >= 2 ? 2 : 1;
        for (int c = 0; c < inputs; ++c)
            if (ReadOneRegister(client, ZbLoopFlagRegister(c)) != 0) status.channels.push_back(c);
    } else {
        status.analogOutputs = ReadOneRegister(client, kFixedOutputRegister) != 0;
    }
    return status;
}

}  // namespace voltaro
