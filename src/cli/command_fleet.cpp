// voltaro-cli fleet: one command run on every device of a fleet file, devices of one bus one
// after another and different buses in parallel; a summary table at the end and, when
// asked, a JSON report.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_transfer_support.h"
#include "cli/fleet_jobs.h"
#include "core/app/fleet_file.h"
#include "core/app/fleet_report.h"
#include "core/app/fleet_run.h"
#include "core/device/passcode_store.h"
#include "core/files/config_file.h"
#include "core/platform/file_io.h"
#include "core/platform/fleet_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/profile.h"
#include "core/platform/string_table.h"
#include "core/platform/sys_error.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro::cli {
namespace {

constexpr const char* kCommand = "fleet";
constexpr int kMaxJobs = 64;

// Ctrl-C (and the other end signals): the first starts no new device, the next stops the
// running transfers at their next step; either way every device is locked again.
std::atomic<bool> stopAsked{false};
std::atomic<bool> abortAsked{false};
std::string stoppingText;  // written by the handler, made before it is installed

extern "C" void StopOnSignal(int) {
    if (stopAsked.exchange(true)) {
        abortAsked = true;
        return;
    }
    [[maybe_unused]] const ssize_t written =
        ::write(STDERR_FILENO, stoppingText.data(), stoppingText.size());
}

class SignalScope {
  public:
    SignalScope() {
        stoppingText = "voltaro-cli fleet: " + LoadString(kMsgFleetStopping) + "\n";
        struct sigaction action {};
        action.sa_handler = StopOnSignal;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            sigaction(kSignals[i], &action, &previous_[i]);
    }
    ~SignalScope() {
        for (std::size_t i = 0; i < std::size(kSignals); ++i)
            sigaction(kSignals[i], &previous_[i], nullptr);
    }
    SignalScope(const SignalScope&) = delete;
    SignalScope& operator=(const SignalScope&) = delete;

  private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
    struct sigaction previous_[std::size(kSignals)] = {};
};

struct FleetArguments {
    std::string fleetPath;
    std::vector<std::string> tags;
    int jobs = kDefaultFleetJobs;
    std::optional<std::string> report;
    std::string commandName;  // identify, upload, ...
    bool noBackup = false;
    bool noVerify = false;
    FleetCommand command;
};

// A directory to write into: made when missing (one level); "" or the error text.
std::string PrepareDirectory(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        return S_ISDIR(info.st_mode) ? std::string()
                                     : FormatMessageId(kMsgFleetNotDirectory, {path});
    if (errno == ENOENT && ::mkdir(path.c_str(), 0777) == 0) return {};
    return path + ": " + SystemErrorText(errno);
}

std::optional<FleetCommand::Kind> KindOf(const std::string& name) {
    static const struct {
        const char* name;
        FleetCommand::Kind kind;
    } kKinds[] = {{"identify", FleetCommand::kIdentify}, {"upload", FleetCommand::kUpload},
                  {"compare", FleetCommand::kCompare},   {"download", FleetCommand::kDownload},
                  {"monitor", FleetCommand::kMonitor},   {"clock", FleetCommand::kClock}};
    for (const auto& k : kKinds)
        if (name == k.name) return k.kind;
    return std::nullopt;
}

// Fills arguments from the command line; returns the usage error, or "".
std::string Parse(std::vector<std::string> rest, FleetArguments& arguments) {
    std::string error;
    const auto tags = TakeOption(rest, "--tags", error);
    const auto jobs = TakeOption(rest, "--jobs", error);
    arguments.report = TakeOption(rest, "--report", error);
    const auto passcode = TakeOption(rest, "--passcode", error);
    const auto csv = TakeOption(rest, "--csv", error);
    const bool yes = TakeFlag(rest, "--yes");
    const bool once = TakeFlag(rest, "--once");
    const bool sync = TakeFlag(rest, "--sync");
    const bool noBackup = TakeFlag(rest, "--no-backup");
    const bool noVerify = TakeFlag(rest, "--no-verify");
    if (!error.empty()) return error;
    if (std::string unknown = UnknownOptionError(rest); !unknown.empty()) return unknown;
    if (rest.size() < 2) return LoadString(kMsgFleetUsage);
    arguments.fleetPath = rest[0];
    const std::string name = rest[1];
    arguments.commandName = name;
    const auto kind = KindOf(name);
    if (!kind) return FormatMessageId(kMsgFleetUnknownCommand, {name});
    FleetCommand& command = arguments.command;
    command.kind = *kind;
    if (tags && !ParseFleetTags(*tags, arguments.tags)) return LoadString(kMsgFleetTags);
    if (jobs) {
        const std::optional<int> n = ParseProfileInt(*jobs);
        if (!n || jobs->find_first_not_of("0123456789") != std::string::npos || *n < 1 ||
            *n > kMaxJobs)
            return LoadString(kMsgFleetJobs);
        arguments.jobs = *n;
    }
    if (passcode && !(command.passcode = ParsePasscode(*passcode)))
        return "--passcode must be 0 to 999999999";
    // Each command takes its own options only.
    const bool writes = *kind == FleetCommand::kDownload || *kind == FleetCommand::kClock;
    if (passcode && !writes) return FormatMessageId(kTextCliUnknownOption, {"--passcode"});
    if (yes && *kind != FleetCommand::kDownload)
        return FormatMessageId(kTextCliUnknownOption, {"--yes"});
    if ((noBackup || noVerify) && *kind != FleetCommand::kDownload)
        return FormatMessageId(kTextCliUnknownOption, {noBackup ? "--no-backup" : "--no-verify"});
    arguments.noBackup = noBackup;
    arguments.noVerify = noVerify;
    if ((once || csv) && *kind != FleetCommand::kMonitor)
        return FormatMessageId(kTextCliUnknownOption, {once ? "--once" : "--csv"});
    if (sync && *kind != FleetCommand::kClock)
        return FormatMessageId(kTextCliUnknownOption, {"--sync"});
    const std::size_t operands = rest.size() - 2;
    switch (*kind) {
        case FleetCommand::kIdentify:
        case FleetCommand::kClock:
            if (operands != 0) return FormatMessageId(kMsgMonitorUnexpectedArgument, {rest[2]});
            if (*kind == FleetCommand::kClock && !sync) return LoadString(kMsgFleetClockArguments);
            return {};
        case FleetCommand::kMonitor:
            if (operands != 0) return FormatMessageId(kMsgMonitorUnexpectedArgument, {rest[2]});
            if (!once || !csv || csv->empty()) return LoadString(kMsgFleetMonitorArguments);
            command.path = *csv;
            return {};
        case FleetCommand::kUpload:
            if (operands != 1) return FormatMessageId(kMsgFleetNeedsDirectory, {name});
            command.path = rest[2];
            return {};
        case FleetCommand::kCompare:
        case FleetCommand::kDownload:
            if (operands != 1) return FormatMessageId(kMsgFleetNeedsFile, {name});
            if (*kind == FleetCommand::kDownload && !yes) return LoadString(kMsgFleetNeedsYes);
            command.path = rest[2];
            return {};
    }
    return {};
}

// Reads what the run needs before any device is talked to: the fleet, the file to compare
// or write, the output directory, the report's target and the passcode.
std::vector<FleetDevice> Prepare(FleetArguments& arguments) {
    const FleetFile fleet = LoadFleetFile(arguments.fleetPath, CComSettings::LoadFromUserProfile());
    std::vector<FleetDevice> devices = SelectFleetDevices(fleet, arguments.tags);
    FleetCommand& command = arguments.command;
    if (command.kind == FleetCommand::kCompare || command.kind == FleetCommand::kDownload)
        LoadConfigFile(command.path, command.image);
    if (command.kind == FleetCommand::kUpload || command.kind == FleetCommand::kMonitor)
        if (std::string error = PrepareDirectory(command.path); !error.empty())
            throw CPrivateException(error);
    if (arguments.report)
        if (const FileStatus status = CheckSaveTarget(*arguments.report); !status)
            throw CPrivateException(FormatMessageId(
                kMsgFleetReportFailed, {*arguments.report, status.Text(*arguments.report)}));
    const CUserProfile profile;
    if (!command.passcode &&
        (command.kind == FleetCommand::kDownload || command.kind == FleetCommand::kClock))
        command.passcode = LoadRememberedPasscode(profile);
    for (int mode : {ModbusRtu, ModbusTcp, Infrared}) {
        SafeDownloadOptions& safety = command.safety[mode];
        safety = LoadSafeDownloadOptions(profile, mode);
        safety.backup = safety.backup && !arguments.noBackup;
        safety.verify = safety.verify && !arguments.noVerify;
    }
    return devices;
}

int ExitCode(const std::vector<FleetResult>& results) {
    const FleetCounts counts = CountFleetResults(results);
    if (counts.failed != 0 || counts.notRun != 0) return kExitFailure;
    return counts.differs != 0 ? kExitDifferences : kExitOk;
}

int RunFleetCommand(const std::vector<std::string>& args) {
    FleetArguments arguments;
    if (std::string error = Parse(args, arguments); !error.empty())
        return UsageError(kCommand, error);
    std::vector<FleetDevice> devices;
    try {
        devices = Prepare(arguments);
    } catch (const CPrivateException& e) {
        return Failure(kCommand, e.Message());
    }
    stopAsked = false;
    abortAsked = false;
    arguments.command.abort = &abortAsked;
    const bool progress = ::isatty(STDERR_FILENO) == 1 && !QuietOutput();
    std::size_t finished = 0;
    FleetRunOptions options;
    options.jobs = arguments.jobs;
    options.cancel = &stopAsked;
    options.onResult = [&](std::size_t, const FleetResult& result) {
        ++finished;
        if (!progress) return;
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.2f", result.seconds);
        std::fprintf(stderr, "%s\n",
                     FormatMessageId(kMsgFleetProgress,
                                     {static_cast<int>(finished), static_cast<int>(devices.size()),
                                      result.device, FleetOutcomeText(result.outcome),
                                      std::string(seconds), FleetOneLine(result.message)})
                         .c_str());
    };
    std::vector<FleetResult> results;
    {
        SignalScope signals;
        results = RunFleet(devices, MakeFleetJob(arguments.command), options);
    }
    for (const std::string& line : FleetSummaryLines(results))
        std::printf("%s\n", line.c_str());
    if (arguments.report) {
        const std::string json =
            FleetReportJson(arguments.commandName, arguments.fleetPath, results);
        if (const FileStatus status = WriteFileSafely(*arguments.report, json, 0644); !status)
            return Failure(kCommand,
                           FormatMessageId(kMsgFleetReportFailed,
                                           {*arguments.report, status.Text(*arguments.report)}));
    }
    return ExitCode(results);
}

const CommandRegistrar kFleet(kCommand,
                              "fleet FLEET.ini [--tags A,B] [--jobs N] [--report FILE.json] "
                              "identify | upload DIR/ | compare GOLDEN.cfg | download FILE.cfg "
                              "--yes | monitor --once --csv DIR/ | clock --sync",
                              RunFleetCommand);

}  // namespace
}  // namespace voltaro::cli
