#include "core/app/fleet_report.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/app/monitor_text_view.h"
#include "core/platform/fleet_text_ids.h"
#include "core/platform/json_text.h"
#include "core/platform/message_format.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", seconds);
    return text;
}

// Width of text on a terminal (TextWidth), as a size.
std::size_t Columns(const std::string& text) {
    return static_cast<std::size_t>(std::max(TextWidth(text), 0));
}

std::string Padded(const std::string& text, std::size_t width) {
    const std::size_t used = Columns(text);
    return text + std::string(width > used ? width - used : 0, ' ');
}

}  // namespace

FleetCounts CountFleetResults(const std::vector<FleetResult>& results) {
    FleetCounts counts;
    for (const FleetResult& r : results) {
        switch (r.outcome) {
            case FleetOutcome::kOk:
                ++counts.ok;
                break;
            case FleetOutcome::kFailed:
                ++counts.failed;
                break;
            case FleetOutcome::kDiffers:
                ++counts.differs;
                break;
            case FleetOutcome::kCancelled:
            case FleetOutcome::kNotStarted:
                ++counts.notRun;
                break;
        }
    }
    return counts;
}

std::string FleetOutcomeText(FleetOutcome outcome) {
    switch (outcome) {
        case FleetOutcome::kOk:
            return LoadString(kTextFleetOk);
        case FleetOutcome::kFailed:
            return LoadString(kTextFleetFailed);
        case FleetOutcome::kDiffers:
            return LoadString(kTextFleetDiffers);
        case FleetOutcome::kCancelled:
            return LoadString(kTextFleetCancelled);
        case FleetOutcome::kNotStarted:
            break;
    }
    return LoadString(kTextFleetNotStarted);
}

const char* FleetOutcomeName(FleetOutcome outcome) {
    switch (outcome) {
        case FleetOutcome::kOk:
            return "ok";
        case FleetOutcome::kFailed:
            return "failed";
        case FleetOutcome::kDiffers:
            return "differs";
        case FleetOutcome::kCancelled:
            return "cancelled";
        case FleetOutcome::kNotStarted:
            break;
    }
    return "not_started";
}

std::string FleetOneLine(const std::string& text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        line += c == '\r' || c == '\n' ? ' ' : c;
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

std::vector<std::string> FleetSummaryLines(const std::vector<FleetResult>& results) {
    std::vector<std::array<std::string, 4>> rows{
        {LoadString(kTextFleetHeadDevice), LoadString(kTextFleetHeadResult),
         LoadString(kTextFleetHeadTime), LoadString(kTextFleetHeadMessage)}};
    for (const FleetResult& r : results)
        rows.push_back({r.device, FleetOutcomeText(r.outcome),
                        r.outcome == FleetOutcome::kNotStarted ? "-" : Seconds(r.seconds),
                        FleetOneLine(r.message)});
    std::array<std::size_t, 3> widths{};
    for (const auto& row : rows)
        for (std::size_t c = 0; c < widths.size(); ++c)
            widths[c] = std::max(widths[c], Columns(row[c]));
    std::vector<std::string> lines;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < widths.size(); ++c)
            line += Padded(row[c], widths[c]) + "  ";
        line += row[3];
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    const FleetCounts counts = CountFleetResults(results);
    lines.push_back(
        FormatMessageId(kMsgFleetSummary, {static_cast<int>(results.size()), counts.ok,
                                           counts.failed, counts.differs, counts.notRun}));
    return lines;
}

std::string FleetReportJson(const std::string& command, const std::string& fleetPath,
                            const std::vector<FleetResult>& results) {
    std::string json = "{\n  \"command\": " + JsonString(command) +
                       ",\n  \"fleet\": " + JsonString(fleetPath) + ",\n  \"devices\": [";
    for (std::size_t i = 0; i < results.size(); ++i) {
        const FleetResult& r = results[i];
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.3f", r.seconds);
        json += std::string(i ? "," : "") + "\n    {\"device\": " + JsonString(r.device) +
                ", \"result\": \"" + FleetOutcomeName(r.outcome) + "\", \"seconds\": " + seconds +
                ", \"message\": " + JsonString(FleetOneLine(r.message)) + "}";
    }
    const FleetCounts counts = CountFleetResults(results);
    json += "\n  ],\n  \"summary\": {\"devices\": " + std::to_string(results.size()) +
            ", \"ok\": " + std::to_string(counts.ok) +
            ", \"failed\": " + std::to_string(counts.failed) +
            ", \"differs\": " + std::to_string(counts.differs) +
            ", \"not_run\": " + std::to_string(counts.notRun) + "}\n}\n";
    return json;
}

}  // namespace voltaro
