#pragma once
// Presetting an energy or a discrete-input count of a ZC device: the table of what may be
// preset, the check of the typed value (one decimal for energies, an integer for counts)
// and the write as one register pair.
#include <cstdint>
#include <span>
#include <string>

#include "core/monitor/energy_preset.h"

namespace voltaro {

class CModbusInterface;
class CMeasurandsKT2;

// 24 entries {index, register of the basic module, label, 0}: "Active in" and
// "Reactive LAG" of page channels 0 .. 7, then their discrete-input counts.
std::span<const PresetEntry> ZcPresetTable();
// The entry of a measurand index, or nullptr.
const PresetEntry* FindZcPresetEntry(int index);

// The register a preset of entry writes in a module view (+1024 for the energies of the
// extension module).
int ZcPresetRegister(const PresetEntry& entry, int view);
// Checks the typed text: scale 10 in views 0 and 1, an integer in view 2, 0 .. 999999999
// scaled. Throws CPrivateException with the input check's message naming the label.
int64_t ParseZcPresetInput(const PresetEntry& entry, int view, const std::string& text);

// Writes value (the lock, the link open, one pair, low half first) and on success puts
// it into the store's slot. Modbus failures throw and leave the store unchanged.
void PresetZcValue(CModbusInterface& client, CMeasurandsKT2& store, const PresetEntry& entry,
                   int view, int64_t value);

}  // namespace voltaro
