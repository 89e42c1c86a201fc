// The simulated measurement of a faulty installation against the same moment wired right:
// angles, currents, voltages and powers change together, as the fault makes them.
#include <gtest/gtest.h>

#include <cmath>

#include "sim/electrical.h"

namespace voltaro::sim {
namespace {

constexpr double kSeconds = 1234.5;
constexpr uint64_t kSeed = 7;

ElectricalValues MeasureWith(const std::string& wiring, int system = 5) {
    MeasuringSetup setup;
    setup.wiringSystem = system;
    setup.primaryCurrent[0] = 5;
    if (!wiring.empty()) setup.wiring = ParseWiringFault(wiring);
    return Measure(setup, 0, kSeconds, kSeed);
}

double Wrapped(double degrees) {
    return std::remainder(degrees, 360.0);
}

TEST(SimWiringFault, ReversedCtTurnsItsCurrentAndItsPower) {
    const ElectricalValues right = MeasureWith("");
    const ElectricalValues v = MeasureWith("reversed-ct=2");
    EXPECT_NEAR(Wrapped(v.currentAngle[1] - right.currentAngle[1]), 180.0, 1e-9);
    EXPECT_DOUBLE_EQ(v.current[1], right.current[1]);
    EXPECT_NEAR(v.active[1], -right.active[1], 1e-9);
    EXPECT_NEAR(v.reactive[1], -right.reactive[1], 1e-9);
    EXPECT_DOUBLE_EQ(v.active[0], right.active[0]);
    EXPECT_NEAR(v.activeSum, right.activeSum - 2 * right.active[1], 1e-6);
    EXPECT_LT(v.powerFactorSum, right.powerFactorSum - 0.4);
}

TEST(SimWiringFault, SwappedInputsCarryEachOthersCurrents) {
    const ElectricalValues right = MeasureWith("");
    const ElectricalValues v = MeasureWith("swapped=1,3");
    EXPECT_DOUBLE_EQ(v.current[0], right.current[2]);
    EXPECT_DOUBLE_EQ(v.current[2], right.current[0]);
    EXPECT_DOUBLE_EQ(v.currentAngle[0], right.currentAngle[2]);
    EXPECT_DOUBLE_EQ(v.voltageAngle[0], right.voltageAngle[0]);
    // Phase 1's power is now its voltage times phase 3's current: 240 degrees apart.
    const double shift = (v.currentAngle[0] - v.voltageAngle[0]) * std::acos(-1.0) / 180.0;
    EXPECT_NEAR(v.active[0], right.phaseVoltage[0] * right.current[2] * std::cos(shift), 1e-6);
    EXPECT_LT(v.active[0], 0);
    EXPECT_DOUBLE_EQ(v.active[1], right.active[1]);
}

TEST(SimWiringFault, MissingVoltageReadsZeroAndTakesItsPowerAndLineVoltagesDown) {
    const ElectricalValues right = MeasureWith("");
    const ElectricalValues v = MeasureWith("missing-v=3");
    EXPECT_EQ(v.phaseVoltage[2], 0);
    EXPECT_EQ(v.active[2], 0);
    EXPECT_EQ(v.apparent[2], 0);
    EXPECT_DOUBLE_EQ(v.current[2], right.current[2]);  // the current still flows
    EXPECT_DOUBLE_EQ(v.lineVoltage[0], right.lineVoltage[0]);
    EXPECT_NEAR(v.lineVoltage[1], right.phaseVoltage[1], 1e-9);  // U23 = |U2N - 0|
    EXPECT_NEAR(v.lineVoltage[2], right.phaseVoltage[0], 1e-9);  // U31 = |0 - U1N|
    // In a 3-wire system the line voltages are all the meter sees.
    const ElectricalValues threeWire = MeasureWith("missing-v=3", 3);
    EXPECT_LT(threeWire.lineVoltage[1], 0.7 * threeWire.lineVoltage[0]);
}

TEST(SimWiringFault, ReversedSequenceKeepsEachCurrentBesideItsVoltage) {
    const ElectricalValues right = MeasureWith("");
    const ElectricalValues v = MeasureWith("sequence=reversed");
    EXPECT_NEAR(Wrapped(v.voltageAngle[1]), -120.0, 1e-9);
    EXPECT_NEAR(Wrapped(v.voltageAngle[2]), 120.0, 1e-9);
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(Wrapped(v.currentAngle[k] - v.voltageAngle[k]),
                    Wrapped(right.currentAngle[k] - right.voltageAngle[k]), 1e-9);
        EXPECT_NEAR(v.active[k], right.active[k], 1e-9);
        EXPECT_NEAR(v.lineVoltage[k], right.lineVoltage[k], 1e-9);
    }
}

TEST(SimWiringFault, SinglePhaseThreeWireOnAKt6UsesPhasesOneAndThree) {
    MeasuringSetup setup;
    setup.wiringSystem = 1;
    setup.primaryCurrent[0] = 5;
    const ElectricalValues kt2 = Measure(setup, 0, kSeconds, kSeed);
    setup.singlePhaseOnL3 = true;
    const ElectricalValues kt6 = Measure(setup, 0, kSeconds, kSeed);
    EXPECT_DOUBLE_EQ(kt6.current[2], kt2.current[1]);
    EXPECT_EQ(kt6.current[1], 0);
    EXPECT_DOUBLE_EQ(kt6.voltageAngle[2], 180.0);
    EXPECT_DOUBLE_EQ(kt6.lineVoltage[2], kt2.lineVoltage[0]);
    EXPECT_EQ(kt6.lineVoltage[0], 0);
}

}  // namespace
}  // namespace voltaro::sim
