// Injected faults as raw bytes show them: dropped, corrupted, short, split and delayed
// answers, wrong transaction ids, closed connections and exception rules.
#include <gtest/gtest.h>

#include <chrono>

#include "core/comm/crc16.h"
#include "raw_client.h"
#include "sim/simulator.h"

namespace voltaro::sim::test {
namespace {

SimulatorOptions WithFaults(const FaultSettings& faults, uint64_t seed = 1) {
    SimulatorOptions options;
    options.device.row = 39;
    options.line.turnaroundMs = 0;
    options.faults = faults;
    options.seed = seed;
    return options;
}

TEST(SimFaults, DropAndRunTimeChange) {
    FaultSettings faults;
    faults.drop = 1;
    Simulator sim(WithFaults(faults));
    RawTcp tcp(sim.StartTcp());
    EXPECT_TRUE(tcp.Exchange(ReadPdu(9601, 1), 1, 1, 200).empty());
    sim.ClearFaults();
    EXPECT_EQ(Registers(tcp.Request(ReadPdu(9601, 1)))[0], 300);
    EXPECT_EQ(sim.Counts().dropped, 1u);
    EXPECT_EQ(sim.Counts().requests, 2u);
}

TEST(SimFaults, SameSeedSameSequence) {
    const auto pattern = [](uint64_t seed) {
        FaultSettings faults;
        faults.drop = 0.5;
        Simulator sim(WithFaults(faults, seed));
        RawTcp tcp(sim.StartTcp());
        for (int i = 0; i < 24; ++i) {
            tcp.Send({0, static_cast<uint8_t>(i), 0, 0, 0, 6, 1, 4, 0x25, 0x80, 0, 1});
        }
        const Bytes answers = tcp.Receive(24 * 11, 500);  // answers are 11 bytes each
        std::string answered(24, '-');
        for (std::size_t at = 0; at + 11 <= answers.size(); at += 11)
            answered[answers[at + 1]] = 'x';
        return answered;
    };
    const std::string first = pattern(7);
    EXPECT_EQ(first, pattern(7));
    EXPECT_NE(first.find('-'), std::string::npos);
    EXPECT_NE(first.find('x'), std::string::npos);
}

TEST(SimFaults, ExceptionRulesHitTouchingRequestsOnly) {
    FaultSettings faults;
    faults.exceptions.push_back({6, 9601, 9602});
    Simulator sim(WithFaults(faults));
    RawTcp tcp(sim.StartTcp());
    EXPECT_EQ(tcp.Request(ReadPdu(9600, 2)), (Bytes{0x84, 6}));
    EXPECT_EQ(tcp.Request(WritePdu(9602, {1})), (Bytes{0x90, 6}));
    EXPECT_EQ(tcp.Request(ReadPdu(9600, 1)).size(), 4u);
    EXPECT_EQ(tcp.Request(ReadPdu(9603, 1)).size(), 4u);
}

TEST(SimFaults, WrongTransactionShortAndSplitTcpAnswers) {
    FaultSettings faults;
    faults.wrongTransaction = 1;
    Simulator sim(WithFaults(faults));
    RawTcp tcp(sim.StartTcp());
    const Bytes wrong = tcp.Exchange(ReadPdu(9601, 1), 0x1234);
    ASSERT_EQ(wrong.size(), 11u);
    EXPECT_EQ(wrong[0] << 8 | wrong[1], 0x1235);
    faults = FaultSettings{};
    faults.shortAnswer = 1;
    sim.SetFaults(faults);
    const Bytes cut = tcp.Exchange(ReadPdu(9600, 4), 9);
    ASSERT_GE(cut.size(), 7u);
    EXPECT_LT(cut.size(), 7u + 10u);
    EXPECT_EQ(static_cast<std::size_t>(cut[5]), cut.size() - 6);  // header matches what came
    faults = FaultSettings{};
    faults.splitTcp = 3;
    sim.SetFaults(faults);
    // The segments are 2 ms apart: a receive right after the request sees only the first
    // (tried a few times, so that a busy machine cannot fake a whole answer).
    bool partial = false;
    Bytes whole;
    for (int attempt = 0; attempt < 5 && !partial; ++attempt) {
        tcp.Send({0, 5, 0, 0, 0, 6, 1, 4, 0x25, 0x80, 0, 8});
        whole = tcp.ReceiveOnce();
        partial = whole.size() < 25u;
        const Bytes rest = tcp.Receive(25 - whole.size());
        whole.insert(whole.end(), rest.begin(), rest.end());
        ASSERT_EQ(whole.size(), 25u);
    }
    EXPECT_TRUE(partial);
    EXPECT_EQ(whole[9] << 8 | whole[10], 7821);
}

TEST(SimFaults, CloseAfterAndDelay) {
    FaultSettings faults;
    faults.closeAfter = 2;
    faults.delayMs = 60;
    Simulator sim(WithFaults(faults));
    const int port = sim.StartTcp();
    RawTcp tcp(port);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(tcp.Request(ReadPdu(9600, 1)).empty());
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(60));
    EXPECT_FALSE(tcp.Request(ReadPdu(9600, 1)).empty());
    EXPECT_TRUE(tcp.ClosedByPeer());
    RawTcp again(port);  // a new connection is served again
    EXPECT_FALSE(again.Request(ReadPdu(9600, 1)).empty());
}

TEST(SimFaults, RtuCorruptAndShortAnswers) {
    FaultSettings faults;
    faults.corruptCrc = 1;
    Simulator sim(WithFaults(faults));
    RawRtu rtu(sim.StartPty("VOLTARO-SIM-FAULT-" + std::to_string(getpid())));
    const Bytes bad = rtu.Exchange(1, ReadPdu(9600, 2), 9);
    ASSERT_EQ(bad.size(), 9u);
    EXPECT_NE(Crc16(bad.data(), 7), bad[7] | bad[8] << 8);
    faults = FaultSettings{};
    faults.shortAnswer = 1;
    sim.SetFaults(faults);
    EXPECT_EQ(rtu.Exchange(1, ReadPdu(9600, 2), 9).size(), 4u);
    EXPECT_EQ(sim.Counts().corrupted, 1u);
    EXPECT_EQ(sim.Counts().shortened, 1u);
}

TEST(SimFaults, BadSettingsAreRefused) {
    FaultSettings faults;
    faults.drop = 1.5;
    EXPECT_THROW(Simulator{WithFaults(faults)}, std::exception);
    Simulator sim(WithFaults({}));
    faults = FaultSettings{};
    faults.exceptions.push_back({0, 5, 4});
    EXPECT_THROW(sim.SetFaults(faults), std::exception);
}

// The N-th write is refused (nothing stored) or lost (acknowledged, nothing stored), once;
// reads do not count, and setting the faults again starts counting anew.
TEST(SimFaults, OneShotWriteFaults) {
    FaultSettings faults;
    faults.failWrite = 2;
    Simulator sim(WithFaults(faults));
    RawTcp tcp(sim.StartTcp());
    const Bytes done = tcp.Request(WritePdu(5200, {2}));
    EXPECT_EQ(done.at(0), 16);
    EXPECT_FALSE(tcp.Request(ReadPdu(5200, 1)).empty());
    EXPECT_EQ(tcp.Request(WritePdu(5200, {1})), (Bytes{0x90, 4}));
    EXPECT_EQ(tcp.Request(WritePdu(5200, {1})), (Bytes{0x90, 4}));  // a retry: the same
    EXPECT_EQ(sim.Register(5200), 2);
    EXPECT_EQ(tcp.Request(WritePdu(5200, {2})), done);  // another write succeeds ...
    EXPECT_EQ(tcp.Request(WritePdu(5200, {1})), done);  // ... and so do later ones
    EXPECT_EQ(sim.Register(5200), 1);

    faults = FaultSettings{};
    faults.loseWrite = 1;
    sim.SetFaults(faults);
    EXPECT_EQ(tcp.Request(WritePdu(5200, {2})), done);  // answered as done ...
    EXPECT_EQ(sim.Register(5200), 1);                   // ... but not stored
    EXPECT_EQ(tcp.Request(WritePdu(5200, {2})), done);
    EXPECT_EQ(sim.Register(5200), 2);
}

}  // namespace
}  // namespace voltaro::sim::test
