// voltaro-cli: dispatches to the registered commands.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <exception>

#include "cli/cli_command.h"
#include "core/platform/cancelled.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/program_version.h"
#include "core/platform/sys_error.h"

namespace voltaro::cli {

std::vector<Command>& Commands() {
    static std::vector<Command> commands;
    return commands;
}

namespace {

void PrintUsage(std::FILE* out) {
    std::fprintf(out, "usage: voltaro-cli COMMAND [options]\n\ncommands:\n");
    auto commands = Commands();
    std::sort(commands.begin(), commands.end(),
              [](const Command& a, const Command& b) { return a.name < b.name; });
    for (const auto& c : commands)
        std::fprintf(out, "  %s\n", c.synopsis.c_str());
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
    return status == kExitOk || status == kExitDifferences ? kExitFailure : status;
}

}  // namespace
}  // namespace voltaro::cli

int main(int argc, char** argv) {
    using namespace voltaro::cli;
    if (argc < 2) {
        PrintUsage(stderr);
        return kExitUsage;
    }
    std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(stdout);
        return CheckedOutput(kExitOk);
    }
    if (name == "--version") {
        voltaro::LoadCommandLineLanguage();
        std::fputs(voltaro::VersionText().c_str(), stdout);
        return kExitOk;
    }
    for (const auto& command : Commands()) {
        if (command.name == name) {
            std::vector<std::string> args(argv + 2, argv + argc);
            try {
                return CheckedOutput(command.run(args));
            } catch (const voltaro::CCancelled&) {
                std::fprintf(stderr, "voltaro-cli %s: cancelled\n", name.c_str());
                return kExitFailure;
            } catch (const std::exception& e) {
                std::fprintf(stderr, "voltaro-cli: %s\n", e.what());
                return kExitFailure;
            }
        }
    }
    std::fprintf(stderr, "voltaro-cli: unknown command \"%s\"\n", name.c_str());
    PrintUsage(stderr);
    return kExitUsage;
}
