// A whole upload over a faulty link against the simulator: the client's figures match the
// simulator's own counts of what it received, dropped and corrupted.
#include <gtest/gtest.h>

#include "core/comm/link_monitor.h"
#include "core/transfer/progress_thread.h"
#include "sim_link.h"

namespace voltaro {
namespace {

using test::SimRow;

constexpr int kMeterRow = 4;

struct ErrorCounter : IFrameListener {
    void OnFrame(const FrameRecord& frame) override { errors += IsErrorFrame(frame) ? 1 : 0; }
    uint64_t errors = 0;
};

// The figures an upload leaves behind agree with what the simulator saw.
void ExpectCountsMatch(const LinkCounters& c, const sim::SimulatorCounts& s) {
    EXPECT_EQ(c.requests, s.requests);
    EXPECT_EQ(c.timeouts, s.dropped);
    EXPECT_EQ(c.crcErrors, s.corrupted);
    EXPECT_EQ(c.answers + c.crcErrors, s.answers);
    EXPECT_EQ(c.exceptions, s.exceptions);
    // The upload succeeded, so every failed attempt was followed by a retry.
    EXPECT_EQ(c.retries, c.timeouts + c.crcErrors + c.invalid);
    EXPECT_EQ(c.invalid, 0u);
}

TEST(LinkStatisticsAgainstTheSimulator, UploadOverAPseudoTerminalWithDropsAndBadCrcs) {
    sim::SimulatorOptions options = SimRow(kMeterRow);
    options.faults.drop = 0.05;
    options.faults.corruptCrc = 0.05;
    options.seed = 5;
    sim::Simulator simulator(options);
    CComSettings settings;
    settings.comPortName = simulator.StartPty();
    settings.parity = 0;  // a pseudo-terminal keeps no parity setting
    CModbusInterface client(settings);
    client.timeouts.serialScale = 0.05;
    ErrorCounter errors;
    CFrameSubscription subscription(&errors);
    ParameterImage image;
    ASSERT_TRUE(RunUpload(client, image));

    const sim::SimulatorCounts s = simulator.Counts();
    const LinkCounters c = client.Statistics().counters;
    ASSERT_GT(s.dropped, 0u);
    ASSERT_GT(s.corrupted, 0u);
    ExpectCountsMatch(c, s);
    EXPECT_EQ(errors.errors, c.timeouts + c.crcErrors);
    EXPECT_GT(c.bytesReceived, 0u);
    EXPECT_EQ(client.Statistics().times.Count(), c.answers + c.crcErrors);
}

TEST(LinkStatisticsAgainstTheSimulator, UploadOverTcpWithDrops) {
    sim::SimulatorOptions options = SimRow(kMeterRow);
    options.faults.drop = 0.06;
    options.seed = 3;
    sim::Simulator simulator(options);
    CComSettings settings;
    settings.mode = ModbusTcp;
    settings.serverAddress = "127.0.0.1";
    settings.servicePort = std::to_string(simulator.StartTcp());
    CModbusInterface client(settings);
    client.timeouts.tcpResponseMs = 60;
    ParameterImage image;
    ASSERT_TRUE(RunUpload(client, image));
    const sim::SimulatorCounts s = simulator.Counts();
    ASSERT_GT(s.dropped, 0u);
    ExpectCountsMatch(client.Statistics().counters, s);
}

}  // namespace
}  // namespace voltaro
