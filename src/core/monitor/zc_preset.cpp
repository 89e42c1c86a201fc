#include "core/monitor/zc_preset.h"

#include <array>

#include "core/model/device_registers.h"
#include "core/model/value_helpers.h"
#include "core/monitor/measurand_store.h"
#include "core/monitor/zc_reads.h"
#include "core/platform/list_text_ids.h"

namespace voltaro {
namespace {

constexpr int kEnergyEntries = 2 * kZcPageChannels;
constexpr int kTableSize = kEnergyEntries + kZcPageChannels;
constexpr int kReactiveLagRegisterOffset = 2;
constexpr int64_t kEnergyScale = 10;
constexpr int64_t kCountScale = 1;
constexpr int64_t kPresetMax = 999999999;

const std::array<PresetEntry, kTableSize>& Table() {
    static const std::array<PresetEntry, kTableSize> table = [] {
        std::array<PresetEntry, kTableSize> t{};
        for (int k = 0; k < kZcPageChannels; ++k) {
            const int block = ZcEnergyBlockRegister(k, kZcViewBasic);
            const int energy = kIdxZcEnergy + kZcBlockSlots * k;
            const auto u = static_cast<std::size_t>(k);
            t[2 * u] = {static_cast<int16_t>(energy), static_cast<uint16_t>(block),
                        kTextsEnergy1 + 1, 0};  // "Active in"
            t[2 * u + 1] = {static_cast<int16_t>(energy + 1),
                            static_cast<uint16_t>(block + kReactiveLagRegisterOffset),
                            kTextsEnergy1 + 3, 0};  // "Reactive LAG"
            t[kEnergyEntries + u] = {static_cast<int16_t>(kIdxZcCounts + kZcBlockSlots * k),
                                     static_cast<uint16_t>(block + kZcModuleOffset),
                                     kTextCounterGroup, 0};  // "Counter"
        }
        return t;
    }();
    return table;
}

bool IsCount(const PresetEntry& entry) {
    return entry.index >= kIdxZcCounts;
}

}  // namespace

std::span<const PresetEntry> ZcPresetTable() {
    return Table();
}

const PresetEntry* FindZcPresetEntry(int index) {
    for (const PresetEntry& e : Table())
        if (e.index == index) return &e;
    return nullptr;
}

int ZcPresetRegister(const PresetEntry& entry, int view) {
    return entry.address + (view == kZcViewExtension && !IsCount(entry) ? kZcModuleOffset : 0);
}

int64_t ParseZcPresetInput(const PresetEntry& entry, int view, const std::string& text) {
    const int64_t scale = view == kZcViewDiscrete ? kCountScale : kEnergyScale;
    return ParseScaledValue(text, 0, kPresetMax, scale, entry.labelId);
}

void PresetZcValue(CModbusInterface& client, CMeasurandsKT2& store, const PresetEntry& entry,
                   int view, int64_t value) {
    const auto word = static_cast<uint32_t>(value);
    WriteZcPreset(client, ZcPresetRegister(entry, view), word);
    store.SetValue(entry.index, static_cast<int32_t>(word));
}

}  // namespace voltaro
