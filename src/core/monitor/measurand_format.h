#pragma once
// Turning a store and a measurand index into the text of a grid cell. Every index has one
// decoding rule (its kind) in a fixed table of 1712 entries; derived indexes (model name,
// firmware, serial, support information, passcode state, tag, analogue outputs) are made
// from the store's identity fields. Numbers use a dot decimal whatever the locale; no
// unit and no decimal prefix is added.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/model/cell_binding.h"
#include "core/monitor/measurand_store.h"

namespace voltaro {

enum MeasurandKind : int8_t {
    kKindCurrent = 0,       // v / 1000, 3 decimals
    kKindVoltage = 1,       // v / 100, 2 decimals
    kKindActive = 2,        // v
    kKindReactive = 3,      // v
    kKindApparent = 4,      // v
    kKindPowerFactor = 5,   // v / 10000, 4 decimals
    kKindFrequency = 6,     // v / 100, 2 decimals
    kKindLeadLag = 7,       // "lead" when v is not 0, else "lag"
    kKindActiveEnergy = 8,  // value and fraction word, 4 decimals
    kKindReactiveEnergy = 9,
    kKindApparentEnergy = 10,
    kKindOperatingTime = 11,  // v / 10, 1 decimal
    kKindPercent = 12,        // v / 10, 1 decimal (THD and percentages)
    kKindCounter = 13,        // v
    kKindAnalogOutput = 14,   // 1707 .. 1710
    kKindZcEnergy = 15,       // v / 10, 1 decimal
    kKindDate = 16,           // BCD "20YY/MM/DD"
    kKindTime = 17,           // BCD "hh:mm:ss" (hour from the preceding slot)
    kKindBlank = 18,          // empty text
};

// The kind of index; kKindBlank outside 0 .. 1711.
MeasurandKind MeasurandKindOf(int index);

// The text of index in store; never fails. Blank and derived indexes whose condition
// fails (an analogue output beyond the count, an unknown device id) give empty text.
std::string FormatMeasurand(const CMeasurandsKT2& store, int index);

// An energy value: whole in tenths, fraction an unsigned 2^-32 share of a tenth, shown
// with 4 decimals (fraction 2147483648 adds 0.0500).
std::string EnergyText(int32_t whole, uint32_t fraction);

// The value of index scaled to its unit (amperes, volts, watts, hertz, percent, ...) for the
// kinds shown as plain numbers (currents, voltages, frequency, powers, power factor,
// percentages, counters, operating time, ZC energy); nothing for energies, texts and
// blanks.
std::optional<double> MeasurandNumber(const CMeasurandsKT2& store, int index);
// The decimals FormatMeasurand shows for such a number (0 for other kinds).
int MeasurandDecimals(int index);

// The value of index as a plain number for a log file: the text of FormatMeasurand for
// numeric kinds, 1 or 0 for lead/lag, empty for texts that are not numbers.
std::string MeasurandNumberText(const CMeasurandsKT2& store, int index);

// The cells of a value list with their texts, in list order: what a grid shows after
// clearing its cells (a later entry for the same cell does not replace the first).
struct MeasurandCell {
    int column;
    int row;
    std::string text;
};
std::vector<MeasurandCell> MeasurandCellTexts(const CMeasurandsKT2& store,
                                              std::span<const CellBinding> values);

// A number with a fixed count of decimals and a dot decimal in any locale ("%.Nf").
std::string FixedText(double value, int decimals);

}  // namespace voltaro
