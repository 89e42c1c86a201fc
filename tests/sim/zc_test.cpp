// The ZC map: per-channel blocks for 8 and 16 inputs, the discrete-input variant, hourly
// energies, THD and spectra, bit resets; and the RTU wire-time emulation.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "raw_client.h"
#include "sim/simulator.h"
#include "sim/zc_values.h"

namespace voltaro::sim::test {
namespace {

std::vector<uint16_t> Read(RawTcp& tcp, int address, int count) {
    return Registers(tcp.Request(ReadPdu(address, count)));
}

TEST(SimZc, ChannelBlocksOfEightAndSixteenInputs) {
    Simulator eight(Row(52));
    RawTcp tcp8(eight.StartTcp());
    EXPECT_EQ(Read(tcp8, 9626, 1)[0], 8);
    EXPECT_EQ(Read(tcp8, 64 + 32 * 7, 30).size(), 30u);
    EXPECT_EQ(tcp8.Request(ReadPdu(64 + 32 * 8, 10)), (Bytes{0x84, 2}));  // no channel 9
    EXPECT_EQ(tcp8.Request(ReadPdu(ZcValues::EnergyBlock(8), 58)), (Bytes{0x84, 2}));
    Simulator sixteen(Row(64));
    RawTcp tcp(sixteen.StartTcp());
    EXPECT_EQ(ZcValues::EnergyBlock(9), 4416 + 64 + 1024);
    for (int a : {0, 9, 15}) {
        const auto currents = Read(tcp, 64 + 32 * a, 30);
        const auto powers = Read(tcp, 576 + 96 * a, 96);
        ASSERT_EQ(powers.size(), 96u);
        const double amps = Pair(currents, 0) / 1000.0;
        EXPECT_GT(amps, 1.0);
        EXPECT_LT(amps, a == 0 ? 600.0 : 5.0);              // input 1 has CT sensor 5 (600 A)
        EXPECT_GE(Pair(currents, 10), Pair(currents, 20));  // max >= min
        const auto p = [&](int i) {
            return static_cast<double>(static_cast<int32_t>(Pair(powers, 2 * i)));
        };
        EXPECT_NEAR(p(0) + p(1) + p(2), p(3), 3);
        EXPECT_NEAR(p(15) / 10000.0, p(3) / p(11), 0.001);
        EXPECT_EQ(Read(tcp, 2115 + 144 * a, 8).size(), 8u);
        EXPECT_EQ(Read(tcp, 2195 + 144 * a + 35, 5).size(), 5u);
        EXPECT_EQ(Read(tcp, (419 + 3 + 4 * a) * 16, 15).size(), 15u);
    }
    const auto common = Read(tcp, 0, 48);
    EXPECT_NEAR(Pair(common, 6) / 100.0, 110, 3);  // U1N
    EXPECT_NEAR(Pair(common, 14) / 100.0, 50, 0.1);
    const auto thd = Read(tcp, 6464, 14);
    const auto spectrum = Read(tcp, (409 + 7) * 16, 15);
    EXPECT_GT(thd[3], spectrum[1]);  // THD of U1 exceeds its 3rd harmonic alone
}

TEST(SimZc, EnergiesWithHourlyValuesAndBitResets) {
    Simulator sim(Row(61));
    RawTcp tcp(sim.StartTcp());
    ASSERT_EQ(tcp.Request(WritePdu(9104, {0x2506, 0x0110, 0})).size(), 5u);  // 10:00
    sim.AdvanceTime(3600 + 60);                                              // to 11:01
    const int block = ZcValues::EnergyBlock(3);
    auto energy = Read(tcp, block, 58);
    EXPECT_GT(Pair(energy, 0), 0u);                         // active in, 0.1 kWh
    EXPECT_GT(Pair(energy, 10 + 2 * 10), 0u);               // 10:00 to 11:00
    EXPECT_LE(Pair(energy, 6), Pair(energy, 10 + 2 * 10));  // the running hour has just begun
    ASSERT_EQ(tcp.Request(WritePdu(8995 + 3, {1 | 2})).size(), 5u);
    energy = Read(tcp, block, 58);
    EXPECT_EQ(Pair(energy, 0), 0u);
    EXPECT_EQ(Pair(energy, 10 + 2 * 10), 0u);
    EXPECT_EQ(tcp.Request(WritePdu(8995, {0x2000})), (Bytes{0x90, 3}));
    EXPECT_EQ(tcp.Request(WritePdu(8995 + 3, {16})).size(), 5u);  // voltage max/min
    const auto common = Read(tcp, 0, 48);
    EXPECT_EQ(Pair(common, 16 + 6), Pair(common, 32 + 6));  // U1N max = min after the reset
}

TEST(SimZc, DiscreteInputCountsOfTheCounterVariant) {
    SimulatorOptions options = Row(52);
    options.device.alternateIo = true;  // 8,8,0,8,8
    Simulator sim(options);
    RawTcp tcp(sim.StartTcp());
    EXPECT_EQ(Read(tcp, 9627, 1)[0], 8);
    sim.AdvanceTime(200);
    const int counts = ZcValues::EnergyBlock(7) + 1024;
    EXPECT_GT(Pair(Read(tcp, counts, 2), 0), 100u);                 // 0.8 pulses a second on DI8
    ASSERT_EQ(tcp.Request(WritePdu(counts, {125, 0})).size(), 5u);  // preset
    EXPECT_EQ(Pair(Read(tcp, counts, 2), 0), 125u);
}

TEST(SimRtu, LineSpeedEmulatesWireTime) {
    SimulatorOptions options = Row(4);
    options.line.lineSpeed = true;
    options.line.baud = 9600;
    Simulator sim(options);
    RawRtu rtu(sim.StartPty("VOLTARO-SIM-SPEED-" + std::to_string(getpid())));
    const auto start = std::chrono::steady_clock::now();
    const Bytes answer = rtu.Exchange(1, ReadPdu(1536, 30), 65, 500);
    const auto took = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(answer.size(), 65u);
    // 8 + 65 bytes of 11 bits at 9600 bit/s take 84 ms on the wire.
    EXPECT_GE(took, std::chrono::milliseconds(80));
}

}  // namespace
}  // namespace voltaro::sim::test
