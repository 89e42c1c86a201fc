// Whole-process timing: runs each of several commands RUNS times, interleaved (A B A B
// ...) so that a change in the machine's load touches all of them alike, and prints for
// each its median wall time with the 10th and 90th percentiles, its median CPU time (user
// + system, from wait4) and its peak resident memory.
//   process_timing RUNS COMMAND [ARGS...] [--- COMMAND [ARGS...]]...
// A command that fails (exit status other than 0) ends the measurement with status 1.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample {
    double wallMs;
    double cpuMs;
    long rssKib;
};

bool RunOnce(std::vector<char*>& command, Sample& sample) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid < 0) return false;
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execv(command[0], command.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) != pid) return false;
    sample.wallMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    sample.cpuMs = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                   static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    sample.rssKib = usage.ru_maxrss;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Percentile(std::vector<double> values, int percent) {
    std::sort(values.begin(), values.end());
    return values[(values.size() - 1) * static_cast<std::size_t>(percent) / 100];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: process_timing RUNS COMMAND [ARGS...] [--- COMMAND ...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<std::vector<char*>> commands(1);
    for (int i = 2; i < argc; ++i) {
        if (std::string(argv[i]) == "---") {
            commands.emplace_back();
            continue;
        }
        commands.back().push_back(argv[i]);
    }
    for (auto& command : commands)
        command.push_back(nullptr);
    std::vector<std::vector<Sample>> samples(commands.size());
    for (int run = 0; run < runs; ++run) {
        for (std::size_t c = 0; c < commands.size(); ++c) {
            Sample sample{};
            if (!RunOnce(commands[c], sample)) {
                std::fprintf(stderr, "process_timing: %s failed\n", commands[c][0]);
                return 1;
            }
            samples[c].push_back(sample);
        }
    }
    for (std::size_t c = 0; c < commands.size(); ++c) {
        std::vector<double> wall, cpu;
        long rss = 0;
        for (const Sample& s : samples[c]) {
            wall.push_back(s.wallMs);
            cpu.push_back(s.cpuMs);
            rss = std::max(rss, s.rssKib);
        }
        std::printf("command %zu: wall_ms=%.3f p10_ms=%.3f p90_ms=%.3f cpu_ms=%.3f rss_kib=%ld\n",
                    c + 1, Percentile(wall, 50), Percentile(wall, 10), Percentile(wall, 90),
                    Percentile(cpu, 50), rss);
    }
    return 0;
}
