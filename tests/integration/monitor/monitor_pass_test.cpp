// Full passes of the meter monitor's reads against simulated devices of each family, the
// second input of a 2-input device, and the device information read.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/device_info_model.h"
#include "core/monitor/measurand_format.h"
#include "core/monitor/monitor_pass.h"
#include "integration/transfer/sim_link.h"
#include "support/test_support.h"

namespace voltaro {
namespace {

using test::SimLink;
using test::SimRow;

constexpr int kKt2Row = 7;    // 7811 with DI, DO and two 4-20 mA outputs
constexpr int kKt6Row = 20;   // 7821 with four 4-20 mA outputs
constexpr int kHkt2Row = 53;  // 7812
constexpr int kZb1Row = 37;   // 7851, one input, four counters
constexpr int kZb2Row = 38;   // 7851, two inputs

MonitorPassResult Pass(SimLink& link, CMeasurandsKT2& store, int channel = 0,
                       std::vector<int> sets = {}) {
    MonitorPassOptions options;
    options.channel = channel;
    options.harmonicSets = std::move(sets);
    return ReadMonitorPass(*link.client, store, options);
}

double Number(const CMeasurandsKT2& store, int index) {
    return std::stod(FormatMeasurand(store, index));
}

// Values a living three-phase device shows: non-zero voltages, currents, frequency near
// 50 Hz, a power factor between 0 and 1, energies that are numbers.
void ExpectPlausibleMeter(const CMeasurandsKT2& store) {
    EXPECT_GT(Number(store, kIdxVoltageSum), 50.0);
    EXPECT_GT(Number(store, kIdxCurrentSum), 0.0);
    EXPECT_NEAR(Number(store, kIdxFrequency), 50.0, 1.0);
    const double pf = Number(store, kIdxPowerFactorSum);
    EXPECT_GT(pf, 0.5);
    EXPECT_LE(pf, 1.0);
    EXPECT_GE(Number(store, kIdxMaximum + kIdxCurrentSum), Number(store, kIdxMinimum));
    EXPECT_GT(Number(store, kIdxThd), 0.0);
    EXPECT_NO_THROW(Number(store, kIdxEnergySet1));
}

TEST(MonitorPass, EveryFamilyReadsAWholePass) {
    struct Case {
        int row;
        const char* model;
        int analogOutputs;
        int counters;
    };
    for (const Case c : {Case{kKt2Row, "KT2", 2, 0}, Case{kKt6Row, "KT6", 4, 0},
                         Case{kHkt2Row, "HKT2", 2, 0}, Case{kZb1Row, "ZBDPQV", 0, 4}}) {
        SCOPED_TRACE(c.model);
        SimLink link(SimRow(c.row));
        link.simulator.AdvanceTime(120);
        CMeasurandsKT2 store;
        const MonitorPassResult result = Pass(link, store, 0, {0, 4});
        ASSERT_TRUE(result.ok) << result.error;
        EXPECT_FALSE(result.zcDevice);
        EXPECT_EQ(FormatMeasurand(store, kIdxModelName), c.model);
        EXPECT_EQ(FormatMeasurand(store, kIdxSerialNumber).substr(0, 3), "SIM");
        EXPECT_EQ(FormatMeasurand(store, kIdxTagNumber), "VOLTARO-SIM");
        ExpectPlausibleMeter(store);
        // Ratings scale the vectors: never 0 on a device that has vectors.
        EXPECT_GT(store.ratedCurrent, 0);
        EXPECT_GT(store.ratedVoltage, 0);
        EXPECT_GT(store.harmonics[0][1], 0);  // third harmonic of current 1
        EXPECT_GT(store.harmonics[4][1], 0);  // third harmonic of voltage 1-2
        EXPECT_EQ(store.harmonics[7][1], 0);  // set 7 was not asked for
        // Analogue outputs and counters as the row's I/O words have them.
        for (int k = 0; k < kAnalogOutputCount; ++k)
            EXPECT_EQ(FormatMeasurand(store, kIdxAnalogOutput1 + k).empty(),
                      c.analogOutputs == 0 || k >= c.analogOutputs)
                << "output " << k;
        const auto listed = [&](int index) {
            return std::find(result.indexes.begin(), result.indexes.end(), index) !=
                   result.indexes.end();
        };
        EXPECT_EQ(listed(kIdxCounter1), c.counters > 0);
        EXPECT_EQ(listed(kIdxCounter1 + c.counters), false);
        EXPECT_TRUE(listed(kIdxEnergySet2 + kEnergyOperatingTime));
        EXPECT_FALSE(listed(kIdxEnergyFraction1));
    }
}

TEST(MonitorPass, PhaseAnglesFollowTheWiringSystem) {
    SimLink link(SimRow(kHkt2Row));
    CMeasurandsKT2 store;
    ASSERT_TRUE(Pass(link, store).ok);
    // Three-phase 4-wire: voltages 1, 2, 3 at 0, 120 and 240 degrees (65536 = 360).
    ASSERT_EQ(store.wiringSystem, 5);
    const auto degrees = [](int16_t word) {
        double d = word * 360.0 / 65536.0;
        return d < 0 ? d + 360.0 : d;
    };
    EXPECT_NEAR(degrees(store.phaseAngles[1]), 0.0, 1.0);
    EXPECT_NEAR(degrees(store.phaseAngles[3]), 120.0, 1.0);
    EXPECT_NEAR(degrees(store.phaseAngles[5]), 240.0, 1.0);
    // Currents lag their voltages by less than 30 degrees.
    EXPECT_GT(degrees(store.phaseAngles[0]), 0.0);
    EXPECT_LT(degrees(store.phaseAngles[0]), 30.0);
}

TEST(MonitorPass, SecondInputOfATwoInputDeviceHasItsOwnValues) {
    SimLink link(SimRow(kZb2Row));
    link.simulator.AdvanceTime(60);
    CMeasurandsKT2 first, second;
    ASSERT_TRUE(Pass(link, first, 0).ok);
    link.proxy.Clear();
    const MonitorPassResult result = Pass(link, second, 1);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(second.ioConfig[kIoMeasuringInputs], 2);
    ExpectPlausibleMeter(second);
    EXPECT_NE(first.Value(kIdxCurrent1), second.Value(kIdxCurrent1));
    // Every instantaneous read went to the second input's registers.
    bool sawSecond = false;
    for (const auto& r : link.proxy.Requests()) {
        EXPECT_FALSE(r.address >= 0 && r.address < 600) << "first-input register " << r.address;
        sawSecond = sawSecond || r.address == 4000;
    }
    EXPECT_TRUE(sawSecond);
}

TEST(MonitorPass, OneInputDeviceNeverUsesSecondInputRegisters) {
    SimLink link(SimRow(kZb1Row));
    CMeasurandsKT2 store;
    const MonitorPassResult result = Pass(link, store, 1, {3});
    ASSERT_TRUE(result.ok) << result.error;
    for (const auto& r : link.proxy.Requests()) {
        EXPECT_FALSE(r.address >= 4000 && r.address < 4600) << r.address;
        EXPECT_NE(r.address, 8536 + 64 * 3);
    }
}

TEST(MonitorPass, ZcDeviceIsIdentifiedAndNothingElseRead) {
    SimLink link(SimRow(52));
    CMeasurandsKT2 store;
    const MonitorPassResult result = Pass(link, store, 0, {1});
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.zcDevice);
    EXPECT_TRUE(result.indexes.empty());
}

TEST(MonitorPass, WordSwappedDeviceDecodesTheSameValues) {
    auto options = SimRow(kKt6Row);
    options.device.swap = true;
    SimLink link(options);
    link.simulator.AdvanceTime(3600);
    CMeasurandsKT2 store;
    const MonitorPassResult result = Pass(link, store);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_TRUE(result.state.swapWords);
    ExpectPlausibleMeter(store);
    EXPECT_GT(Number(store, kIdxEnergySet1), 0.0);
}

// A meter just started shows what it has counted before, not zeros: 200 to 400 hours of
// its present load in the tariff in force, and as many operating hours.
TEST(MonitorPass, FreshMeterHasCountedItsPast) {
    SimLink link(SimRow(kKt6Row));
    CMeasurandsKT2 store;
    ASSERT_TRUE(Pass(link, store).ok);
    const double kilowatts = Number(store, kIdxActivePowerSum) / 1000.0;
    ASSERT_GT(kilowatts, 0.0);
    const double energy = std::max(Number(store, kIdxEnergySet1), Number(store, kIdxEnergySet2));
    EXPECT_GT(energy, 150 * kilowatts);
    EXPECT_LT(energy, 500 * kilowatts);
    const double hours = std::max(Number(store, kIdxEnergySet1 + kEnergyOperatingTime),
                                  Number(store, kIdxEnergySet2 + kEnergyOperatingTime));
    EXPECT_GE(hours, 200.0);
    EXPECT_LE(hours, 400.1);
}

TEST(MonitorPass, FailureKeepsWhatWasReadAndReportsTheReason) {
    SimLink link(SimRow(kKt2Row));
    CMeasurandsKT2 store;
    store.SetValue(kIdxMinimum, 777);
    sim::FaultSettings faults;
    faults.exceptions.push_back({2, 928, 928});  // the minima fail
    link.simulator.SetFaults(faults);
    const MonitorPassResult result = Pass(link, store);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("929"), std::string::npos) << result.error;
    EXPECT_GT(store.Value(kIdxVoltageSum), 0);  // read before the failure
    EXPECT_EQ(store.Value(kIdxMinimum), 777);   // not read
}

TEST(DeviceInformation, ReadsIdentityAndProtectionState) {
    auto options = SimRow(kHkt2Row);
    options.device.passcode = 1234;
    options.device.tag = "LINE-7";
    SimLink link(options);
    CMeasurandsKT2 store;
    ReadDeviceInformation(*link.client, store);
    const auto cells = DeviceInfoValueCells(store);
    ASSERT_EQ(cells.size(), 6u);
    EXPECT_EQ(cells[0].text, "LINE-7");
    EXPECT_EQ(cells[1].text, "Protection enabled");
    EXPECT_EQ(cells[2].text, "HKT2");
    EXPECT_FALSE(link.client->IsOpen());
}

TEST(DeviceInformation, SilentDeviceFailsWithTheClientsMessage) {
    SimLink link(SimRow(kKt2Row));
    sim::FaultSettings faults;
    faults.drop = 1.0;
    link.simulator.SetFaults(faults);
    CMeasurandsKT2 store;
    const std::string message =
        test::MessageOf([&] { ReadDeviceInformation(*link.client, store); });
    EXPECT_NE(message.find("timeout"), std::string::npos) << message;
    EXPECT_FALSE(link.client->IsOpen());
    // The lock was released: another user can take it at once.
    EXPECT_TRUE(link.client->Lock(0));
    link.client->Unlock();
}

}  // namespace
}  // namespace voltaro
