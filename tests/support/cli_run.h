#pragma once
// Runs the built voltaro-cli as a process, as a script would.
#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace voltaro::test {

inline std::string CliPath() {
    return std::string(VOLTARO_BINARY_DIR) + "/bin/voltaro-cli";
}

struct CliRun {
    int status = -1;  // exit status; -1 when the program did not exit normally
    std::string out;  // standard output, and standard error too when asked for
};

// Runs voltaro-cli with args (shell words) and a profile of its own that does not exist, so
// that the user's settings neither count nor change.
inline CliRun RunCli(const std::string& args, bool withErrors = false) {
    const std::string command = "VOLTARO_PROFILE=/nonexistent-dir/profile.ini " + CliPath() + " " +
                                args + (withErrors ? " 2>&1" : " 2>/dev/null");
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// The lines of a program's output, without their line breaks.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace voltaro::test
