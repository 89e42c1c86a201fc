// voltaro-cli scan: finds the devices on a serial bus (every line setting x address) or
// behind a TCP gateway (every unit id), with a progress bar; Ctrl-C stops the scan and
// still prints what was found.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_transfer_support.h"
#include "cli/connection_options.h"
#include "cli/monitor_interrupt.h"
#include "core/comm/rtu_framing.h"
#include "core/device/bus_scan.h"
#include "core/platform/json_text.h"
#include "core/platform/message_format.h"
#include "core/platform/private_exception.h"
#include "core/platform/scan_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro::cli {
namespace {

constexpr const char* kCommand = "scan";

struct ScanArguments {
    CComSettings base;
    ScanPlan plan;
    bool json = false;
};

// The scan's own options first (--parity takes a list here), then the connection options.
std::string ParseScanArguments(std::vector<std::string> args, ScanArguments& out) {
    std::string error;
    const auto addresses = TakeOption(args, "--addresses", error);
    const auto bauds = TakeOption(args, "--bauds", error);
    const auto parities = TakeOption(args, "--parity", error);
    const auto stopText = TakeOption(args, "--stop", error);
    const auto timeout = TakeOption(args, "--timeout", error);
    out.json = TakeFlag(args, "--json");
    if (!error.empty()) return error;
    ConnectionArguments parsed = ParseConnectionOptions(args);
    if (!parsed.error.empty()) return parsed.error;
    if (std::string unknown = UnknownOptionError(parsed.rest); !unknown.empty()) return unknown;
    if (!parsed.rest.empty()) return "unexpected argument \"" + parsed.rest[0] + "\"";
    out.base = parsed.settings;
    // An infra-red adapter talks to the one device in front of it: there is no bus to scan.
    if (out.base.mode == Infrared)
        return "scan needs --serial or --tcp (an infra-red link has no bus)";
    const bool tcp = out.base.mode == ModbusTcp;
    if (tcp && (bauds || parities || stopText)) return "--bauds, --parity and --stop need --serial";

    std::vector<int> baudIndexes{out.base.baudrate};
    std::vector<int> parityCodes{out.base.parity};
    std::optional<int> stop;
    if (!bauds && !parities) stop = out.base.stop;
    out.plan.addresses.clear();
    for (int a = kMinDeviceAddress; a <= kMaxDeviceAddress; ++a)
        out.plan.addresses.push_back(a);
    if (addresses) error = ParseAddressList(*addresses, out.plan.addresses);
    if (error.empty() && bauds) error = ParseBaudList(*bauds, baudIndexes);
    if (error.empty() && parities) error = ParseParityList(*parities, parityCodes);
    if (error.empty() && stopText) {
        int code = 0;
        error = ParseStopBits(*stopText, code);
        stop = code;
    }
    if (error.empty() && timeout) error = ParseScanTimeout(*timeout, out.plan.timeoutMs);
    if (!tcp) out.plan.lines = ScanLines(baudIndexes, parityCodes, stop);
    return error;
}

class CliScanListener : public IScanListener {
  public:
    explicit CliScanListener(ProgressBar& bar) : bar_(bar) {}
    void OnScanProgress(std::size_t done, std::size_t total, const ScanLine&, int) override {
        bar_.Show(total == 0 ? 100 : static_cast<int>(done * 100 / total));
    }
    void OnDeviceFound(const ScanFinding&) override {}

  private:
    ProgressBar& bar_;
};

void PrintTable(const std::vector<ScanFinding>& found, bool tcp) {
    std::printf("%s\n", LoadString(kMsgScanTableHeading).c_str());
    for (const ScanFinding& f : found) {
        const std::string baud = tcp ? "-" : std::to_string(BaudRateOfIndex(f.line.baudIndex));
        const std::string row = f.identified ? std::to_string(f.row) : "-";
        const std::string model =
            f.identified ? (f.model.empty() ? "not listed" : f.model) : TerminalText(f.reason);
        std::printf("%d\t%s\t%s\t%s\t%s\t%s\n", f.address, baud.c_str(),
                    tcp ? "-" : ParityLetter(f.line.parity),
                    tcp ? "-" : std::to_string(f.line.stop + 1).c_str(), row.c_str(),
                    model.c_str());
    }
}

void PrintJson(const std::vector<ScanFinding>& found, bool tcp) {
    for (const ScanFinding& f : found) {
        std::string line = "{\"address\":" + std::to_string(f.address);
        if (!tcp) {
            line += ",\"baud\":" + std::to_string(BaudRateOfIndex(f.line.baudIndex)) +
                    ",\"parity\":\"" + ParityLetter(f.line.parity) +
                    "\",\"stop\":" + std::to_string(f.line.stop + 1);
        }
        line += std::string(",\"identified\":") + (f.identified ? "true" : "false");
        if (f.identified)
            line += ",\"row\":" + std::to_string(f.row) + ",\"model\":" + JsonString(f.model);
        else
            line += ",\"reason\":" + JsonString(TerminalText(f.reason));
        std::printf("%s}\n", line.c_str());
    }
}

int RunScan(const std::vector<std::string>& args) {
    ScanArguments parsed;
    if (std::string error = ParseScanArguments(args, parsed); !error.empty())
        return UsageError(kCommand, error);
    const bool tcp = parsed.base.mode == ModbusTcp;
    CBusScan scan(parsed.base, parsed.plan);
    ScanOutcome outcome;
    {
        ProgressBar bar(LoadString(kUiScanProgressTitle));
        CliScanListener listener(bar);
        CInterruptWatch watch(scan.Client());
        try {
            outcome = scan.Run(&listener);
        } catch (const CPrivateException& e) {
            bar.End();
            return Failure(kCommand, e.Message());
        }
        bar.End();
        outcome.cancelled = outcome.cancelled || watch.Interrupted();
    }
    if (outcome.cancelled) std::fprintf(stderr, "%s\n", LoadString(kMsgScanStopped).c_str());
    if (parsed.json)
        PrintJson(outcome.found, tcp);
    else
        PrintTable(outcome.found, tcp);
    std::fflush(stdout);
    if (outcome.found.empty()) {
        std::fprintf(stderr, "%s\n", LoadString(kMsgScanNothingFound).c_str());
        return kExitFailure;
    }
    std::fprintf(
        stderr, "%s\n",
        FormatMessageId(kMsgScanFoundCount, {static_cast<int>(outcome.found.size())}).c_str());
    return kExitOk;
}

const CommandRegistrar kScan(kCommand,
                             "scan [--serial PORT | --tcp HOST[:PORT]] [--addresses LIST] "
                             "[--bauds LIST] [--parity LIST] [--stop 1|2] [--timeout MS] [--json]",
                             RunScan);

}  // namespace
}  // namespace voltaro::cli
