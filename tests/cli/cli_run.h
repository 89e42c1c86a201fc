#pragma once
// Runs the built voltaro-cli as a process, with a profile of its own that cannot be
// written, and collects its exit status and its output (stdout and stderr together).
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace voltaro::test {

struct CliRun {
    int status = -1;  // exit status, -1 when the program could not run or was killed
    std::string out;
};

// args are shell words.
inline CliRun RunCli(const std::string& args) {
    const std::string command = "VOLTARO_PROFILE=/nonexistent-dir/profile.ini " +
                                std::string(VOLTARO_BINARY_DIR) + "/bin/voltaro-cli " + args +
                                " 2>&1";
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace voltaro::test
