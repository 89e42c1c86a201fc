#pragma once
// One pass over everything the meter monitor can show, for callers without a window (the
// command line): commands 1 to 7, 9 and 10, plus the harmonic sets asked for, under the
// client's lock with the link open for the whole pass. Also the list of what a pass read,
// with labels and texts, for machine-readable output.
#include <atomic>
#include <string>
#include <vector>

#include "core/monitor/monitor_commands.h"

namespace voltaro {

struct MonitorPassOptions {
    int channel = 0;                // 1: the second input of a 2-input device
    std::vector<int> harmonicSets;  // 0 .. 9, read after the other commands
};

struct MonitorPassResult {
    bool ok = false;
    std::string error;         // the failure's message when not ok (empty for a Cancel)
    bool zcDevice = false;     // a ZC device: identified only, nothing else read
    std::vector<int> indexes;  // every measurand index the pass filled, ascending
    MonitorCommandState state;
};

// Runs one pass into store. Failures end the pass and are reported in the result, never
// thrown; the slots read before the failure keep their new values. A channel of 1 on a
// device with one measuring input reads the first input.
MonitorPassResult ReadMonitorPass(CModbusInterface& client, CMeasurandsKT2& store,
                                  const MonitorPassOptions& options,
                                  const std::atomic<bool>* stop = nullptr);

// The measurand indexes that a command fills (derived indexes for command 1 and 10).
std::vector<int> IndexesOfCommand(int command, const CDeviceType& type);

struct MeasurandEntry {
    int index;
    std::string label;  // MeasurandLabel
    std::string text;   // FormatMeasurand
};
std::vector<MeasurandEntry> MeasurandEntries(const CMeasurandsKT2& store,
                                             const std::vector<int>& indexes);

}  // namespace voltaro
