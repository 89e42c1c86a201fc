#pragma once
// The simulated electrical quantities of one measuring input: a three-phase load that
// drifts slowly with a little noise, shaped by the wiring system (phases that a system
// does not have read 0) and scaled by the input's ratings. Deterministic for a seed.
#include <cstdint>

#include "sim/measured_values.h"

namespace voltaro::sim {

// Harmonic sets in register order: I1, I2, I3, IN, U12, U23, U31, U1, U2, U3.
constexpr int kHarmonicSets = 10;
constexpr int kHarmonicOrders = 30;  // orders 2 to 31

struct ElectricalValues {
    double current[4] = {};       // A: I1, I2, I3, IN
    double lineVoltage[3] = {};   // V: U12, U23, U31
    double phaseVoltage[3] = {};  // V: U1N, U2N, U3N
    double active[3] = {};        // W per phase
    double reactive[3] = {};      // var per phase (positive: lagging)
    double apparent[3] = {};      // VA per phase
    double powerFactor[3] = {};
    double currentSum = 0, voltageSum = 0;
    double activeSum = 0, reactiveSum = 0, apparentSum = 0, powerFactorSum = 0;
    double frequency = 50;
    double voltageAngle[3] = {};  // degrees, clockwise
    double currentAngle[3] = {};
    double harmonics[kHarmonicSets][kHarmonicOrders] = {};  // 0.1 % of the fundamental
    double thd[kHarmonicSets] = {};                         // 0.1 %
    double loadFraction[3] = {};                            // phase current / rated current
};

// Noise in [-1, 1] that changes ten times a second and is the same for the same seed,
// input, slot and time.
double Noise(uint64_t seed, int input, int slot, double seconds);

// Values of input `input` at model time `seconds` for the given set-up.
ElectricalValues Measure(const MeasuringSetup& setup, int input, double seconds, uint64_t seed);

// Register units: current mA, voltage 0.01 V, power W / var / VA, PF 0.0001, Hz 0.01.
// Values beyond the signed 32-bit range (huge ratings) stay at its ends.
int32_t ToRegisterUnits(double value, double scale);
inline int32_t Milli(double value) {
    return ToRegisterUnits(value, 1000.0);
}
inline int32_t Centi(double value) {
    return ToRegisterUnits(value, 100.0);
}
inline int32_t Whole(double value) {
    return ToRegisterUnits(value, 1.0);
}
inline int32_t PowerFactorUnits(double value) {
    return ToRegisterUnits(value, 10000.0);
}
// A phase angle in degrees as the device's signed 16-bit word (65536 = 360 degrees).
uint16_t AngleWord(double degrees);

}  // namespace voltaro::sim
