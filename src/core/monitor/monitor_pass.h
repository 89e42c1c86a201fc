#pragma once
// One pass over everything a monitor window can show, for callers without a window (the
// command line), under the client's lock with the link open for the whole pass: for a
// meter or ZB device commands 1 to 7, 9 and 10 of the meter monitor plus the harmonic sets
// asked for; for a ZC device one page or one channel's detail (zc_pass.h). Also the list
// of what a pass read, with labels and texts, for machine-readable output.
#include <atomic>
#include <string>
#include <vector>

#include "core/monitor/monitor_commands.h"

namespace voltaro {

struct MonitorPassOptions {
    int channel = 0;                // 1: the second input of a 2-input device
    std::vector<int> harmonicSets;  // 0 .. 9, read after the other commands
    // A ZC device: the extension module's page instead of the basic module's, or the
    // detail of one channel (0 .. 15) instead of either.
    bool zcExtension = false;
    int zcDetailChannel = -1;
};

struct MonitorPassResult {
    bool ok = false;
    std::string error;         // the failure's message when not ok (empty for a Cancel)
    bool zcDevice = false;     // a ZC device: read by the ZC pass (zc_pass.h)
    int zcView = -1;           // the module view a ZC page pass read (ZcModuleView)
    int zcFirstChannel = -1;   // the channel that page channel 0 held (ZcMeasurandLabel)
    int refusal = 0;           // a message id: the options do not fit the device, which
                               // was identified only
    std::vector<int> indexes;  // every measurand index the pass filled, ascending
    MonitorCommandState state;
};

// The name of an index as this pass filled it: MeasurandLabel, or ZcMeasurandLabel for
// a ZC pass.
std::string PassMeasurandLabel(const MonitorPassResult& result, int index);

// Runs one pass into store. Failures end the pass and are reported in the result, never
// thrown; the slots read before the failure keep their new values. A channel of 1 on a
// device with one measuring input reads the first input.
MonitorPassResult ReadMonitorPass(CModbusInterface& client, CMeasurandsKT2& store,
                                  const MonitorPassOptions& options,
                                  const std::atomic<bool>* stop = nullptr);

// The measurand indexes that a command fills (derived indexes for command 1 and 10).
std::vector<int> IndexesOfCommand(int command, const CDeviceType& type);
// The indexes a meter pass fills for a device type (without harmonic sets), ascending.
std::vector<int> MeterPassIndexes(const CDeviceType& type);

struct MeasurandEntry {
    int index;
    std::string label;  // PassMeasurandLabel
    std::string text;   // FormatMeasurand
};
// The pass's indexes with their names and texts.
std::vector<MeasurandEntry> MeasurandEntries(const CMeasurandsKT2& store,
                                             const MonitorPassResult& result);

}  // namespace voltaro
