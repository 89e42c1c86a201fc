#pragma once
// File permissions do not stop root, and CI runs the tests as root. A test of what a
// plain user may not do runs its body through AsPlainUser: as root, in a child process
// that has dropped to the unprivileged user "nobody" (65534); otherwise right here.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

namespace voltaro::test {

constexpr uid_t kPlainUserId = 65534;
constexpr gid_t kPlainGroupId = 65534;

inline bool RunningAsRoot() {
    return ::geteuid() == 0;
}

// Hands path (and everything below it) to the plain user when running as root, so that
// the body of AsPlainUser owns what the test made for it.
inline void GiveToPlainUser(const std::string& path) {
    if (!RunningAsRoot()) return;
    EXPECT_EQ(::lchown(path.c_str(), kPlainUserId, kPlainGroupId), 0) << path;
    std::error_code ignored;
    if (!std::filesystem::is_directory(path, ignored)) return;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path, ignored))
        EXPECT_EQ(::lchown(entry.path().c_str(), kPlainUserId, kPlainGroupId), 0) << entry.path();
}

// Runs body as a plain user. body returns "" when everything held, else what went
// wrong; the result is that text ("" for success).
inline std::string AsPlainUser(const std::function<std::string()>& body) {
    if (!RunningAsRoot()) return body();
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return "pipe failed";
    const pid_t child = ::fork();
    if (child < 0) return "fork failed";
    if (child == 0) {
        ::close(pipeFds[0]);
        std::string result;
        if (::setgroups(0, nullptr) != 0 || ::setgid(kPlainGroupId) != 0 ||
            ::setuid(kPlainUserId) != 0)
            result = "could not drop to the plain user";
        else
            result = body();
        [[maybe_unused]] ssize_t written = ::write(pipeFds[1], result.data(), result.size());
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string result;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status)) return "the plain user's part ended abnormally";
    return result;
}

}  // namespace voltaro::test
