#include "core/monitor/zc_registers.h"

#include "core/model/device_registers.h"
#include "core/monitor/measurand_store.h"

namespace voltaro {
namespace {

constexpr RegisterBlock kEnd{-1, 0, 0};
constexpr int kPresentCurrents = 3;  // I1, I2, I3 of the main page
constexpr int kCurrentValues = 5;    // I1, I2, I3, IN, sum
constexpr int kPowerValues = 16;     // P, Q, S, PF: three phases and sum each
constexpr int kMaxCurrentOffset = 10;
constexpr int kMinCurrentOffset = 20;
constexpr int kMaxPowerOffset = 32;
constexpr int kMinPowerOffset = 64;
constexpr int kDemandValues = 4;
constexpr int kDemandRecords = 8;
constexpr int kDemandRecordSlots = 3;  // value, date, time
// Slots of page channel 0's demand area.
constexpr int kIdxTrendDemandCurrent = kIdxZcDemand + 2;                            // 1220
constexpr int kIdxTrendDemandPower = kIdxZcDemand + 9;                              // 1227
constexpr int kIdxMaxDemand = kIdxZcDemand + 12;                                    // 1230
constexpr int kIdxMinDemand = kIdxMaxDemand + kDemandRecords * kDemandRecordSlots;  // 1254

int CurrentRegister(int a) {
    return kZcCurrentRegister + kZcCurrentChannelDistance * a;
}
int PowerRegister(int a) {
    return kZcPowerRegister + kZcPowerChannelDistance * a;
}

}  // namespace

int ZcChannelOffset(int view) {
    return view == kZcViewBasic ? 0 : kZcPageChannels;
}

int ZcExtensionView(const CDeviceType& type) {
    constexpr uint16_t kExtensionInputs = 16;
    constexpr uint16_t kDiscreteInputModule = 8;  // in the counters word
    if (type.ioConfig[kIoCounters] == kDiscreteInputModule) return kZcViewDiscrete;
    if (type.ioConfig[kIoMeasuringInputs] == kExtensionInputs) return kZcViewExtension;
    return -1;
}

int ZcEnergyBlockRegister(int k, int view) {
    return kZcEnergyRegister + 64 * (k % 2) + 256 * (k / 2) +
           (view == kZcViewBasic ? 0 : kZcModuleOffset);
}

std::vector<RegisterBlock> ZcMonitorRegisterList(int view) {
    std::vector<RegisterBlock> list;
    for (int k = 0; k < kZcPageChannels; ++k) {
        const int block = ZcEnergyBlockRegister(k, view);
        if (view == kZcViewDiscrete) {
            list.push_back({block, kZcBlockSlots, kIdxZcCounts + kZcBlockSlots * k});
            continue;
        }
        const int a = ZcChannelOffset(view) + k;
        list.push_back({block, kZcBlockSlots, kIdxZcEnergy + kZcBlockSlots * k});
        list.push_back(
            {CurrentRegister(a), kPresentCurrents, kIdxZcCurrents + kZcCurrentSlots * k});
        list.push_back({PowerRegister(a), kPowerValues, kIdxZcPowers + kZcPowerSlots * k});
    }
    list.push_back(kEnd);
    return list;
}

std::vector<RegisterBlock> ZcDetailRegisterList(int read, int a) {
    const int common = kZcCommonRegister + kZcCommonBlockDistance * read;
    const int currentOffset = read == kZcDetailTrend ? 0
                              : read == kZcDetailMax ? kMaxCurrentOffset
                                                     : kMinCurrentOffset;
    const int powerOffset = read == kZcDetailTrend ? 0
                            : read == kZcDetailMax ? kMaxPowerOffset
                                                   : kMinPowerOffset;
    std::vector<RegisterBlock> list{
        {common, kZcCommonCount, kIdxZcCommon + kZcCommonCount * read},
        {CurrentRegister(a) + currentOffset, kCurrentValues,
         kIdxZcCurrents + kCurrentValues * read},
        {PowerRegister(a) + powerOffset, kPowerValues, kIdxZcPowers + kPowerValues * read}};
    const int demand = kZcDemandChannelDistance * a;
    if (read == kZcDetailTrend) {
        list.push_back({kZcDemandRegister + demand, kDemandValues, kIdxTrendDemandCurrent});
        list.push_back({kZcDemandPowerRegister + demand, kDemandValues, kIdxTrendDemandPower});
    } else {
        const int first = read == kZcDetailMax ? kZcMaxDemandRegister : kZcMinDemandRegister;
        const int slot = read == kZcDetailMax ? kIdxMaxDemand : kIdxMinDemand;
        for (int j = 0; j < kDemandRecords; ++j)
            list.push_back(
                {first + demand + kZcDemandRecordDistance * j, 1, slot + kDemandRecordSlots * j});
    }
    list.push_back(kEnd);
    return list;
}

std::vector<RegisterBlock> ZcPresetRegisterList(int view) {
    std::vector<RegisterBlock> list;
    for (int k = 0; k < kZcPageChannels; ++k) {
        const int block = ZcEnergyBlockRegister(k, view);
        if (view == kZcViewDiscrete)
            list.push_back({block, 1, kIdxZcCounts + kZcBlockSlots * k});
        else
            list.push_back({block, 2, kIdxZcEnergy + kZcBlockSlots * k});
    }
    list.push_back(kEnd);
    return list;
}

int ZcHarmonicSetRegister(int set, int channel) {
    constexpr int kCurrentSets = 4;
    if (set < kCurrentSets)
        return (kZcCurrentHarmonicsBase + set + kCurrentSets * channel) * kZcHarmonicsStride;
    return (kZcVoltageHarmonicsBase + set) * kZcHarmonicsStride;
}

int ZcResetRegisterOf(int channel) {
    return kZcResetRegister + channel;
}

}  // namespace voltaro
