#pragma once
// The two block tables that tie ranges of parameter-image words to ranges of the
// device's holding registers: one for the meter and ZB types, one for the ZC series.
#include <cstdint>
#include <span>

namespace voltaro {

class CDeviceType;

struct ParameterBlock {
    int32_t address;    // first holding register
    int32_t count;      // number of values
    int32_t word;       // first image word
    int32_t kind;       // 0: 16-bit values; 1: 32-bit values (2 registers and 2 words each)
    int32_t endsGroup;  // 1: a download write request ends after this block
    int32_t reserved;   // always 0
    uint32_t featureMask;
    uint32_t familyMask;

    // Registers (and image words) the block covers.
    int Registers() const { return count * (kind + 1); }
    // Whether the block applies to a type with this 64-bit feature set
    // (family word high, feature word low).
    bool AppliesTo(uint64_t featureSet) const {
        return ((featureSet & 0xFFFFFFFFu) & featureMask) != 0 ||
               ((featureSet >> 32) & familyMask) != 0;
    }
};

std::span<const ParameterBlock> MeterBlockTable();  // 102 rows
std::span<const ParameterBlock> ZcBlockTable();     // 43 rows
// The ZC table for types of the ZC family, else the meter table.
std::span<const ParameterBlock> BlockTableFor(const CDeviceType& type);

// The holding register of image word in table (a block maps its words one to one onto its
// registers), or -1 when no block of the table holds the word.
int RegisterOfWord(std::span<const ParameterBlock> table, int word);

// Whether the DIP switches set the block's values on a device in DIP mode (so that the
// device refuses to have them written): the wiring system and the primary currents with
// their sensors, of every input on the ZC series (zcTable), of inputs 1 and 2 otherwise.
bool SetByDipSwitches(const ParameterBlock& block, bool zcTable);

}  // namespace voltaro
