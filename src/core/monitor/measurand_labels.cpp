#include "core/monitor/measurand_labels.h"

#include "core/monitor/measurand_store.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

// The names of the harmonic sets, as the THD grid labels its rows.
constexpr int kHarmonicSetNames[kHarmonicSetCount] = {
    kTextsDemandRow,    kTextsDemandRow + 1, kTextsDemandRow + 2,
    kTextsQuantity + 7,  // "N. current"
    kTextsVoltage + 3,  kTextsVoltage + 4,   kTextsVoltage + 5,
    kTextsVoltage,      kTextsVoltage + 1,   kTextsVoltage + 2};
// The names of the demand values: current sum, I1, I2, I3, IN; P, Q, S.
constexpr int kDemandNames[kDemandCurrentCount + kDemandPowerCount] = {
    kTextsMeasurandName + kIdxCurrentSum,         kTextsMeasurandName + kIdxCurrent1,
    kTextsMeasurandName + kIdxCurrent1 + 1,       kTextsMeasurandName + kIdxCurrent1 + 2,
    kTextsMeasurandName + kIdxCurrent1 + 3,       kTextsMeasurandName + kIdxActivePowerSum,
    kTextsMeasurandName + kIdxActivePowerSum + 1, kTextsMeasurandName + kIdxActivePowerSum + 2};
// The device-information names of the derived indexes 1701 .. 1706.
constexpr int kDerivedNames[] = {kTextsDeviceInfo + 4, kTextsDeviceInfo + 0, kTextsDeviceInfo + 1,
                                 kTextsDeviceInfo + 3, kTextsDeviceInfo + 5, kTextsDeviceInfo + 2};

std::string Named(int prefixId, const std::string& name) {
    return FormatMessageId(prefixId, {name});
}

std::string InstantName(int index) {
    return LoadString(kTextsMeasurandName + index);
}

std::string DemandName(int slot) {
    // slot: 0 .. 24 currents (5 per record), or 100 + 0 .. 14 powers (3 per record).
    const bool power = slot >= 100;
    const int per = power ? kDemandPowerCount : kDemandCurrentCount;
    const int within = (power ? slot - 100 : slot) % per;
    const int record = (power ? slot - 100 : slot) / per;
    const std::string name = LoadString(kDemandNames[(power ? kDemandCurrentCount : 0) + within]);
    if (record == 0) return Named(kTextDemandName, name);
    return FormatMessageId(kTextDemandHistoryName, {record, name});
}

}  // namespace

std::string MeasurandLabel(int index) {
    if (index >= 0 && index < kInstantaneousCount) return InstantName(index);
    if (index >= kIdxEnergySet1 && index < kIdxEnergyFraction1) {
        const bool first = index < kIdxEnergySet2;
        const int offset = index - (first ? kIdxEnergySet1 : kIdxEnergySet2);
        return Named(first ? kTextTariff1Name : kTextTariff2Name,
                     LoadString(kTextsEnergyName + offset));
    }
    if (index >= kIdxDemandCurrent && index < kIdxDemandPower)
        return DemandName(index - kIdxDemandCurrent);
    if (index >= kIdxDemandPower && index < kIdxMaximum)
        return DemandName(100 + index - kIdxDemandPower);
    if (index >= kIdxMaximum && index <= kIdxMaximum + kIdxFrequency)
        return Named(kTextMaxName, InstantName(index - kIdxMaximum));
    if (index >= kIdxMaximumPhase && index < kIdxMaximumThd)
        return Named(kTextMaxName, InstantName(kIdxCurrent1 + index - kIdxMaximumPhase));
    if (index >= kIdxMaximumThd && index < kIdxMaxDemandCurrent)
        return Named(kTextMaxThdName, LoadString(kHarmonicSetNames[index - kIdxMaximumThd]));
    if (index >= kIdxMaxDemandCurrent && index < kIdxMaxDemandPower)
        return Named(kTextMaxDemandName, LoadString(kDemandNames[index - kIdxMaxDemandCurrent]));
    if (index >= kIdxMaxDemandPower && index < kIdxMinimum)
        return Named(kTextMaxDemandName,
                     LoadString(kTextsMaxDemandPowerName + index - kIdxMaxDemandPower));
    if (index >= kIdxMinimum && index <= kIdxMinimum + kIdxFrequency)
        return Named(kTextMinName, InstantName(index - kIdxMinimum));
    if (index >= kIdxMinimumPhase && index < kIdxThd)
        return Named(kTextMinName, InstantName(kIdxCurrent1 + index - kIdxMinimumPhase));
    if (index >= kIdxThd && index < kIdxCounter1)
        return Named(kTextThdName, LoadString(kHarmonicSetNames[index - kIdxThd]));
    if (index >= kIdxCounter1 && index < kIdxCounter1 + kCounterCount)
        return LoadString(kTextsCounter + index - kIdxCounter1);
    if (index >= kIdxModelName && index <= kIdxTagNumber)
        return LoadString(kDerivedNames[index - kIdxModelName]);
    if (index >= kIdxAnalogOutput1 && index < kIdxAnalogOutput1 + kAnalogOutputCount)
        return LoadString(kTextsAnalogOutput + index - kIdxAnalogOutput1);
    return FormatMessageId(kTextIndexName, {index});
}

std::string HarmonicSetName(int set) {
    if (set < 0 || set >= kHarmonicSetCount) return "";
    return LoadString(kHarmonicSetNames[set]);
}

}  // namespace voltaro
