// The installer launcher as a process: it starts the installer found along PATH with the
// fixed command line in its own directory and environment, does not wait for it, ignores
// its own arguments, and ends with status 0 silently when no installer can be started.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "setup/launcher.h"

namespace voltaro::setup {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kSetup = std::string(VOLTARO_BINARY_DIR) + "/bin/setup";

class Scratch {
  public:
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "voltaro-setup-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteExecutable(const std::string& path, const std::string& text, mode_t mode = 0755) {
    std::ofstream(path) << text;
    ::chmod(path.c_str(), mode);
}

struct SetupRun {
    int status = -1;  // exit status; -1 when it did not end by itself in time
    std::string out, err;
};

// Runs setup with args in directory cwd and PATH set to path; gives it 10 s to end.
SetupRun RunSetup(const std::string& cwd, const std::string& path,
                  const std::vector<std::string>& args, const Scratch& scratch) {
    const std::string out = scratch / "setup.out", err = scratch / "setup.err";
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(cwd.c_str()) != 0) ::_exit(120);
        ::setenv("PATH", path.c_str(), 1);
        ::setenv("VOLTARO_SETUP_PROBE", "passed on", 1);
        const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(o, 1);
        ::dup2(e, 2);
        std::vector<char*> argv{const_cast<char*>(kSetup.c_str())};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(kSetup.c_str(), argv.data());
        ::_exit(121);
    }
    SetupRun run;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return run;
        }
        std::this_thread::sleep_for(5ms);
    }
    if (WIFEXITED(status)) run.status = WEXITSTATUS(status);
    run.out = Slurp(out);
    run.err = Slurp(err);
    return run;
}

TEST(SetupCommandLine, IsCopiedWholeOrNotAtAll) {
    char buffer[kCommandLineCapacity];
    ASSERT_TRUE(CopyBounded(buffer, sizeof buffer, kInstallerCommandLine));
    EXPECT_STREQ(buffer, "msiexec /i App_x86 SETUPVAR1=0");

    char exact[8];
    EXPECT_TRUE(CopyBounded(exact, sizeof exact, "1234567"));
    EXPECT_STREQ(exact, "1234567");
    char small[7] = "xxxxxx";
    EXPECT_FALSE(CopyBounded(small, sizeof small, "1234567"));
    EXPECT_STREQ(small, "");  // not "123456"
    EXPECT_FALSE(CopyBounded(small, 0, "x"));

    const std::string tooLong(kCommandLineCapacity, 'a');
    EXPECT_FALSE(CopyBounded(buffer, sizeof buffer, tooLong.c_str()));
    EXPECT_STREQ(buffer, "");
}

TEST(SetupCommandLine, SplitsIntoWordsInPlace) {
    char line[] = "  msiexec /i  App_x86 SETUPVAR1=0 ";
    char* words[5];
    ASSERT_EQ(SplitInPlace(line, words, 4), 4u);
    EXPECT_STREQ(words[0], "msiexec");
    EXPECT_STREQ(words[1], "/i");
    EXPECT_STREQ(words[2], "App_x86");
    EXPECT_STREQ(words[3], "SETUPVAR1=0");
    EXPECT_EQ(words[4], nullptr);

    char many[] = "a b c";
    char* two[3];
    EXPECT_EQ(SplitInPlace(many, two, 2), 0u);  // never a cut-off command
    EXPECT_EQ(two[0], nullptr);
    char blank[] = "   ";
    EXPECT_EQ(SplitInPlace(blank, two, 2), 0u);
}

TEST(Setup, StartsTheInstallerAlongThePathAndDoesNotWaitForIt) {
    // The orphaned installer comes back to this process, which can then reap it.
    ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    Scratch scratch;
    const std::string bin = scratch / "bin", packageDir = scratch / "media";
    fs::create_directories(bin);
    fs::create_directories(packageDir);
    const std::string record = scratch / "record", fifo = scratch / "release";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // The stand-in installer records its process id, directory, one environment variable
    // and its arguments, then blocks until the test releases it.
    WriteExecutable(bin + "/msiexec",
                    "#!/bin/sh\n"
                    "{ echo $$; pwd; echo \"$VOLTARO_SETUP_PROBE\"; "
                    "printf '%s\\n' \"$@\"; } > '" +
                        record +
                        ".tmp'\n"
                        "mv '" +
                        record + ".tmp' '" + record +
                        "'\n"
                        "read line < '" +
                        fifo + "'\n");

    const SetupRun run = RunSetup(packageDir, bin + ":/usr/bin:/bin",
                                  {"/x", "OTHER=1", "--help", std::string(2000, 'z')}, scratch);
    ASSERT_EQ(run.status, 0) << "setup did not end while the installer was still running";
    EXPECT_EQ(run.out + run.err, "");

    for (int i = 0; i < 1000 && !fs::exists(record); ++i)
        std::this_thread::sleep_for(10ms);
    ASSERT_TRUE(fs::exists(record)) << "the stand-in installer never ran";
    std::istringstream lines(Slurp(record));
    pid_t installer = 0;
    lines >> installer;
    std::string rest((std::istreambuf_iterator<char>(lines)), std::istreambuf_iterator<char>());
    EXPECT_EQ(rest, "\n" + fs::canonical(packageDir).string() +
                        "\npassed on\n/i\nApp_x86\nSETUPVAR1=0\n");
    ASSERT_EQ(::kill(installer, 0), 0) << "the installer should still be waiting";

    const int release = ::open(fifo.c_str(), O_WRONLY);
    ASSERT_GE(release, 0);
    ASSERT_EQ(::write(release, "\n", 1), 1);
    ::close(release);
    int status = 0;
    EXPECT_EQ(::waitpid(installer, &status, 0), installer);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(Setup, EndsWithZeroAndSaysNothingWhenNoInstallerCanBeStarted) {
    Scratch scratch;
    const std::string empty = scratch / "empty", broken = scratch / "broken";
    fs::create_directories(empty);
    fs::create_directories(broken);
    // One that is there but may not be run, and one whose interpreter is missing.
    WriteExecutable(broken + "/msiexec", "#!/bin/sh\ntouch ran\n", 0644);
    const std::string noInterpreter = scratch / "nointerp";
    fs::create_directories(noInterpreter);
    WriteExecutable(noInterpreter + "/msiexec", "#!/nonexistent/shell\n");

    for (const std::string& path : {empty, broken, noInterpreter}) {
        SCOPED_TRACE(path);
        const SetupRun run = RunSetup(scratch.Path(), path, {}, scratch);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out + run.err, "");
    }
    EXPECT_FALSE(fs::exists(scratch / "ran"));
}

}  // namespace
}  // namespace voltaro::setup
