#pragma once
// voltaro-cli commands register themselves here; main() dispatches by name.
#include <functional>
#include <string>
#include <vector>

namespace voltaro::cli {

// Exit codes shared by every command (voltaro-cli --help tells them).
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;         // the operation failed (device, file, ...)
constexpr int kExitUsage = 2;           // bad arguments or unknown names
constexpr int kExitDifferences = 3;     // compare found differences
constexpr int kExitWiringFindings = 4;  // wiring-check found something wrong

using CommandFunction = std::function<int(const std::vector<std::string>& args)>;

struct Command {
    std::string name;
    std::string synopsis;  // one line for the usage text
    CommandFunction run;
};

std::vector<Command>& Commands();

// --quiet was given: no progress bar and no confirmation of a completed write; results
// and errors are still shown.
bool QuietOutput();

struct CommandRegistrar {
    CommandRegistrar(std::string name, std::string synopsis, CommandFunction run) {
        Commands().push_back({std::move(name), std::move(synopsis), std::move(run)});
    }
};

}  // namespace voltaro::cli
