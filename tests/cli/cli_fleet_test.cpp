// voltaro-cli fleet against a fleet of 20 devices behind 5 gateways, all served by one
// voltaro-sim --fleet process: upload all, the compare that finds the one changed device,
// the summary and the JSON report, a failing device among good ones, and the refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/sim_fleet.h"
#include "core/platform/temp_dir.h"
#include "support/cli_run.h"
#include "support/json_value.h"

namespace voltaro {
namespace {

using namespace std::chrono_literals;
using test::CliRun;
using test::ReadFile;
using test::RunCli;
using test::TempDir;
using test::WriteFile;

constexpr int kGateways = 5;
constexpr int kUnits = 4;

std::string Name(int gateway, int unit) {
    return test::FleetName(gateway, unit);
}

using test::Lines;

class CliFleet : public ::testing::Test {
  protected:
    void SetUp() override {
        sim_ = std::make_unique<test::SimFleet>(dir_, kGateways, kUnits,
                                                std::vector<std::string>{"--turnaround-ms", "0"});
        ASSERT_TRUE(sim_->Started()) << sim_->Process().Err();
        fleet_ = sim_->Path();
    }
    std::string Port(int gateway) const { return sim_->Port(gateway); }

    TempDir dir_;
    std::unique_ptr<test::SimFleet> sim_;
    std::string fleet_;
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
    text +=
        "[ghost-gateway]\ntcp = 127.0.0.1:" + std::to_string(test::FreePort()) + "\ntags = east\n";
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
