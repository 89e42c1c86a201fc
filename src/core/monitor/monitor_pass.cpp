#include "core/monitor/monitor_pass.h"

#include <algorithm>

#include "core/comm/modbus_interface.h"
#include "core/monitor/measurand_format.h"
#include "core/monitor/measurand_labels.h"
#include "core/monitor/zc_pass.h"
#include "core/platform/cancelled.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/work/sync_objects.h"

namespace voltaro {
namespace {

void AddRange(std::vector<int>& out, int first, int count) {
    for (int i = 0; i < count; ++i)
        out.push_back(first + i);
}

// The commands of a pass, in order, before the harmonic sets.
constexpr int kPassCommands[] = {kCmdIdentity, kCmdInstantaneous, kCmdMaxima,
                                 kCmdMinima,   kCmdEnergy1,       kCmdEnergy2,
                                 kCmdThd,      kCmdCounters,      kCmdAnalogOutputs};

}  // namespace

std::vector<int> IndexesOfCommand(int command, const CDeviceType& type) {
    std::vector<int> out;
    switch (command) {
        case kCmdIdentity:
            AddRange(out, kIdxModelName, kIdxTagNumber - kIdxModelName + 1);
            break;
        case kCmdInstantaneous:
            AddRange(out, kIdxCurrentSum, kInstantaneousCount);
            AddRange(out, kIdxDemandCurrent, kIdxMaximum - kIdxDemandCurrent);
            break;
        case kCmdMaxima:
            AddRange(out, kIdxMaximum, kIdxFrequency + 1);
            AddRange(out, kIdxMaximumPhase, kIdxMaximumThd - kIdxMaximumPhase);
            AddRange(out, kIdxMaxDemandCurrent, kIdxMinimum - kIdxMaxDemandCurrent);
            break;
        case kCmdMinima:
            AddRange(out, kIdxMinimum, kIdxFrequency + 1);
            AddRange(out, kIdxMinimumPhase, kIdxThd - kIdxMinimumPhase);
            break;
        case kCmdEnergy1:
            AddRange(out, kIdxEnergySet1, kEnergySetSize);
            break;
        case kCmdEnergy2:
            AddRange(out, kIdxEnergySet2, kEnergySetSize);
            break;
        case kCmdThd:
            AddRange(out, kIdxThd, kHarmonicSetCount);
            AddRange(out, kIdxMaximumThd, kHarmonicSetCount);
            break;
        case kCmdCounters:
            AddRange(out, kIdxCounter1, std::min<int>(type.ioConfig[kIoCounters], kCounterCount));
            break;
        case kCmdAnalogOutputs:
            AddRange(out, kIdxAnalogOutput1,
                     std::min<int>(type.ioConfig[kIoAnalogOutputs], kAnalogOutputCount));
            break;
        default:
            break;
    }
    return out;
}

std::vector<int> MeterPassIndexes(const CDeviceType& type) {
    std::vector<int> out;
    for (int command : kPassCommands)
        for (int index : IndexesOfCommand(command, type))
            out.push_back(index);
    std::sort(out.begin(), out.end());
    return out;
}

MonitorPassResult ReadMonitorPass(CModbusInterface& client, CMeasurandsKT2& store,
                                  const MonitorPassOptions& options,
                                  const std::atomic<bool>* stop) {
    MonitorPassResult result;
    result.state.channel = options.channel;
    std::atomic<bool> running{true};
    const auto stopped = [&] { return stop != nullptr && stop->load(); };
    CAccessRight access(client);
    try {
        client.Open();
        for (int command : kPassCommands) {
            if (stopped()) throw CCancelled();
            ExecuteMonitorCommand(client, store, result.state, command, 0, &running);
            if (command == kCmdIdentity && IsZcDevice(result.state.deviceType)) {
                result.zcDevice = true;
                ReadZcPass(client, store, options, result, stop);
                break;
            }
            if (command == kCmdIdentity && (options.zcExtension || options.zcDetailChannel >= 0)) {
                result.refusal = kMsgZcOptionsNeedZc;
                break;
            }
            for (int index : IndexesOfCommand(command, result.state.deviceType))
                result.indexes.push_back(index);
        }
        const bool meterRead = !result.zcDevice && result.refusal == 0;
        for (int set : meterRead ? options.harmonicSets : std::vector<int>{}) {
            if (stopped()) throw CCancelled();
            ExecuteMonitorCommand(client, store, result.state, kCmdHarmonics, set, &running);
        }
        result.ok = true;
    } catch (const CPrivateException& e) {
        result.error = e.Message();
    } catch (const CCancelled&) {
        result.error.clear();
    }
    client.Close();
    if (result.refusal != 0) result.indexes.clear();
    std::sort(result.indexes.begin(), result.indexes.end());
    return result;
}

std::string PassMeasurandLabel(const MonitorPassResult& result, int index) {
    return result.zcDevice ? ZcMeasurandLabel(index, result.zcFirstChannel) : MeasurandLabel(index);
}

std::vector<MeasurandEntry> MeasurandEntries(const CMeasurandsKT2& store,
                                             const MonitorPassResult& result) {
    std::vector<MeasurandEntry> entries;
    entries.reserve(result.indexes.size());
    for (int index : result.indexes)
        entries.push_back(
            {index, PassMeasurandLabel(result, index), FormatMeasurand(store, index)});
    return entries;
}

}  // namespace voltaro
