// voltaro-cli monitor: reads the monitor windows' values pass after pass (a meter's, or a
// ZC device's page or channel detail) and shows them as a table, as JSON Lines or as rows
// of a CSV log, until the count of passes is reached or Ctrl-C.
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_transfer_support.h"
#include "cli/connection_options.h"
#include "cli/monitor_interrupt.h"
#include "cli/monitor_output.h"
#include "core/comm/modbus_interface.h"
#include "core/monitor/monitor_commands.h"
#include "core/monitor/monitor_pass.h"
#include "core/monitor/zc_registers.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"
#include "core/platform/utc_time.h"

namespace voltaro::cli {
namespace {

constexpr const char* kCommand = "monitor";
constexpr double kMaxIntervalSeconds = 86400;
constexpr double kDefaultIntervalSeconds = 1;
constexpr long kMaxCount = 1000000000;
// After a failed pass the next one waits at least this long, so that a link that fails at
// once (a refused connection, a missing port) is retried without spinning.
constexpr auto kPauseAfterFailure = std::chrono::milliseconds(250);

struct MonitorArguments {
    CComSettings settings;
    MonitorPassOptions pass;
    std::chrono::milliseconds interval{static_cast<long>(kDefaultIntervalSeconds * 1000)};
    long count = 0;  // 0: until interrupted
    MonitorOutputOptions output;
};

std::optional<double> ParseSeconds(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos)
        return std::nullopt;
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value > kMaxIntervalSeconds)
        return std::nullopt;
    return value;
}

std::optional<long> ParseCount(const std::string& text) {
    long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < 1 ||
        value > kMaxCount)
        return std::nullopt;
    return value;
}

// "all" or sets 0 .. 9 separated by commas; ascending, each once.
std::optional<std::vector<int>> ParseHarmonicSets(const std::string& text) {
    std::vector<int> sets;
    if (text == "all") {
        for (int set = 0; set < kHarmonicSetCount; ++set)
            sets.push_back(set);
        return sets;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma - start);
        if (item.size() != 1 || item[0] < '0' || item[0] > '9') return std::nullopt;
        sets.push_back(item[0] - '0');
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    std::sort(sets.begin(), sets.end());
    sets.erase(std::unique(sets.begin(), sets.end()), sets.end());
    return sets;
}

std::string Exclusive(const char* a, const char* b) {
    return FormatMessageId(kMsgMonitorOptionsExclusive, {a, b});
}

// Fills arguments; returns a usage error text, or "" when the arguments are right.
std::string ParseArguments(const std::vector<std::string>& args, MonitorArguments& arguments) {
    ConnectionArguments parsed = ParseConnectionOptions(args);
    if (!parsed.error.empty()) return parsed.error;
    arguments.settings = parsed.settings;
    std::vector<std::string>& rest = parsed.rest;
    std::string error;
    const auto channel = TakeOption(rest, "--channel", error);
    const auto interval = TakeOption(rest, "--interval", error);
    const auto count = TakeOption(rest, "--count", error);
    const auto csv = TakeOption(rest, "--csv", error);
    const auto harmonics = TakeOption(rest, "--harmonics", error);
    const auto module = TakeOption(rest, "--module", error);
    const auto detail = TakeOption(rest, "--detail", error);
    const bool once = TakeFlag(rest, "--once");
    const bool json = TakeFlag(rest, "--json");
    if (!error.empty()) return error;
    if (!rest.empty()) return FormatMessageId(kMsgMonitorUnexpectedArgument, {rest.front()});
    if (channel) {
        if (*channel != "1" && *channel != "2") return LoadString(kMsgMonitorChannelOption);
        arguments.pass.channel = *channel == "2" ? 1 : 0;
    }
    if (interval) {
        const auto seconds = ParseSeconds(*interval);
        if (!seconds) return LoadString(kMsgMonitorIntervalOption);
        arguments.interval = std::chrono::milliseconds(static_cast<long>(*seconds * 1000 + 0.5));
    }
    if (count && once) return Exclusive("--count", "--once");
    if (count) {
        const auto n = ParseCount(*count);
        if (!n) return LoadString(kMsgMonitorCountOption);
        arguments.count = *n;
    }
    if (once) arguments.count = 1;
    if (json && csv) return Exclusive("--json", "--csv");
    if (csv) {
        // "--csv --json" would otherwise log into a file named "--json".
        if (csv->empty() || csv->rfind("--", 0) == 0) return LoadString(kMsgMonitorCsvFileOption);
        arguments.output.format = MonitorFormat::kCsv;
        arguments.output.csvPath = *csv;
    }
    if (json) arguments.output.format = MonitorFormat::kJson;
    if (module && detail) return Exclusive("--module", "--detail");
    if (module) {
        if (*module != "basic" && *module != "extension") return LoadString(kMsgZcModuleOption);
        arguments.pass.zcExtension = *module == "extension";
    }
    if (detail) {
        const auto number = ParseCount(*detail);
        if (!number || *number > kZcChannelCount) return LoadString(kMsgZcDetailOption);
        arguments.pass.zcDetailChannel = static_cast<int>(*number) - 1;
    }
    if (harmonics) {
        const auto sets = ParseHarmonicSets(*harmonics);
        if (!sets) return LoadString(kMsgMonitorHarmonicsOption);
        arguments.pass.harmonicSets = *sets;
        arguments.output.harmonicSets = *sets;
    }
    return {};
}

// Why the connected device cannot give what the options ask for.
std::string RefusalText(const MonitorPassResult& result, const MonitorPassOptions& options) {
    if (result.refusal == kMsgZcDetailBeyondInputs)
        return FormatMessageId(
            result.refusal, {static_cast<int>(result.state.deviceType.ioConfig[kIoMeasuringInputs]),
                             options.zcDetailChannel + 1});
    return LoadString(result.refusal);
}

int RunMonitor(const std::vector<std::string>& args) {
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        std::fputs(LoadString(kMsgMonitorUsage).c_str(), stdout);
        return kExitOk;
    }
    MonitorArguments arguments;
    if (std::string error = ParseArguments(args, arguments); !error.empty())
        return UsageError(kCommand, error);

    CModbusInterface client(arguments.settings);
    CMeasurandsKT2 store;
    CMonitorOutput output(CMonitorOutput::DetectTerminal(arguments.output));
    CInterruptWatch watch(client);
    long completed = 0;
    long failed = 0;
    try {
        while (arguments.count == 0 || completed < arguments.count) {
            const auto start = std::chrono::steady_clock::now();
            const std::string time = IsoUtcTimeText(std::chrono::system_clock::now());
            const MonitorPassResult result =
                ReadMonitorPass(client, store, arguments.pass, &watch.Flag());
            // The pass that Ctrl-C stopped is not reported: it is incomplete.
            if (watch.Interrupted()) break;
            if (result.ok && result.refusal != 0)
                return UsageError(kCommand, RefusalText(result, arguments.pass));
            if (result.ok && !result.zcDevice && arguments.pass.channel == 1 &&
                EffectiveChannel(result.state) == 0)
                return UsageError(kCommand, LoadString(kMsgMonitorNoSecondInput));
            output.Pass(time, result, store);
            ++completed;
            if (!result.ok) ++failed;
            if (arguments.count != 0 && completed >= arguments.count) break;
            auto next = start + arguments.interval;
            if (!result.ok)
                next = std::max(next, std::chrono::steady_clock::now() + kPauseAfterFailure);
            if (!watch.WaitUntil(next)) break;
        }
    } catch (const CPrivateException& e) {
        return Failure(kCommand, e.Message());
    }
    if (completed == 0) return Failure(kCommand, LoadString(kMsgMonitorNothingMeasured));
    // A counted run succeeds when every pass did; an open-ended one when any pass did.
    if (arguments.count != 0) return failed == 0 ? kExitOk : kExitFailure;
    return failed < completed ? kExitOk : kExitFailure;
}

const CommandRegistrar kMonitor(
    kCommand,
    std::string("monitor [--channel 1|2] [--interval SECONDS] [--count N | --once] "
                "[--json | --csv FILE] [--harmonics SET,...|all] "
                "[--module basic|extension | --detail CH] ") +
        ConnectionOptionsUsage() + "  (measured values; monitor --help tells more)",
    RunMonitor);

}  // namespace
}  // namespace voltaro::cli
