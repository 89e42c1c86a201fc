// The simulated device's behaviour: parameters of the row, passcode protection, clock,
// resets, presets, loop tests and measured values that fit together.
#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <vector>

#include "core/model/parameter_blocks.h"
#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"
#include "core/model/settings_stocker.h"
#include "raw_client.h"
#include "sim/simulator.h"

namespace voltaro::sim::test {
namespace {

uint8_t WriteResult(RawTcp& tcp, int address, const std::vector<uint16_t>& values) {
    const Bytes answer = tcp.Request(WritePdu(address, values));
    if (answer.size() == 2 && answer[0] == 0x90) return answer[1];
    return answer.size() == 5 ? 0 : 0xFF;
}

std::vector<uint16_t> Read(RawTcp& tcp, int address, int count) {
    return Registers(tcp.Request(ReadPdu(address, count)));
}

TEST(SimDevice, ParametersStartFromTheRowsDefaultImageInTheDevicesWordOrder) {
    for (bool swap : {false, true}) {
        SimulatorOptions options = Row(19);
        options.device.swap = swap;
        Simulator sim(options);
        RawTcp tcp(sim.StartTcp());
        ParameterImage image;
        CSettingsStocker stocker;
        ChangeDeviceType(stocker, 19, image, true);
        EXPECT_EQ(Read(tcp, 5735, 1)[0], swap ? 1 : 0);
        EXPECT_EQ(Read(tcp, 5375, 1)[0], swap ? 1 : 0);
        const auto input = Read(tcp, 5600, 6);
        EXPECT_EQ(input[0], image.words[kWordSystem]);
        EXPECT_EQ(Pair(input, 3, swap), image.Get32(kWordPrimaryVoltage));
        // Every applying block reads back as the image holds it.
        for (const ParameterBlock& block : BlockTableFor(image.deviceType)) {
            if (!block.AppliesTo(image.deviceType.FeatureSet())) continue;
            const auto regs = Read(tcp, block.address, block.Registers());
            for (int v = 0; v < block.count; ++v) {
                if (block.word + v == 130) {
                    EXPECT_EQ(regs[v], swap ? 1 : 0);  // "Long register" follows the order
                } else if (block.kind == 0) {
                    EXPECT_EQ(regs[v], image.words[block.word + v]) << block.address;
                } else {
                    EXPECT_EQ(Pair(regs, 2 * v, swap), image.Get32(block.word + 2 * v))
                        << block.address;
                }
            }
        }
        // A written 32-bit value is kept as written.
        EXPECT_EQ(WriteResult(tcp, 5603, {0x0001, 0x0002}), 0);
        EXPECT_EQ(Read(tcp, 5603, 2), (std::vector<uint16_t>{1, 2}));
    }
}

TEST(SimDevice, DipModeReadsBitZeroAndRefusesTheSwitchedBlocks) {
    SimulatorOptions options = Row(37);
    options.device.dip = true;
    Simulator sim(options);
    RawTcp tcp(sim.StartTcp());
    EXPECT_EQ(Read(tcp, 20302, 1)[0] & 1, 0);
    EXPECT_EQ(WriteResult(tcp, 5600, {3, 5, 0}), 2);
    EXPECT_EQ(WriteResult(tcp, 5603, {110, 0, 110, 0, 10, 10}), 0);
    EXPECT_EQ(WriteResult(tcp, 20302, {1}), 2);
    SimulatorOptions zcOptions = Row(52);
    zcOptions.device.dip = true;
    Simulator zc(zcOptions);
    RawTcp tcpZc(zc.StartTcp());
    EXPECT_EQ(Read(tcpZc, 25502, 1)[0] & 1, 0);
    EXPECT_EQ(WriteResult(tcpZc, 9040, {3}), 2);       // system
    EXPECT_EQ(WriteResult(tcpZc, 9396, {100, 0}), 2);  // primary current of input 2
    EXPECT_EQ(WriteResult(tcpZc, 9398, {10}), 0);      // its low-end cutout is not switched
    Simulator pc(Row(37));
    RawTcp tcp2(pc.StartTcp());
    EXPECT_EQ(Read(tcp2, 20302, 1)[0] & 1, 1);
    EXPECT_EQ(WriteResult(tcp2, 5600, {3, 5, 0}), 0);
}

TEST(SimDevice, UnlockNeedsTheRightPasscode) {
    SimulatorOptions options = Row(39);
    options.device.passcode = 123456;
    options.device.swap = true;
    Simulator sim(options);
    RawTcp tcp(sim.StartTcp());
    EXPECT_EQ(Pair(Read(tcp, 5333, 2), 0, true), 123456u);
    EXPECT_NE(Pair(Read(tcp, 4942, 2), 0), 0u);      // the device supports protection
    EXPECT_EQ(WriteResult(tcp, 5856, {15, 15}), 4);  // locked: parameters refused
    EXPECT_EQ(WriteResult(tcp, 9104, {0x2501, 0x0101, 0}), 4);
    EXPECT_EQ(WriteResult(tcp, 9606, {0x4141}), 4);
    EXPECT_EQ(WriteResult(tcp, 5329, {1}), 4);
    // Wrong passcode: the unlock register reads 0.
    EXPECT_EQ(WriteResult(tcp, 4942, {0, 999}), 0);
    EXPECT_EQ(WriteResult(tcp, 4944, {1}), 0);
    EXPECT_EQ(Read(tcp, 4944, 1)[0], 0);
    EXPECT_EQ(WriteResult(tcp, 5856, {15, 15}), 4);
    // Right passcode, high word first as 5735 says: the code reads back.
    EXPECT_EQ(WriteResult(tcp, 4942, {0x0001, 0xE240}), 0);
    EXPECT_EQ(WriteResult(tcp, 4944, {2}), 0);
    EXPECT_EQ(Read(tcp, 4944, 1)[0], 2);
    EXPECT_EQ(WriteResult(tcp, 4944, {1}), 0);
    EXPECT_EQ(Read(tcp, 4944, 1)[0], 1);
    EXPECT_EQ(WriteResult(tcp, 5856, {15, 15}), 0);
    EXPECT_EQ(Read(tcp, 5856, 2), (std::vector<uint16_t>{15, 15}));
    EXPECT_EQ(WriteResult(tcp, 4944, {3}), 3);
    // Protection off, then locking again.
    EXPECT_EQ(WriteResult(tcp, 5333, {0, 0}), 0);
    EXPECT_EQ(WriteResult(tcp, 4944, {0}), 0);
    EXPECT_EQ(Read(tcp, 4944, 1)[0], 0);
    EXPECT_EQ(WriteResult(tcp, 5856, {20, 20}), 0);  // unprotected: no unlock needed
    EXPECT_EQ(WriteResult(tcp, 5333, {0, 7}), 4);    // a new passcode needs the unlock
    EXPECT_EQ(WriteResult(tcp, 4944, {1}), 0);
    EXPECT_EQ(WriteResult(tcp, 5333, {0x3B9A, 0xCA00}), 3);  // 1000000000 is too large
    EXPECT_EQ(WriteResult(tcp, 5333, {0, 7}), 0);
    EXPECT_EQ(Pair(Read(tcp, 5333, 2), 0, true), 7u);
}

TEST(SimDevice, ZcUsesItsOwnPasscodeRegistersLowWordFirst) {
    SimulatorOptions options = Row(52);
    options.device.passcode = 70000;
    Simulator sim(options);
    RawTcp tcp(sim.StartTcp());
    EXPECT_EQ(Pair(Read(tcp, 8993, 2), 0), 70000u);
    EXPECT_EQ(WriteResult(tcp, 8995, {1}), 4);
    EXPECT_EQ(WriteResult(tcp, 8976, {70000 & 0xFFFF, 70000 >> 16}), 0);
    EXPECT_EQ(WriteResult(tcp, 8978, {1}), 0);
    EXPECT_EQ(Read(tcp, 8978, 1)[0], 1);
    EXPECT_EQ(WriteResult(tcp, 8995, {1}), 0);
    EXPECT_EQ(WriteResult(tcp, 8978, {0}), 0);
    EXPECT_EQ(WriteResult(tcp, 8995, {1}), 4);
    // The power management monitor's preset writes energies without an unlock.
    EXPECT_EQ(WriteResult(tcp, 4416, {500, 0}), 0);
    EXPECT_EQ(Read(tcp, 4416, 1)[0], 500);
}

TEST(SimDevice, OldKt2FirmwareHasNoPasscodeProtection) {
    SimulatorOptions options = Row(0);
    options.device.version = 100;
    Simulator sim(options);
    RawTcp tcp(sim.StartTcp());
    EXPECT_EQ(Pair(Read(tcp, 4942, 2), 0), 0u);
    EXPECT_EQ(WriteResult(tcp, 4944, {1}), 0);  // the unlock of a download still works
    options.device.passcode = 5;
    EXPECT_THROW(Simulator{options}, std::exception);
}

TEST(SimDevice, ClockTicksAndCanBeSet) {
    Simulator sim(Row(39));
    RawTcp tcp(sim.StartTcp());
    // The device clock also runs with the host's seconds: a pass counts only when it stays
    // within one host second (a slow machine may need another pass; each write resets).
    std::vector<std::vector<uint16_t>> reads;
    for (int pass = 0; pass < 10; ++pass) {
        const std::time_t begin = std::time(nullptr);
        ASSERT_EQ(WriteResult(tcp, 9104, {0x2512, 0x0309, 0x4530}), 0);
        reads = {Read(tcp, 9104, 3)};
        sim.AdvanceTime(65);
        reads.push_back(Read(tcp, 9104, 3));
        sim.AdvanceTime(15 * 3600);  // across midnight
        reads.push_back(Read(tcp, 9104, 3));
        if (std::time(nullptr) == begin) break;
    }
    EXPECT_EQ(reads[0], (std::vector<uint16_t>{0x2512, 0x0309, 0x4530}));
    EXPECT_EQ(reads[1], (std::vector<uint16_t>{0x2512, 0x0309, 0x4635}));
    EXPECT_EQ(reads[2], (std::vector<uint16_t>{0x2512, 0x0400, 0x4635}));
    EXPECT_EQ(WriteResult(tcp, 9104, {0x2513, 0x0309, 0x4530}), 3);  // month 13
    EXPECT_EQ(WriteResult(tcp, 9104, {0x2502, 0x3009, 0x4530}), 3);  // 30 February
    EXPECT_EQ(WriteResult(tcp, 9106, {0x5959}), 0);                  // part of the clock
    EXPECT_EQ(Read(tcp, 9106, 1)[0], 0x5959);
}

TEST(SimDevice, EnergiesCountPresetsSetAndResetsClear) {
    Simulator sim(Row(19));  // KT6 3P4W
    RawTcp tcp(sim.StartTcp());
    const auto before = Read(tcp, 128, 28);
    const auto fractionBefore = Read(tcp, 192, 28);
    const int32_t power = static_cast<int32_t>(Pair(Read(tcp, 4, 2), 0));
    sim.AdvanceTime(3600);
    const auto after = Read(tcp, 128, 28);
    const double gained =
        (static_cast<int32_t>(Pair(after, 0)) - static_cast<int32_t>(Pair(before, 0))) +
        (static_cast<double>(Pair(Read(tcp, 192, 2), 0)) -
         static_cast<double>(Pair(fractionBefore, 0))) /
            4294967296.0;
    EXPECT_NEAR(gained, power / 100.0, power / 100.0 * 0.3);  // 0.1 kWh units
    EXPECT_NEAR(Pair(after, 18) - Pair(before, 18), 10, 1);   // operating time, 0.1 h
    // Preset "Active in" 1234.5500: W 12345 and the fraction of 0.55 of a tenth.
    EXPECT_EQ(WriteResult(tcp, 4944, {2}), 0);
    EXPECT_EQ(WriteResult(tcp, 128, {12345, 0}), 0);
    EXPECT_EQ(WriteResult(tcp, 192, {0, 0x8000}), 0);
    EXPECT_EQ(Pair(Read(tcp, 128, 2), 0), 12345u);
    EXPECT_GE(Pair(Read(tcp, 192, 2), 0), 0x80000000u);
    // Reset energies (1), max/min (2), demand (3).
    sim.AdvanceTime(600);
    EXPECT_GT(Pair(Read(tcp, 256, 2), 0), 0u);
    EXPECT_EQ(WriteResult(tcp, 5329, {1}), 0);
    EXPECT_EQ(Read(tcp, 128, 28), std::vector<uint16_t>(28, 0));
    EXPECT_EQ(WriteResult(tcp, 5329, {3}), 0);
    EXPECT_EQ(Pair(Read(tcp, 256, 2), 0), 0u);
    EXPECT_EQ(WriteResult(tcp, 5329, {2}), 0);
    const auto extremes = Read(tcp, 768, 2);
    EXPECT_EQ(extremes, Read(tcp, 928, 2));  // max = min = present right after the reset
    EXPECT_EQ(WriteResult(tcp, 5329, {4}), 3);
    EXPECT_EQ(Read(tcp, 5329, 1)[0], 0);
}

TEST(SimDevice, CountersOfTheCounterVariants) {
    SimulatorOptions protectedFour = Row(37);  // 4 counters: reset 15 at 5337
    protectedFour.device.passcode = 99;
    Simulator four(protectedFour);
    RawTcp tcp(four.StartTcp());
    four.AdvanceTime(100);
    EXPECT_GT(Pair(Read(tcp, 3142, 2), 0), Pair(Read(tcp, 3136, 2), 0));
    EXPECT_EQ(WriteResult(tcp, 3136, {77, 0}), 0);  // counter presets need no unlock
    EXPECT_EQ(Pair(Read(tcp, 3136, 2), 0), 77u);
    EXPECT_EQ(WriteResult(tcp, 5337, {15}), 4);  // the reset does
    EXPECT_EQ(WriteResult(tcp, 4942, {99, 0}), 0);
    EXPECT_EQ(WriteResult(tcp, 4944, {1}), 0);
    EXPECT_EQ(WriteResult(tcp, 5337, {15}), 0);
    EXPECT_EQ(Read(tcp, 3136, 8), std::vector<uint16_t>(8, 0));
    SimulatorOptions eight = Row(38);
    eight.device.alternateIo = true;  // 0,0,0,2,8: 8 counters, reset 255 at 5339
    Simulator sim8(eight);
    RawTcp tcp8(sim8.StartTcp());
    sim8.AdvanceTime(100);
    EXPECT_GT(Pair(Read(tcp8, 3150, 2), 0), 0u);
    EXPECT_EQ(WriteResult(tcp8, 5339, {255}), 4);  // not without the unlock command
    EXPECT_EQ(WriteResult(tcp8, 4944, {1}), 0);
    EXPECT_EQ(WriteResult(tcp8, 5339, {255}), 0);
    EXPECT_EQ(Read(tcp8, 3136, 16), std::vector<uint16_t>(16, 0));
}

TEST(SimDevice, LoopTestsReportTheWrittenValues) {
    // ZB, second input: flag 5338, values at 4000 and 4032.
    Simulator zb(Row(38));
    RawTcp tcp(zb.StartTcp());
    EXPECT_EQ(WriteResult(tcp, 5338, {1}), 4);  // not without the unlock command
    EXPECT_EQ(WriteResult(tcp, 4944, {1}), 0);
    EXPECT_EQ(WriteResult(tcp, 4000, {1, 0}), 4);  // only in loop-test mode
    EXPECT_EQ(WriteResult(tcp, 5338, {1}), 0);
    EXPECT_EQ(WriteResult(tcp, 4000, {1234, 0, 0, 0}), 0);
    EXPECT_EQ(WriteResult(tcp, 4032, {4321, 0}), 0);
    zb.AdvanceTime(5);
    EXPECT_EQ(Read(tcp, 4000, 4), (std::vector<uint16_t>{1234, 0, 0, 0}));
    EXPECT_EQ(Read(tcp, 4032, 2), (std::vector<uint16_t>{4321, 0}));
    EXPECT_NE(Read(tcp, 5338, 1)[0], 0);                           // vectors unavailable
    EXPECT_NE(Read(tcp, 0, 2), (std::vector<uint16_t>{1234, 0}));  // first input measures
    EXPECT_EQ(WriteResult(tcp, 5338, {0}), 0);
    zb.AdvanceTime(1);
    EXPECT_NE(Read(tcp, 4000, 2), (std::vector<uint16_t>{1234, 0}));
    // Analogue outputs: 5339 and 3136-3139.
    Simulator ao(Row(40));
    RawTcp tcpAo(ao.StartTcp());
    const auto normal = Read(tcpAo, 3136, 4);
    EXPECT_GE(normal[0], 400);
    EXPECT_LE(normal[0], 2000);
    EXPECT_EQ(WriteResult(tcpAo, 4944, {1}), 0);
    EXPECT_EQ(WriteResult(tcpAo, 3136, {400, 800, 1200, 2000}), 4);
    EXPECT_EQ(WriteResult(tcpAo, 5339, {1}), 0);
    EXPECT_EQ(WriteResult(tcpAo, 3136, {400, 800, 1200, 2000}), 0);
    ao.AdvanceTime(5);
    EXPECT_EQ(Read(tcpAo, 3136, 4), (std::vector<uint16_t>{400, 800, 1200, 2000}));
    EXPECT_EQ(Read(tcpAo, 5339, 1)[0], 1);
    // ZC: 9136 + c; common values only with channel 1 in loop test.
    Simulator zc(Row(52));
    RawTcp tcpZc(zc.StartTcp());
    EXPECT_EQ(WriteResult(tcpZc, 9136 + 2, {1}), 0);
    EXPECT_EQ(WriteResult(tcpZc, 64 + 32 * 2, {5000, 0}), 0);
    EXPECT_EQ(WriteResult(tcpZc, 0, {100, 0}), 4);
    EXPECT_EQ(WriteResult(tcpZc, 64 + 32 * 3, {5000, 0}), 4);
    zc.AdvanceTime(2);
    EXPECT_EQ(Read(tcpZc, 128, 2), (std::vector<uint16_t>{5000, 0}));
}

TEST(SimDevice, MeasuredValuesFitTogether) {
    for (bool swap : {false, true}) {
        SimulatorOptions options = Row(19);  // 3P4W, System 5
        options.device.swap = swap;
        Simulator sim(options);
        RawTcp tcp(sim.StartTcp());
        const auto a = Read(tcp, 0, 16);
        const auto b = Read(tcp, 32, 50);
        const auto value = [&](const std::vector<uint16_t>& r, int i) {
            return static_cast<double>(
                static_cast<int32_t>(Pair(r, 2 * static_cast<std::size_t>(i), swap)));
        };
        const double p = value(a, 2), s = value(a, 4), pf = value(a, 5) / 10000.0;
        EXPECT_NEAR(value(b, 10) + value(b, 11) + value(b, 12), p, 3);  // phase powers add up
        EXPECT_NEAR(pf, p / s, 0.001);
        for (int k = 0; k < 3; ++k) {
            const double volts = value(b, 7 + k) / 100.0, amps = value(b, k) / 1000.0;
            EXPECT_NEAR(volts, 110, 3);                      // primary voltage 110 V
            EXPECT_NEAR(value(b, 16 + k), volts * amps, 2);  // S = U I per phase
            EXPECT_GT(amps, 0.5);
            EXPECT_LT(amps, 5.0);  // primary current 5 A
        }
        EXPECT_NEAR(value(a, 6) / 100.0, 50.0, 0.1);
        EXPECT_NEAR(value(b, 4) / 100.0, 110 * std::sqrt(3.0), 5);  // U12 of a 3P4W system
        const auto thd = Read(tcp, 1280, 20);
        const auto spectrum = Read(tcp, 1536, 30);
        double sum = 0;
        for (uint16_t level : spectrum)
            sum += double(level) * level;
        EXPECT_NEAR(value(thd, 0), std::sqrt(sum), 3);
        const auto angles = Read(tcp, 30000, 6);
        EXPECT_NEAR(static_cast<int16_t>(angles[3]) * 360.0 / 65536.0, 120.0, 0.1);  // U2 angle
        const auto maxima = Read(tcp, 768, 14);
        const auto minima = Read(tcp, 928, 14);
        EXPECT_GE(value(maxima, 0), value(minima, 0));
        EXPECT_EQ(Read(tcp, 5600, 1)[0], 5);
    }
}

TEST(SimDevice, RatingsForTheVectorChart) {
    Simulator hkt2(Row(49));
    RawTcp tcp(hkt2.StartTcp());
    const auto ratings = Read(tcp, 6752, 3);
    EXPECT_EQ(ratings[0], 5);
    EXPECT_EQ(Pair(ratings, 1), 110u);
}

}  // namespace
}  // namespace voltaro::sim::test

namespace voltaro::sim::test {
namespace {

// Every write request that a download of the row's own parameters sends is accepted:
// blocks merged up to the block that ends a group, registers between them included.
TEST(SimDevice, EveryRowTakesADownloadOfItsParameters) {
    for (const DeviceTypeRecord& record : DeviceTypeTable()) {
        if (record.features == 0 && record.family == 0) continue;
        Simulator sim(Row(record.index));
        RawTcp tcp(sim.StartTcp());
        CDeviceType type;
        type.SelectRow(record.index);
        int start = -1;
        for (const ParameterBlock& block : BlockTableFor(type)) {
            if (!block.AppliesTo(type.FeatureSet())) continue;
            if (block.word == 30) {
                start = -1;
                continue;
            }
            if (start < 0) start = block.address;
            if (!block.endsGroup) continue;
            const int count = block.address + block.Registers() - start;
            const auto values = sim.Registers(start, count);
            EXPECT_EQ(WriteResult(tcp, start, values), 0)
                << "row " << record.index << " at " << start;
            start = -1;
        }
    }
}

}  // namespace
}  // namespace voltaro::sim::test
