// voltaro-cli fleet against a fleet of 20 devices behind 5 gateways, all served by one
// voltaro-sim --fleet process: upload all, the compare that finds the one changed device,
// the summary and the JSON report, a failing device among good ones, and the refusals.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "core/platform/temp_dir.h"
#include "support/cli_run.h"
#include "support/json_value.h"

namespace voltaro {
namespace {

using namespace std::chrono_literals;
using test::CliProcess;
using test::CliRun;
using test::ReadFile;
using test::RunCli;
using test::TempDir;
using test::WriteFile;

constexpr int kGateways = 5;
constexpr int kUnits = 4;

// A loopback port nobody listens on just now.
int FreePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

std::string Name(int gateway, int unit) {
    return "g" + std::to_string(gateway) + "-u" + std::to_string(unit);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class CliFleet : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int g = 0; g < kGateways; ++g)
            ports_.push_back(FreePort());
        std::string text = "; 20 meters behind 5 gateways\n";
        for (int u = 1; u <= kUnits; ++u)
            for (int g = 0; g < kGateways; ++g)
                text += "[" + Name(g, u) + "]\ntcp = 127.0.0.1:" + std::to_string(ports_[g]) +
                        "\nunit = " + std::to_string(u) +
                        "\nrow = 39\ntags = " + (g < 2 ? "east" : "west") + "\n\n";
        fleet_ = dir_.File("fleet.ini");
        WriteFile(fleet_, text);
        CliProcess::Options options;
        options.program = std::string(VOLTARO_BINARY_DIR) + "/bin/voltaro-sim";
        sim_ = std::make_unique<CliProcess>(
            std::vector<std::string>{"--fleet", fleet_, "--turnaround-ms", "0"}, options);
        ASSERT_TRUE(sim_->WaitForLines(kGateways, 10s)) << sim_->Err();
    }
    void TearDown() override {
        if (sim_) {
            sim_->Signal(SIGTERM);
            EXPECT_EQ(sim_->Wait(10s), 0) << sim_->Err();
        }
    }
    std::string Port(int gateway) const { return std::to_string(ports_[gateway]); }

    TempDir dir_;
    std::vector<int> ports_;
    std::string fleet_;
    std::unique_ptr<CliProcess> sim_;
};

TEST_F(CliFleet, UploadsAllThenCompareFlagsTheOneChangedDevice) {
    const std::string up = dir_.File("up");
    const std::string report = dir_.File("report.json");
    const CliRun upload = RunCli("fleet " + fleet_ + " --report " + report + " upload " + up);
    ASSERT_EQ(upload.status, 0) << upload.out;
    // The table lists every device in the file's order, then the summary.
    const std::vector<std::string> lines = Lines(upload.out);
    ASSERT_EQ(lines.size(), 1u + kGateways * kUnits + 1u) << upload.out;
    EXPECT_EQ(lines[0].rfind("device", 0), 0u);
    EXPECT_EQ(lines[1].rfind("g0-u1 ", 0), 0u);
    EXPECT_EQ(lines[20].rfind("g4-u4 ", 0), 0u);
    EXPECT_EQ(lines.back(), "20 devices: 20 ok, 0 failed, 0 differ, 0 cancelled or not started");
    for (int g = 0; g < kGateways; ++g)
        for (int u = 1; u <= kUnits; ++u)
            EXPECT_TRUE(std::filesystem::is_regular_file(up + "/" + Name(g, u) + ".cfg"));
    const test::JsonValue json = test::JsonReader::Parse(ReadFile(report));
    EXPECT_EQ(json["command"].text, "upload");
    ASSERT_EQ(json["devices"].items.size(), 20u);
    for (const test::JsonValue& device : json["devices"].items)
        EXPECT_EQ(device["result"].text, "ok") << device["device"].text;
    EXPECT_EQ(json["summary"]["ok"].number, 20);

    // One device gets another CT secondary, through the single-device download.
    std::string changed = ReadFile(up + "/g2-u3.cfg");
    const std::size_t at = changed.find("L5602=5");
    ASSERT_NE(at, std::string::npos);
    changed.replace(at, 7, "L5602=1");
    WriteFile(dir_.File("changed.cfg"), changed);
    ASSERT_EQ(RunCli("download " + dir_.File("changed.cfg") + " --tcp 127.0.0.1:" + Port(2) +
                     " --address 3")
                  .status,
              0);

    const CliRun compare = RunCli("fleet " + fleet_ + " compare " + up + "/g0-u1.cfg");
    EXPECT_EQ(compare.status, 3) << compare.out;
    int differing = 0;
    for (const std::string& line : Lines(compare.out)) {
        if (line.find("differs") == std::string::npos) continue;
        ++differing;
        EXPECT_EQ(line.rfind("g2-u3 ", 0), 0u) << line;
        EXPECT_NE(line.find("1 parameters differ from g0-u1.cfg"), std::string::npos) << line;
    }
    EXPECT_EQ(differing, 1) << compare.out;
    EXPECT_NE(compare.out.find("20 devices: 19 ok, 0 failed, 1 differ"), std::string::npos);
}

TEST_F(CliFleet, TagsSelectAndAFailingDeviceLeavesTheOthersAlone) {
    // The fleet file of the run names two devices the simulator does not serve: a unit no
    // device answers behind a served gateway, and a gateway where nobody listens.
    std::string text = ReadFile(fleet_);
    text += "[ghost-unit]\ntcp = 127.0.0.1:" + Port(0) + "\nunit = 9\ntags = east\n";
    text += "[ghost-gateway]\ntcp = 127.0.0.1:" + std::to_string(FreePort()) + "\ntags = east\n";
    WriteFile(dir_.File("more.ini"), text);
    const std::string report = dir_.File("r.json");
    const CliRun run = RunCli("fleet " + dir_.File("more.ini") + " --tags east --jobs 2 --report " +
                              report + " identify");
    EXPECT_EQ(run.status, 1) << run.out;
    const test::JsonValue json = test::JsonReader::Parse(ReadFile(report));
    const auto& devices = json["devices"].items;
    ASSERT_EQ(devices.size(), 2u * kUnits + 2u);  // the east gateways and the two ghosts
    for (const test::JsonValue& device : devices) {
        const std::string& name = device["device"].text;
        const bool ghost = name.rfind("ghost", 0) == 0;
        EXPECT_EQ(device["result"].text, ghost ? "failed" : "ok") << name;
        if (!ghost) {
            EXPECT_TRUE(name.rfind("g0-", 0) == 0 || name.rfind("g1-", 0) == 0) << name;
            EXPECT_NE(device["message"].text.find("catalogue row 39"), std::string::npos);
        } else {
            EXPECT_FALSE(device["message"].text.empty());
        }
    }
    // Every simulated device has its own serial number.
    std::vector<std::string> serials;
    for (const test::JsonValue& device : devices) {
        const std::string& message = device["message"].text;
        if (const std::size_t at = message.find("serial "); at != std::string::npos)
            serials.push_back(message.substr(at));
    }
    std::sort(serials.begin(), serials.end());
    EXPECT_EQ(std::unique(serials.begin(), serials.end()), serials.end());
}

TEST(CliFleetArguments, RefusedBeforeAnyDeviceIsTouched) {
    TempDir dir;
    const std::string fleet = dir.File("f.ini");
    WriteFile(fleet, "[a]\ntcp = 127.0.0.1:1\n");
    const std::string cfg = dir.File("x.cfg");
    const auto err = [](const CliRun& run) { return run.out; };
    CliRun run = RunCli("fleet " + fleet + " download " + cfg, true);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(err(run).find("confirm it with --yes"), std::string::npos) << run.out;
    run = RunCli("fleet " + fleet + " erase", true);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("unknown fleet command \"erase\""), std::string::npos);
    run = RunCli("fleet " + fleet + " --jobs 0 identify", true);
    EXPECT_EQ(run.status, 2);
    run = RunCli("fleet " + fleet + " identify --sync", true);
    EXPECT_EQ(run.status, 2);
    run = RunCli("fleet " + fleet + " monitor --csv " + dir.Path(), true);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("--once --csv DIR/"), std::string::npos);
    // A fault in the fleet file names file, line, device and key.
    WriteFile(fleet, "[a]\ntcp = 127.0.0.1:1\nadress = 3\n");
    run = RunCli("fleet " + fleet + " identify", true);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find(fleet + ", line 3: [a] adress: unknown key"), std::string::npos)
        << run.out;
    // A missing golden file: no device is touched (the port would refuse anyway).
    WriteFile(fleet, "[a]\ntcp = 127.0.0.1:1\n");
    run = RunCli("fleet " + fleet + " compare " + cfg, true);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.find(" devices: "), std::string::npos) << run.out;  // no run
}

}  // namespace
}  // namespace voltaro
