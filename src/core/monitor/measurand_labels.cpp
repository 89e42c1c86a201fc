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

// The meter index whose name a ZC value shares: the common values (voltages 1-2, 2-3,
// 3-1, 1, 2, 3, sum, frequency), a channel's currents (1, 2, 3, N, sum) and its powers
// (P1 .. P3, P, Q1 .. Q3, Q, S1 .. S3, S, PF1 .. PF3, PF).
constexpr int kZcCommonNames[kZcCommonCount] = {12,           13, 14, 15, 16, 17, kIdxVoltageSum,
                                                kIdxFrequency};
constexpr int kZcCurrentValues = 5;
constexpr int kZcCurrentNames[kZcCurrentValues] = {8, 9, 10, 11, kIdxCurrentSum};
constexpr int kZcPowerValues = 16;
constexpr int kZcPowerNames[kZcPowerValues] = {18, 19, 20, 2, 21, 22, 23, 3,
                                               24, 25, 26, 4, 27, 28, 29, kIdxPowerFactorSum};
// Demand slots of a channel's 60: present current demands (sum, 1, 2, 3, N) from 2, power
// demands (P, Q, S) from 9, then maximum and minimum records of three slots each.
constexpr int kZcDemandCurrentSlot = 2;
constexpr int kZcDemandPowerSlot = 9;
constexpr int kZcMaxDemandSlot = 12;
constexpr int kZcMinDemandSlot = 36;
constexpr int kZcDemandRecordSlots = 3;
constexpr int kZcDemandRecords = 8;
constexpr int kZcActiveInSlot = 0;
constexpr int kZcReactiveLagSlot = 1;
constexpr int kActiveInText = kTextsEnergy1 + 1;
constexpr int kReactiveLagText = kTextsEnergy1 + 3;

// Trend, Max or Min (part 0, 1, 2) of a name.
std::string OfPart(int part, const std::string& name) {
    if (part == 1) return Named(kTextMaxName, name);
    if (part == 2) return Named(kTextMinName, name);
    return name;
}

// The name of slot s of an energy or count block; empty for the unused slots.
std::string BlockSlotName(int s, bool counts) {
    if (s == kZcActiveInSlot) return LoadString(counts ? kTextCounterGroup : kActiveInText);
    if (s == kZcReactiveLagSlot && !counts) return LoadString(kReactiveLagText);
    if (s == kZcLatestHourSlot) return LoadString(kTextsTrendColumn);
    if (s >= kZcFirstHourSlot) return LoadString(kTextsHourRange + s - kZcFirstHourSlot);
    return "";
}

std::string DemandSlotName(int s) {
    if (s >= kZcDemandCurrentSlot && s < kZcDemandCurrentSlot + kDemandCurrentCount)
        return Named(kTextDemandName, LoadString(kDemandNames[s - kZcDemandCurrentSlot]));
    if (s >= kZcDemandPowerSlot && s < kZcDemandPowerSlot + kDemandPowerCount)
        return Named(kTextDemandName,
                     LoadString(kDemandNames[kDemandCurrentCount + s - kZcDemandPowerSlot]));
    for (int part = 0; part < 2; ++part) {
        const int first = part == 0 ? kZcMaxDemandSlot : kZcMinDemandSlot;
        const int record = s - first;
        if (record >= 0 && record < kZcDemandRecords * kZcDemandRecordSlots &&
            record % kZcDemandRecordSlots == 0)
            return Named(part == 0 ? kTextMaxDemandName : kTextMinDemandName,
                         LoadString(kDemandNames[record / kZcDemandRecordSlots]));
    }
    return "";
}

// The name of a page channel's slot without the channel; empty when it has none.
std::string ZcChannelSlotName(int index, bool& counts, int& k) {
    counts = false;
    const int energyEnd = kIdxZcEnergy + kZcPageChannels * kZcBlockSlots;
    const int countsEnd = kIdxZcCounts + kZcPageChannels * kZcBlockSlots;
    const int currentsEnd = kIdxZcCurrents + kZcPageChannels * kZcCurrentSlots;
    const int powersEnd = kIdxZcPowers + kZcPageChannels * kZcPowerSlots;
    const int demandEnd = kIdxZcDemand + kZcPageChannels * kZcDemandSlots;
    if (index >= kIdxZcEnergy && index < energyEnd) {
        k = (index - kIdxZcEnergy) / kZcBlockSlots;
        return BlockSlotName((index - kIdxZcEnergy) % kZcBlockSlots, false);
    }
    if (index >= kIdxZcCounts && index < countsEnd) {
        counts = true;
        k = (index - kIdxZcCounts) / kZcBlockSlots;
        return BlockSlotName((index - kIdxZcCounts) % kZcBlockSlots, true);
    }
    if (index >= kIdxZcCurrents && index < currentsEnd) {
        k = (index - kIdxZcCurrents) / kZcCurrentSlots;
        const int j = (index - kIdxZcCurrents) % kZcCurrentSlots;
        return OfPart(j / kZcCurrentValues, InstantName(kZcCurrentNames[j % kZcCurrentValues]));
    }
    if (index >= kIdxZcPowers && index < powersEnd) {
        k = (index - kIdxZcPowers) / kZcPowerSlots;
        const int j = (index - kIdxZcPowers) % kZcPowerSlots;
        return OfPart(j / kZcPowerValues, InstantName(kZcPowerNames[j % kZcPowerValues]));
    }
    if (index >= kIdxZcDemand && index < demandEnd) {
        k = (index - kIdxZcDemand) / kZcDemandSlots;
        return DemandSlotName((index - kIdxZcDemand) % kZcDemandSlots);
    }
    return "";
}

}  // namespace

std::string ZcMeasurandLabel(int index, int firstChannel) {
    const int commonEnd = kIdxZcCommon + 3 * kZcCommonCount;
    if (index >= kIdxZcCommon && index < commonEnd) {
        const int j = index - kIdxZcCommon;
        return OfPart(j / kZcCommonCount, InstantName(kZcCommonNames[j % kZcCommonCount]));
    }
    if (index == kIdxDeviceDate) return LoadString(kTextDeviceDateName);
    if (index == kIdxDeviceTime) return LoadString(kTextDeviceTimeName);
    bool counts = false;
    int k = 0;
    const std::string name = ZcChannelSlotName(index, counts, k);
    if (name.empty()) return MeasurandLabel(index);
    const std::string channel =
        LoadString(counts ? kTextsDiscreteInput + k : InputLabelId(firstChannel + k + 1));
    return FormatMessageId(kTextZcChannelName, {channel, name});
}

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
