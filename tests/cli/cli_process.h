#pragma once
// voltaro-cli as a child process that a test watches while it runs: its standard output
// (a pipe, or a pseudo-terminal when asked) and standard error are read as they come, and
// the test can signal it and wait for its end with a time limit.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/cli_run.h"

extern char** environ;

namespace voltaro::test {

class CliProcess {
  public:
    struct Options {
        bool terminal = false;  // standard output on a pseudo-terminal of this size
        unsigned short columns = 200;
        unsigned short rows = 50;
        std::vector<std::string> environment;  // NAME=VALUE added to the test's own
        std::string program;                   // another program than voltaro-cli
    };

    CliProcess(const std::vector<std::string>& args, const Options& options) {
        int out[2] = {-1, -1};
        int err[2] = {-1, -1};
        if (options.terminal) {
            out[0] = ::posix_openpt(O_RDWR | O_NOCTTY);
            ::grantpt(out[0]);
            ::unlockpt(out[0]);
            out[1] = ::open(::ptsname(out[0]), O_RDWR | O_NOCTTY);
            winsize size{options.rows, options.columns, 0, 0};
            ::ioctl(out[1], TIOCSWINSZ, &size);
        } else if (::pipe(out) != 0) {
            return;
        }
        if (::pipe(err) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addclose(&actions, err[0]);

        std::vector<std::string> env{"VOLTARO_PROFILE=/nonexistent-dir/profile.ini"};
        for (char** e = environ; *e != nullptr; ++e)
            if (std::string(*e).rfind("VOLTARO_PROFILE=", 0) != 0) env.push_back(*e);
        env.insert(env.end(), options.environment.begin(), options.environment.end());
        std::vector<std::string> argv{options.program.empty() ? CliPath() : options.program};
        argv.insert(argv.end(), args.begin(), args.end());
        std::vector<char*> argp;
        std::vector<char*> envp;
        for (auto& a : argv)
            argp.push_back(a.data());
        for (auto& e : env)
            envp.push_back(e.data());
        argp.push_back(nullptr);
        envp.push_back(nullptr);
        if (::posix_spawn(&pid_, argv[0].c_str(), &actions, nullptr, argp.data(), envp.data()) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        ::close(err[1]);
        outFd_ = out[0];
        errFd_ = err[0];
    }
    ~CliProcess() {
        if (pid_ > 0 && status_ == kRunning) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (outFd_ >= 0) ::close(outFd_);
        if (errFd_ >= 0) ::close(errFd_);
    }
    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    bool Started() const { return pid_ > 0; }
    const std::string& Out() const { return out_; }
    const std::string& Err() const { return err_; }
    std::size_t Lines() const {
        return static_cast<std::size_t>(std::count(out_.begin(), out_.end(), '\n'));
    }

    // Reads until standard output holds `lines` whole lines; false after `limit`.
    bool WaitForLines(std::size_t lines, std::chrono::milliseconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (Lines() < lines) {
            // No more lines can come once standard output is closed.
            if (outFd_ < 0 || std::chrono::steady_clock::now() >= end) return false;
            Pump(20);
        }
        return true;
    }

    // Reads whatever comes for `time`.
    void Drain(std::chrono::milliseconds time) {
        const auto end = std::chrono::steady_clock::now() + time;
        while (std::chrono::steady_clock::now() < end)
            Pump(10);
    }

    void Signal(int signal) {
        if (pid_ > 0) ::kill(pid_, signal);
    }

    // The exit status once the program ended within `limit` (reading its output
    // meanwhile); -1 when a signal ended it, when it was still running (it is then
    // killed) or when it never started.
    int Wait(std::chrono::milliseconds limit) {
        if (pid_ <= 0) return -1;
        const auto end = std::chrono::steady_clock::now() + limit;
        while (status_ == kRunning) {
            int status = 0;
            const pid_t r = ::waitpid(pid_, &status, WNOHANG);
            if (r == pid_) {
                status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
                break;
            }
            if (std::chrono::steady_clock::now() >= end) {
                ::kill(pid_, SIGKILL);
                ::waitpid(pid_, nullptr, 0);
                status_ = -1;
                break;
            }
            Pump(20);
        }
        while (Pump(0)) {
        }
        return status_;
    }

  private:
    static constexpr int kRunning = -2;

    // Reads what is ready within waitMs; false when nothing arrived (or nothing more can
    // come: both ends closed).
    bool Pump(int waitMs) {
        pollfd fds[2] = {{outFd_, POLLIN, 0}, {errFd_, POLLIN, 0}};
        if (::poll(fds, 2, waitMs) <= 0) return false;
        bool got = false;
        char buffer[4096];
        for (int i = 0; i < 2; ++i) {
            if ((fds[i].revents & (POLLIN | POLLHUP)) == 0) continue;
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                (i == 0 ? out_ : err_).append(buffer, static_cast<std::size_t>(n));
                got = true;
            } else {
                // End of file (or, on a terminal, EIO once the program closed it).
                ::close(fds[i].fd);
                (i == 0 ? outFd_ : errFd_) = -1;
            }
        }
        return got;
    }

    pid_t pid_ = -1;
    int outFd_ = -1;
    int errFd_ = -1;
    int status_ = kRunning;
    std::string out_;
    std::string err_;
};

}  // namespace voltaro::test
