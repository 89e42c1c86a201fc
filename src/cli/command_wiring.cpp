// voltaro-cli wiring-check: reads the meter once (identity, vectors, ratings, wiring system
// and instantaneous values) and prints what looks wrong in its connection, or that the
// wiring looks right. Exit 4 when there are findings.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_transfer_support.h"
#include "cli/connection_options.h"
#include "core/app/wiring_check.h"
#include "core/comm/modbus_interface.h"
#include "core/monitor/monitor_pass.h"
#include "core/platform/json_text.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"

namespace voltaro::cli {
namespace {

constexpr const char* kCommand = "wiring-check";

const char* KindName(WiringFindingKind kind) {
    switch (kind) {
        case WiringFindingKind::kSequenceReversed:
            return "sequence-reversed";
        case WiringFindingKind::kVoltageAnglesIrregular:
            return "voltage-angles-irregular";
        case WiringFindingKind::kVoltageMissing:
            return "voltage-missing";
        case WiringFindingKind::kCurrentMissing:
            return "current-missing";
        case WiringFindingKind::kCurrentReversed:
            return "current-reversed";
        case WiringFindingKind::kCurrentWrongPhase:
            return "current-wrong-phase";
        case WiringFindingKind::kCurrentAngleIrregular:
            return "current-angle-irregular";
        case WiringFindingKind::kPowerFactorOff:
            return "power-factor-off";
    }
    return "";
}

const char* SequenceName(PhaseSequence sequence) {
    switch (sequence) {
        case PhaseSequence::kForward:
            return "L1-L2-L3";
        case PhaseSequence::kReversed:
            return "L1-L3-L2";
        case PhaseSequence::kIrregular:
            return "irregular";
        case PhaseSequence::kNotJudged:
            break;
    }
    return "not-judged";
}

void PrintText(const WiringReport& report) {
    if (const std::string sequence = PhaseSequenceText(report); !sequence.empty())
        std::printf("%s\n", sequence.c_str());
    for (const WiringFinding& finding : report.findings) {
        std::printf("%s\n", finding.title.c_str());
        std::printf("%s\n", FormatMessageId(kMsgWiringEvidenceLine, {finding.evidence}).c_str());
        std::printf("%s\n", FormatMessageId(kMsgWiringHintLine, {finding.hint}).c_str());
    }
    if (const std::string summary = WiringSummaryText(report); !summary.empty())
        std::printf("%s\n", summary.c_str());
}

void PrintJson(const WiringReport& report) {
    std::string out = "{\"available\":";
    out += report.available ? "true" : "false";
    out += ",\"sequence\":" + JsonString(SequenceName(report.sequence));
    out += ",\"currentsJudged\":";
    out += report.currentsJudged ? "true" : "false";
    out += ",\"summary\":" + JsonString(WiringSummaryText(report));
    out += ",\"findings\":[";
    for (std::size_t i = 0; i < report.findings.size(); ++i) {
        const WiringFinding& f = report.findings[i];
        if (i > 0) out += ",";
        out += "{\"kind\":" + JsonString(KindName(f.kind));
        out += ",\"phase\":" + std::to_string(f.phase);
        out += ",\"otherPhase\":" + std::to_string(f.otherPhase);
        out += ",\"title\":" + JsonString(f.title);
        out += ",\"evidence\":" + JsonString(f.evidence);
        out += ",\"hint\":" + JsonString(f.hint) + "}";
    }
    out += "]}\n";
    std::fputs(out.c_str(), stdout);
}

int RunWiringCheck(const std::vector<std::string>& args) {
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        std::fputs(LoadString(kMsgWiringUsage).c_str(), stdout);
        return kExitOk;
    }
    ConnectionArguments parsed = ParseConnectionOptions(args);
    if (!parsed.error.empty()) return UsageError(kCommand, parsed.error);
    std::string error;
    const auto channel = TakeOption(parsed.rest, "--channel", error);
    const bool json = TakeFlag(parsed.rest, "--json");
    if (!error.empty()) return UsageError(kCommand, error);
    if (std::string unknown = UnknownOptionError(parsed.rest); !unknown.empty())
        return UsageError(kCommand, unknown);
    if (!parsed.rest.empty())
        return UsageError(kCommand,
                          FormatMessageId(kMsgWiringUnexpectedArgument, {parsed.rest.front()}));
    MonitorPassOptions options;
    if (channel) {
        if (*channel != "1" && *channel != "2")
            return UsageError(kCommand, LoadString(kMsgMonitorChannelOption));
        options.channel = *channel == "2" ? 1 : 0;
    }
    CModbusInterface client(parsed.settings);
    CMeasurandsKT2 store;
    MonitorPassResult result;
    try {
        result = ReadMonitorPass(client, store, options);
    } catch (const CPrivateException& e) {
        return Failure(kCommand, e.Message());
    }
    if (!result.ok) return Failure(kCommand, result.error);
    if (options.channel == 1 && EffectiveChannel(result.state) == 0)
        return UsageError(kCommand, LoadString(kMsgMonitorNoSecondInput));
    const WiringReport report = CheckWiring(store);
    if (json)
        PrintJson(report);
    else
        PrintText(report);
    return report.findings.empty() ? kExitOk : kExitWiringFindings;
}

const CommandRegistrar kWiringCheck(kCommand,
                                    std::string("wiring-check [--channel 1|2] [--json] ") +
                                        ConnectionOptionsUsage() +
                                        "  (what looks wrong in the meter's connection)",
                                    RunWiringCheck);

}  // namespace
}  // namespace voltaro::cli
