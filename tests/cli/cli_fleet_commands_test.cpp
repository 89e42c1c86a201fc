// voltaro-cli fleet download, monitor and clock against protected simulated devices, and
// Ctrl-C in the middle of a fleet run.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/sim_fleet.h"
#include "core/platform/temp_dir.h"
#include "support/cli_run.h"

namespace voltaro {
namespace {

using namespace std::chrono_literals;
using test::CliProcess;
using test::CliRun;
using test::ReadFile;
using test::RunCli;
using test::TempDir;
using test::WriteFile;

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST(CliFleetCommands, DownloadMonitorAndClockThroughThePasscode) {
    TempDir dir;
    test::SimFleet sim(dir, 2, 1, {"--turnaround-ms", "0", "--passcode", "4711"});
    ASSERT_TRUE(sim.Started()) << sim.Process().Err();
    const std::string fleet = sim.Path() + " ";
    ASSERT_EQ(RunCli("fleet " + fleet + "upload " + dir.File("up")).status, 0);
    std::string changed = ReadFile(dir.File("up/g0-u1.cfg"));
    const std::size_t at = changed.find("L5602=5");
    ASSERT_NE(at, std::string::npos);
    changed.replace(at, 7, "L5602=1");
    const std::string file = dir.File("changed.cfg");
    WriteFile(file, changed);

    // Without a passcode (none remembered) nothing is written to either device.
    CliRun run = RunCli("fleet " + fleet + "download " + file + " --yes");
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_EQ(Count(run.out, "write protected"), 2) << run.out;
    EXPECT_EQ(RunCli("fleet " + fleet + "compare " + dir.File("up/g0-u1.cfg")).status, 0);

    run = RunCli("fleet " + fleet + "download " + file + " --yes --passcode 4711");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(Count(run.out, "changed.cfg written"), 2) << run.out;
    // Each device backed up before and read back after.
    EXPECT_EQ(Count(run.out, "Read back and verified"), 2) << run.out;
    EXPECT_EQ(Count(run.out, "Backup: "), 2) << run.out;
    run = RunCli("fleet " + fleet + "compare " + file);
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(Count(run.out, "same as changed.cfg"), 2) << run.out;
    // Both devices were locked again: a write without the passcode is refused once more.
    run = RunCli("fleet " + fleet + "download " + dir.File("up/g0-u1.cfg") + " --yes");
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_EQ(Count(run.out, "write protected"), 2) << run.out;

    // One row of measured values per device and run, appended to the device's log.
    const std::string csv = dir.File("csv");
    ASSERT_EQ(RunCli("fleet " + fleet + "monitor --once --csv " + csv).status, 0);
    run = RunCli("fleet " + fleet + "monitor --once --csv " + csv);
    EXPECT_EQ(run.status, 0) << run.out;
    for (const char* name : {"g0-u1", "g1-u1"}) {
        const std::string log = ReadFile(csv + "/" + name + ".csv");
        EXPECT_EQ(Count(log, "\n"), 3) << name;  // the header and two rows
        EXPECT_EQ(log.rfind("time,", 0), 0u) << name;
    }

    run = RunCli("fleet " + fleet + "clock --sync --passcode 4711");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(Count(run.out, "clock set to 20"), 2) << run.out;
}

TEST(CliFleetCommands, CtrlCFinishesTheRunningDeviceAndStartsNoOther) {
    TempDir dir;
    // Slow answers, each logged: the first request shows that the run has begun.
    test::SimFleet sim(dir, 1, 3, {"--delay-ms", "10", "--log"});
    ASSERT_TRUE(sim.Started()) << sim.Process().Err();
    const std::string up = dir.File("up");
    CliProcess cli({"fleet", sim.Path(), "--jobs", "1", "upload", up}, {});
    const auto limit = std::chrono::steady_clock::now() + 20s;
    while (sim.Process().Err().find(" <- ") == std::string::npos &&
           std::chrono::steady_clock::now() < limit)
        sim.Process().Drain(20ms);
    ASSERT_NE(sim.Process().Err().find(" <- "), std::string::npos);
    cli.Signal(SIGINT);
    EXPECT_EQ(cli.Wait(60s), 1);
    EXPECT_NE(cli.Err().find("no new one starts"), std::string::npos) << cli.Err();
    EXPECT_NE(cli.Out().find("\ng0-u1   ok"), std::string::npos) << cli.Out();
    EXPECT_EQ(Count(cli.Out(), "not started  -"), 2) << cli.Out();
    EXPECT_NE(cli.Out().find("3 devices: 1 ok, 0 failed, 0 differ, 2 cancelled or not started"),
              std::string::npos)
        << cli.Out();
    EXPECT_TRUE(std::filesystem::is_regular_file(up + "/g0-u1.cfg"));
    EXPECT_FALSE(std::filesystem::exists(up + "/g0-u2.cfg"));
}

TEST(CliFleetCommands, ASecondCtrlCStopsTheDownloadAndTheDeviceIsLockedAgain) {
    TempDir dir;
    test::SimFleet sim(dir, 1, 2, {"--turnaround-ms", "0", "--passcode", "4711"});
    ASSERT_TRUE(sim.Started()) << sim.Process().Err();
    ASSERT_EQ(RunCli("fleet " + sim.Path() + " upload " + dir.File("up")).status, 0);
    // The same fleet again, slow and logged.
    TempDir slowDir;
    test::SimFleet slow(slowDir, 1, 2, {"--delay-ms", "20", "--log", "--passcode", "4711"});
    ASSERT_TRUE(slow.Started()) << slow.Process().Err();

    CliProcess cli({"fleet", slow.Path(), "--report", dir.File("r.json"), "download",
                    dir.File("up/g0-u1.cfg"), "--yes", "--passcode", "4711"},
                   {});
    // Into the writes of the first device's download, then Ctrl-C twice.
    const auto limit = std::chrono::steady_clock::now() + 20s;
    while (slow.Process().Err().find("write") == std::string::npos &&
           std::chrono::steady_clock::now() < limit)
        slow.Process().Drain(10ms);
    cli.Signal(SIGINT);
    slow.Process().Drain(100ms);
    cli.Signal(SIGINT);
    EXPECT_EQ(cli.Wait(60s), 1);
    const std::string report = ReadFile(dir.File("r.json"));
    EXPECT_NE(report.find("{\"device\": \"g0-u1\", \"result\": \"cancelled\""), std::string::npos)
        << report << cli.Err();
    EXPECT_NE(report.find("{\"device\": \"g0-u2\", \"result\": \"not_started\""), std::string::npos)
        << report;
    // The cancelled device was locked again: without the passcode nothing gets in.
    const CliRun run =
        RunCli("fleet " + slow.Path() + " download " + dir.File("up/g0-u1.cfg") + " --yes");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Count(run.out, "write protected"), 2) << run.out;
}

TEST(CliFleetCommands, ADownloadFailingPartWayNamesTheBackupOfEachDevice) {
    TempDir dir;
    TempDir healthyDir;
    test::SimFleet healthy(healthyDir, 1, 1, {"--turnaround-ms", "0"});
    ASSERT_TRUE(healthy.Started()) << healthy.Process().Err();
    ASSERT_EQ(RunCli("fleet " + healthy.Path() + " upload " + dir.File("up")).status, 0);
    const std::string file = dir.File("up/g0-u1.cfg");
    // Backup and read-back can be turned off for a run.
    CliRun run =
        RunCli("fleet " + healthy.Path() + " download " + file + " --yes --no-backup --no-verify");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(Count(run.out, "No backup was made"), 1) << run.out;
    EXPECT_EQ(Count(run.out, "Not verified"), 1) << run.out;

    // Every device refuses its second write: each fails after writing began, with its backup.
    test::SimFleet failing(dir, 2, 1, {"--turnaround-ms", "0", "--fail-write", "2"});
    ASSERT_TRUE(failing.Started()) << failing.Process().Err();
    run = RunCli("fleet " + failing.Path() + " download " + file + " --yes");
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_NE(run.out.find("2 devices: 0 ok, 2 failed"), std::string::npos) << run.out;
    EXPECT_EQ(Count(run.out, "Backup: "), 2) << run.out;
    for (const std::string& line : {std::string("\ng0-u1 "), std::string("\ng1-u1 ")}) {
        const std::size_t at = run.out.find(line);
        ASSERT_NE(at, std::string::npos) << run.out;
        const std::size_t backup = run.out.find("Backup: ", at);
        const std::string path =
            run.out.substr(backup + 8, run.out.find_first_of(" \n", backup + 8) - backup - 8);
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
    }
}

}  // namespace
}  // namespace voltaro
