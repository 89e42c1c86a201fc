#include "core/monitor/energy_preset.h"

#include "core/comm/modbus_interface.h"
#include "core/device/device_link.h"
#include "core/device/passcode_protection.h"
#include "core/model/device_registers.h"
#include "core/model/value_helpers.h"
#include "core/monitor/measurand_store.h"
#include "core/platform/list_text_ids.h"
#include "core/work/sync_objects.h"

namespace voltaro {
namespace {

constexpr uint16_t kPresetUnlockCode = 2;
constexpr int16_t E1 = kIdxEnergySet1, E2 = kIdxEnergySet2;
constexpr int16_t T = kTextsEnergy1;  // "Time", "Active in", ...

// Energy set 1 (registers 128 ..), energy set 2 (160 ..), then the counters (3136 ..).
constexpr PresetEntry kTable[] = {
    {E1 + 9, 146, T + 0, kPresetTime},
    {E1 + 0, 128, T + 1, kPresetEnergy},
    {E1 + 3, 134, T + 2, kPresetEnergy},
    {E1 + 1, 130, T + 3, kPresetEnergy},
    {E1 + 4, 136, T + 4, kPresetEnergy},
    {E1 + 2, 132, T + 9, kPresetEnergy},
    {E1 + 5, 138, T + 5, kPresetEnergy},
    {E1 + 6, 140, T + 6, kPresetEnergy},
    {E1 + 7, 142, T + 7, kPresetEnergy},
    {E1 + 8, 144, T + 8, kPresetEnergy},
    {E1 + 10, 148, T + 10, kPresetEnergy},
    {E1 + 11, 150, T + 11, kPresetEnergy},
    {E1 + 12, 152, T + 12, kPresetSignedEnergy},
    {E1 + 13, 154, T + 13, kPresetEnergy},
    {E2 + 9, 178, T + 0, kPresetTime},
    {E2 + 0, 160, T + 1, kPresetEnergy},
    {E2 + 3, 166, T + 2, kPresetEnergy},
    {E2 + 1, 162, T + 3, kPresetEnergy},
    {E2 + 4, 168, T + 4, kPresetEnergy},
    {E2 + 2, 164, T + 9, kPresetEnergy},
    {E2 + 5, 170, T + 5, kPresetEnergy},
    {E2 + 6, 172, T + 6, kPresetEnergy},
    {E2 + 7, 174, T + 7, kPresetEnergy},
    {E2 + 8, 176, T + 8, kPresetEnergy},
    {E2 + 10, 180, T + 10, kPresetEnergy},
    {E2 + 11, 182, T + 11, kPresetEnergy},
    {E2 + 12, 184, T + 12, kPresetSignedEnergy},
    {E2 + 13, 186, T + 13, kPresetEnergy},
    {kIdxCounter1 + 0, kCounterRegister + 0, kTextsCounter + 0, kPresetCounter},
    {kIdxCounter1 + 1, kCounterRegister + 2, kTextsCounter + 1, kPresetCounter},
    {kIdxCounter1 + 2, kCounterRegister + 4, kTextsCounter + 2, kPresetCounter},
    {kIdxCounter1 + 3, kCounterRegister + 6, kTextsCounter + 3, kPresetCounter},
    {kIdxCounter1 + 4, kCounterRegister + 8, kTextsCounter + 4, kPresetCounter},
    {kIdxCounter1 + 5, kCounterRegister + 10, kTextsCounter + 5, kPresetCounter},
    {kIdxCounter1 + 6, kCounterRegister + 12, kTextsCounter + 6, kPresetCounter},
    {kIdxCounter1 + 7, kCounterRegister + 14, kTextsCounter + 7, kPresetCounter},
};

constexpr int64_t kFractionUnit = 4294967296;  // 2^32: one tenth in fraction units
constexpr int64_t kScaledPerTenth = 1000;      // scaled energy (x 10000) per tenth

}  // namespace

std::span<const PresetEntry> PresetTable() {
    return kTable;
}

const PresetEntry* FindPresetEntry(int index) {
    for (const PresetEntry& e : kTable)
        if (e.index == index) return &e;
    return nullptr;
}

PresetRange PresetRangeOf(int kind) {
    switch (kind) {
        case kPresetTime:
            return {10, 0, 999999999};
        case kPresetEnergy:
            return {10000, 0, 999999999999};
        case kPresetSignedEnergy:
            return {10000, -999999999000, 999999999999};
        default:
            return {1, 0, 999999999};
    }
}

int64_t ParsePresetInput(const PresetEntry& entry, const std::string& text) {
    const PresetRange range = PresetRangeOf(entry.kind);
    return ParseScaledValue(text, range.min, range.max, range.scale, entry.labelId);
}

PresetWords PresetWordsOf(int kind, int64_t x) {
    PresetWords words;
    if (kind == kPresetTime) {
        words.value = static_cast<int32_t>(x);
        words.hasFraction = true;
        return words;
    }
    if (kind == kPresetCounter) {
        words.value = static_cast<int32_t>(x);
        return words;
    }
    // Whole tenths and the remainder as a share of 2^32, truncated toward zero; one unit
    // is added so that the device's rounding down shows the typed digits again.
    int64_t whole = x / kScaledPerTenth;
    const int64_t share = (x % kScaledPerTenth) * kFractionUnit / kScaledPerTenth;
    // A negative value with a remainder is the tenth below plus a positive share.
    if (kind == kPresetSignedEnergy && x < 0 && share != 0) whole -= 1;
    words.value = static_cast<int32_t>(whole);
    words.fraction = static_cast<uint32_t>(share + 1);
    words.hasFraction = true;
    return words;
}

bool WritePreset(CModbusInterface& client, IPasscodeInteraction& interaction,
                 const PresetEntry& entry, int channel, const PresetWords& words, bool swap) {
    CAccessRight access(client);
    const bool unlocks = entry.kind != kPresetCounter;
    if (unlocks && !UnlockForTest(client, kPresetUnlockCode, interaction)) return false;
    int address = entry.address;
    if (unlocks && channel == 1) address += kSecondInputOffset;
    CDeviceLink link(client);
    const auto value = static_cast<uint32_t>(words.value);
    try {
        client.WriteRegisterPairs(address, 1, &value, swap);
        if (unlocks)
            client.WriteRegisterPairs(address + kEnergyFractionDistance, 1, &words.fraction, swap);
    } catch (...) {
        // A failed write must not leave the device unlocked: lock it again if the link
        // still allows, and report the write's failure.
        if (unlocks) {
            try {
                RelockAfterTest(client, false);
            } catch (...) {
            }
        }
        throw;
    }
    if (unlocks) RelockAfterTest(client, false);
    return true;
}

void StorePresetWords(CMeasurandsKT2& store, const PresetEntry& entry, const PresetWords& words) {
    store.SetValue(entry.index, words.value);
    if (entry.kind == kPresetEnergy || entry.kind == kPresetSignedEnergy)
        store.SetValue(entry.index + kFractionSlotDistance, static_cast<int32_t>(words.fraction));
}

}  // namespace voltaro
