#pragma once
// Presetting an energy register, the operating time or a counter: the table of what may
// be preset, the check of the typed value, the arithmetic that turns it into a value word
// and a fraction word, and the write sequence (with the maintenance unlock and relock).
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace voltaro {

class CModbusInterface;
class CMeasurandsKT2;
class IPasscodeInteraction;

enum PresetKind : int16_t {
    kPresetTime = 1,          // x 10, fraction word 0
    kPresetEnergy = 2,        // x 10000, value and fraction word
    kPresetSignedEnergy = 3,  // as energy, may be negative
    kPresetCounter = 4,       // integer, no fraction word
};

struct PresetEntry {
    int16_t index;     // measurand index
    uint16_t address;  // value register of the first input
    int16_t labelId;   // string id of the value's label
    int16_t kind;      // PresetKind
};

// The 36 presettable values.
std::span<const PresetEntry> PresetTable();
// The entry of a measurand index, or nullptr.
const PresetEntry* FindPresetEntry(int index);

// The scale and the range of the scaled value of a kind.
struct PresetRange {
    int64_t scale;
    int64_t min;
    int64_t max;
};
PresetRange PresetRangeOf(int kind);

// Checks the typed text of entry and returns the scaled value (rounded half away from
// zero). A text that is no number, or a value out of range, throws CPrivateException
// with the numeric input check's message naming the entry's label.
int64_t ParsePresetInput(const PresetEntry& entry, const std::string& text);

// The words a scaled value is written as.
struct PresetWords {
    int32_t value = 0;      // at the value register
    uint32_t fraction = 0;  // at the value register + 64 (kinds 1 to 3)
    bool hasFraction = false;
};
PresetWords PresetWordsOf(int kind, int64_t scaled);

// Writes the words of entry to the device: takes the client's lock, for kinds 1 to 3
// first the maintenance unlock with code 2 (false when the user cancelled or the passcode
// did not match: nothing written), then the value pair and the fraction pair (registers
// + 4000 on channel 1), then the relock. Modbus failures throw; the lock is released and
// the link closed in every case.
bool WritePreset(CModbusInterface& client, IPasscodeInteraction& interaction,
                 const PresetEntry& entry, int channel, const PresetWords& words, bool swap);

// Puts written words into the store (the value slot; the fraction slot for kinds 2, 3).
void StorePresetWords(CMeasurandsKT2& store, const PresetEntry& entry, const PresetWords& words);

}  // namespace voltaro
