// voltaro-cli --stats and --trace: the figures and the frames go to standard error, the
// command's own output stays alone on standard output.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "cli/cli_process.h"
#include "cli/sim_device.h"

namespace voltaro {
namespace {

using test::CliProcess;
using test::SimDevice;

using test::Lines;

CliProcess::Options English(std::vector<std::string> environment = {}) {
    CliProcess::Options options;
    environment.push_back("LC_ALL=C");
    options.environment = std::move(environment);
    return options;
}

// The frame lines: time, connection, direction, hex, then the meaning.
const std::regex kSent(
    R"(\d\d:\d\d:\d\d\.\d{3} #\d+ sent  00 0\d 00 00 00 06 01 04 25 80 00 02  \| read 2 registers from 9601)");
const std::regex kAnswer(
    R"(\d\d:\d\d:\d\d\.\d{3} #\d+ received  ([0-9A-F]{2} )+[0-9A-F]{2}  \| values \d+ \d+ \(\d+\.\d ms\))");
const std::regex kException(
    R"(\d\d:\d\d:\d\d\.\d{3} #\d+ received  ([0-9A-F]{2} )+[0-9A-F]{2}  \| receive exception 2 \(\d+\.\d ms\))");

int Matching(const std::vector<std::string>& lines, const std::regex& pattern) {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
        return std::regex_match(l, pattern);
    }));
}

// The figures after the frames: from the connection's title on.
std::string Figures(const std::string& err) {
    const auto title = err.find("Connection ");
    return title == std::string::npos ? std::string() : err.substr(title);
}

TEST(CliLinkStats, StatsAndTraceGoToStandardErrorOnly) {
    SimDevice device(4);
    const std::vector<std::string> link = device.TcpArgs();
    CliProcess plain({"read", "9600", "2", link[0], link[1]}, English());
    ASSERT_EQ(plain.Wait(std::chrono::seconds(30)), 0) << plain.Err();
    CliProcess run({"--stats", "read", "9600", "2", "--trace", link[0], link[1]}, English());
    ASSERT_EQ(run.Wait(std::chrono::seconds(30)), 0) << run.Err();
    EXPECT_EQ(run.Out(), plain.Out());
    EXPECT_EQ(plain.Err(), "");

    const auto lines = Lines(run.Err());
    ASSERT_GE(lines.size(), 3u) << run.Err();
    EXPECT_TRUE(std::regex_match(lines[0], kSent)) << lines[0];
    EXPECT_TRUE(std::regex_match(lines[1], kAnswer)) << lines[1];
    EXPECT_EQ(lines[2], "Connection 1: TCP 127.0.0.1:" + std::to_string(device.port) + " (closed)");
    const std::string figures = Figures(run.Err());
    for (const char* row : {"  Requests: 1\n", "  Retries: 0\n", "  Answers: 1\n",
                            "  Time-outs: 0\n", "  Bytes sent: 12\n", "  Bytes received: 13\n"})
        EXPECT_NE(figures.find(row), std::string::npos) << row << figures;
    EXPECT_TRUE(std::regex_search(
        figures,
        std::regex(R"(  Answer time min / mean / 95 % / max: (\d+\.\d / ){3}\d+\.\d ms\n)")))
        << figures;
}

TEST(CliLinkStats, RefusedRequestsAreCountedByCodeAndRetried) {
    sim::SimulatorOptions options = SimDevice::Options(4);
    options.faults.exceptions.push_back({2, 9600, 9601});
    SimDevice device(options);
    const std::vector<std::string> link = device.TcpArgs();
    CliProcess run({"read", "9600", "2", "--stats", "--trace", link[0], link[1]}, English());
    EXPECT_EQ(run.Wait(std::chrono::seconds(30)), 1) << run.Err();
    const auto lines = Lines(run.Err());
    EXPECT_EQ(Matching(lines, kSent), 3) << run.Err();
    EXPECT_EQ(Matching(lines, kException), 3) << run.Err();
    const std::string figures = Figures(run.Err());
    for (const char* row : {"  Requests: 3\n", "  Retries: 2\n", "  Answers: 0\n",
                            "  Exception answers: 3\n", "    Exception code 2: 3\n"})
        EXPECT_NE(figures.find(row), std::string::npos) << row << figures;
    EXPECT_EQ(device.simulator.Counts().exceptions, 3u);
}

TEST(CliLinkStats, TraceOfTheEnvironmentPrintsEachFrameOnceAndStatsFollowFailures) {
    SimDevice device(4);
    CliProcess run({"read", "9600", "1", "--trace", device.TcpArgs()[0], device.TcpArgs()[1]},
                   English({"VOLTARO_TRACE=1"}));
    ASSERT_EQ(run.Wait(std::chrono::seconds(30)), 0) << run.Err();
    const auto lines = Lines(run.Err());
    ASSERT_EQ(lines.size(), 2u) << run.Err();
    EXPECT_NE(lines[0].find(" sent "), std::string::npos);
    EXPECT_NE(lines[1].find(" received "), std::string::npos);

    // A failed command still shows what its link did; nothing connected says so.
    CliProcess failed({"read", "9600", "1", "--stats", "--tcp", "127.0.0.1:1"}, English());
    EXPECT_EQ(failed.Wait(std::chrono::seconds(30)), 1);
    EXPECT_NE(failed.Err().find("  Requests: 0\n"), std::string::npos) << failed.Err();
    CliProcess usage({"read", "--stats"}, English());
    EXPECT_EQ(usage.Wait(std::chrono::seconds(30)), 2);
    EXPECT_NE(usage.Err().find("No connection has been made yet."), std::string::npos)
        << usage.Err();
}

}  // namespace
}  // namespace voltaro
