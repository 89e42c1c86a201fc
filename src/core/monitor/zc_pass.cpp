#include "core/monitor/zc_pass.h"

#include <algorithm>

#include "core/comm/modbus_interface.h"
#include "core/model/device_registers.h"
#include "core/monitor/zc_reads.h"
#include "core/monitor/zc_registers.h"
#include "core/platform/cancelled.h"
#include "core/platform/message_ids.h"

namespace voltaro {
namespace {

constexpr bool kZcSwap = false;  // the ZC series keeps the low half first
constexpr int kProtectionRegisters = 2;
constexpr int kCurrentValues = 5;
constexpr int kPowerValues = 16;
constexpr int kPageCurrents = 3;  // I1, I2, I3 on the main page
// The demand slots of page channel 0 that a detail pass fills.
constexpr int kIdxTrendDemandCurrent = kIdxZcDemand + 2;  // sum, I1, I2, I3
constexpr int kTrendDemandCurrents = 4;
constexpr int kIdxTrendDemandPower = kIdxZcDemand + 9;  // P, Q, S
constexpr int kTrendDemandPowers = 3;
constexpr int kIdxMaxDemand = kIdxZcDemand + 12;  // 8 records of 3 slots, then the minima
constexpr int kDemandRecords = 8;
constexpr int kDemandRecordSlots = 3;

void AddRange(std::vector<int>& out, int first, int count) {
    for (int i = 0; i < count; ++i)
        out.push_back(first + i);
}

// The slots of a channel's energy or count block that the main page shows.
void AddBlock(std::vector<int>& out, int first, bool counts) {
    out.push_back(first);
    if (!counts) out.push_back(first + 1);
    out.push_back(first + kZcLatestHourSlot);
    AddRange(out, first + kZcFirstHourSlot, kZcHours);
}

void ReadIdentity(CModbusInterface& client, CMeasurandsKT2& store) {
    uint16_t identification[kIdentificationRegisters] = {};
    client.ReadHoldingRegisters(kDeviceIdRegister, kIdentificationRegisters, identification);
    store.SetIdentityRegisters(identification);
    store.SetExtensionRegisters(&identification[kExtensionIdRegister - kDeviceIdRegister]);
    uint16_t protection[kProtectionRegisters] = {};  // low half first
    client.ReadHoldingRegisters(kZcProtectionRegister, kProtectionRegisters, protection);
    store.supportInfo = static_cast<uint32_t>(protection[1]) << 16 | protection[0];
}

int Refusal(const MonitorPassOptions& options, const CDeviceType& type) {
    if (options.channel != 0) return kMsgZcMonitorChannel;
    if (options.zcDetailChannel >= 0)
        return options.zcDetailChannel < type.ioConfig[kIoMeasuringInputs]
                   ? 0
                   : kMsgZcDetailBeyondInputs;
    if (!options.harmonicSets.empty()) return kMsgZcHarmonicsNeedDetail;
    if (options.zcExtension && ZcExtensionView(type) < 0) return kMsgZcNoExtensionModule;
    return 0;
}

}  // namespace

std::vector<int> ZcPassIndexes(int view, bool detail) {
    std::vector<int> out;
    AddRange(out, kIdxModelName, kIdxTagNumber - kIdxModelName + 1);
    if (detail) {
        for (int read = 0; read < kZcDetailReadCount; ++read) {
            AddRange(out, kIdxZcCommon + kZcCommonCount * read, kZcCommonCount);
            AddRange(out, kIdxZcCurrents + kCurrentValues * read, kCurrentValues);
            AddRange(out, kIdxZcPowers + kPowerValues * read, kPowerValues);
        }
        AddRange(out, kIdxTrendDemandCurrent, kTrendDemandCurrents);
        AddRange(out, kIdxTrendDemandPower, kTrendDemandPowers);
        for (int j = 0; j < 2 * kDemandRecords; ++j)
            out.push_back(kIdxMaxDemand + kDemandRecordSlots * j);
        AddRange(out, kIdxMaximumThd, kHarmonicSetCount);
        AddRange(out, kIdxThd, kHarmonicSetCount);
    } else {
        for (int k = 0; k < kZcPageChannels; ++k) {
            if (view == kZcViewDiscrete) {
                AddBlock(out, kIdxZcCounts + kZcBlockSlots * k, true);
                continue;
            }
            AddBlock(out, kIdxZcEnergy + kZcBlockSlots * k, false);
            AddRange(out, kIdxZcCurrents + kZcCurrentSlots * k, kPageCurrents);
            AddRange(out, kIdxZcPowers + kZcPowerSlots * k, kPowerValues);
        }
        out.push_back(kIdxDeviceDate);
        out.push_back(kIdxDeviceTime);
    }
    std::sort(out.begin(), out.end());
    return out;
}

void ReadZcPass(CModbusInterface& client, CMeasurandsKT2& store, const MonitorPassOptions& options,
                MonitorPassResult& result, const std::atomic<bool>* stop) {
    const auto check = [&] {
        if (stop != nullptr && stop->load()) throw CCancelled();
    };
    const CDeviceType& type = result.state.deviceType;
    result.refusal = Refusal(options, type);
    if (result.refusal != 0) return;
    ReadIdentity(client, store);
    const int channel = options.zcDetailChannel;
    if (channel >= 0) {
        for (int read = 0; read < kZcDetailReadCount; ++read) {
            check();
            ReadZcDetailValues(client, store, read, channel);
        }
        // The THD grid comes with every set; without sets it is read alone.
        const std::vector<int> sets =
            options.harmonicSets.empty() ? std::vector<int>{-1} : options.harmonicSets;
        for (int set : sets) {
            check();
            ReadZcDetailThd(client, store, channel, set);
        }
        result.zcFirstChannel = channel;
    } else {
        const int view = options.zcExtension ? ZcExtensionView(type) : kZcViewBasic;
        check();
        const std::vector<RegisterBlock> list = ZcMonitorRegisterList(view);
        client.ReadRegisterList(list.data(), store.Slots(), kZcSwap);
        ReadZcClock(client, store);
        result.zcView = view;
        result.zcFirstChannel = ZcChannelOffset(view);
    }
    result.indexes = ZcPassIndexes(result.zcView, channel >= 0);
}

}  // namespace voltaro
