#pragma once
// The results of a fleet run as people read them (a table and a summary line) and as
// programs read them (JSON).
#include <string>
#include <vector>

#include "core/app/fleet_run.h"

namespace voltaro {

struct FleetCounts {
    int ok = 0;
    int failed = 0;
    int differs = 0;
    int notRun = 0;  // cancelled or not started
};
FleetCounts CountFleetResults(const std::vector<FleetResult>& results);

// The outcome in the user's language, and its fixed name in the JSON report.
std::string FleetOutcomeText(FleetOutcome outcome);
const char* FleetOutcomeName(FleetOutcome outcome);

// A message on one line: line breaks become blanks.
std::string FleetOneLine(const std::string& text);

// The table (device, result, time, message; columns aligned) followed by the summary line.
std::vector<std::string> FleetSummaryLines(const std::vector<FleetResult>& results);

// {"command": ..., "fleet": ..., "devices": [{"device", "result", "seconds", "message"}...],
//  "summary": {"devices", "ok", "failed", "differs", "not_run"}}
std::string FleetReportJson(const std::string& command, const std::string& fleetPath,
                            const std::vector<FleetResult>& results);

}  // namespace voltaro
