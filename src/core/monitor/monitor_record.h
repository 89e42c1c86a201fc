#pragma once
// What one monitor pass gives to machine-readable output: a JSON object per pass (JSON
// Lines) and the columns and rows of a CSV log. Texts are FormatMeasurand's; log fields
// are plain numbers with a dot decimal.
#include <string>
#include <vector>

#include "core/monitor/measurand_store.h"
#include "core/monitor/monitor_pass.h"

namespace voltaro {

// A harmonic word (0.1 % of the fundamental) as a number with one decimal ("3.5").
std::string HarmonicPercentText(uint16_t word);

// One pass as one line of JSON (no line end):
//   {"time": ..., "ok": true|false, "error": text|null, "channel": 1|2,
//    for a ZC device instead of "channel": "module": "basic"|"extension"|"discrete"|null and
//    "detail": channel 1 .. 16|null,
//    "device": {"model", "firmware", "serial", "tag", "passcode_state"} | null,
//    "values": [{"index", "name", "text"}, ...],
//    "harmonics": [{"set", "name", "percent": [order 2 .. 31]}, ...]}
// "values" lists every index the pass read (also a failed pass's, up to the failure);
// "device" is null when the pass did not read the identity; "harmonics" is present when
// sets were asked for and empty unless the pass read them all.
std::string MonitorPassJson(const std::string& time, const MonitorPassResult& result,
                            const CMeasurandsKT2& store, const std::vector<int>& harmonicSets);

// The columns of a log: the numeric measurands a pass read (every index but the identity
// texts) and the harmonic sets read, each set as 30 columns of orders 2 .. 31.
struct MonitorLogColumns {
    std::vector<int> indexes;
    std::vector<int> harmonicSets;
    bool zc = false;       // named as a ZC pass names them, with
    int firstChannel = 0;  // the channel of page channel 0
};
MonitorLogColumns LogColumnsOfPass(const MonitorPassResult& result,
                                   const std::vector<int>& harmonicSets);
// "time", then the names of the columns (PassMeasurandLabel; "<set> harmonic <order>").
std::vector<std::string> MonitorLogHeader(const MonitorLogColumns& columns);
// time, then the value of every column (MeasurandNumberText; HarmonicPercentText).
std::vector<std::string> MonitorLogRow(const std::string& time, const CMeasurandsKT2& store,
                                       const MonitorLogColumns& columns);

}  // namespace voltaro
