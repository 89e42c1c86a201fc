// voltaro-cli: the options of every command (--help, --quiet, --stats, --trace), the help and the
// lists the shell completion asks for, then dispatch to the registered commands.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <exception>

#include "cli/cli_command.h"
#include "cli/command_help.h"
#include "core/app/app_settings.h"
#include "core/comm/frame_text.h"
#include "core/platform/cancelled.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/program_version.h"
#include "core/platform/string_table.h"
#include "core/platform/sys_error.h"
#include "core/platform/trace.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro::cli {

std::vector<Command>& Commands() {
    static std::vector<Command> commands;
    return commands;
}

namespace {

bool quiet = false;

// Removes every `flag` from args; whether there was one.
bool TakeFlag(std::vector<std::string>& args, const char* flag) {
    const auto found = std::remove(args.begin(), args.end(), flag);
    const bool present = found != args.end();
    args.erase(found, args.end());
    return present;
}

// A command's result only counts when its output arrived: a full disk, a closed pipe or
// /dev/full turns a success into a failure, told on standard error.
int CheckedOutput(int status) {
    errno = 0;
    const bool failed = std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
    if (!failed) return status;
    const int error = errno != 0 ? errno : EIO;
    std::fprintf(
        stderr, "voltaro-cli: %s\n",
        voltaro::FormatMessageId(voltaro::kMsgOutputWriteError, {voltaro::SystemErrorText(error)})
            .c_str());
    // A result that was not delivered is a failure, whatever the result said.
    return status == kExitOk || status == kExitDifferences || status == kExitWiringFindings
               ? kExitFailure
               : status;
}

int Print(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    return CheckedOutput(kExitOk);
}

int PrintLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        std::printf("%s\n", line.c_str());
    return CheckedOutput(kExitOk);
}

// An error of the command line itself: told on standard error, exit 2.
int CommandLineError(const std::string& text) {
    std::fprintf(stderr, "voltaro-cli: %s\n", text.c_str());
    return kExitUsage;
}

const Command* FindCommand(const std::string& name) {
    for (const Command& c : Commands())
        if (c.name == name) return &c;
    return nullptr;
}

int Help(const std::vector<std::string>& names) {
    if (names.empty()) return Print(UsageText());
    if (names.size() > 1 || !FindCommand(names[0]))
        return CommandLineError(FormatMessageId(kTextCliNoHelp, {names[0]}));
    return Print(CommandHelpText(names[0]));
}

int Run(const Command& command, const std::vector<std::string>& args) {
    if (std::find(args.begin(), args.end(), "--help") != args.end())
        return Print(CommandHelpText(command.name));
    try {
        return CheckedOutput(command.run(args));
    } catch (const CCancelled&) {
        std::fprintf(stderr, "voltaro-cli %s: %s\n", command.name.c_str(),
                     LoadString(kTextCliCancelled).c_str());
        return kExitFailure;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "voltaro-cli: %s\n", e.what());
        return kExitFailure;
    }
}

}  // namespace

bool QuietOutput() {
    return quiet;
}

}  // namespace voltaro::cli

int main(int argc, char** argv) {
    using namespace voltaro::cli;
    // The language the desktop program would show: its setting, else the locale's.
    voltaro::LoadCommandLineLanguage(voltaro::UserDisplayLanguage());
    std::vector<std::string> args(argv + 1, argv + argc);
    quiet = TakeFlag(args, "--quiet");
    const bool stats = TakeFlag(args, "--stats");
    // --trace shows every frame as it goes; the debug trace of the environment already does.
    const bool trace = TakeFlag(args, "--trace") && !voltaro::TraceEnabled();
    if (args.empty()) {
        std::fputs(UsageText().c_str(), stderr);
        return kExitUsage;
    }
    const std::string name = args.front();
    args.erase(args.begin());
    if (name == "--help" || name == "-h") return Print(UsageText());
    if (name == "help") return Help(args);
    if (name == "--version") return Print(voltaro::VersionText());
    // What the bash completion asks for.
    if (name == "--list-commands") return PrintLines(CommandNames());
    if (name == "--list-options") {
        if (args.size() != 1 || !FindCommand(args[0]))
            return CommandLineError(voltaro::FormatMessageId(
                voltaro::kTextCliUnknownCommand, {args.empty() ? std::string() : args[0]}));
        return PrintLines(CommandOptions(args[0]));
    }
    if (const Command* command = FindCommand(name)) {
        auto& printer = voltaro::StandardErrorFramePrinter();
        if (trace) voltaro::CLinkMonitor::Instance().Subscribe(&printer);
        const int status = Run(*command, args);
        if (trace) voltaro::CLinkMonitor::Instance().Unsubscribe(&printer);
        // On standard error, so that standard output stays the command's own; what the
        // command wrote goes first when both go to the same place.
        if (stats) {
            std::fflush(stdout);
            std::fputs(
                voltaro::LinkStatisticsText(voltaro::CLinkMonitor::Instance().Snapshots()).c_str(),
                stderr);
        }
        return status;
    }
    return CommandLineError(voltaro::FormatMessageId(voltaro::kTextCliUnknownCommand, {name}));
}
