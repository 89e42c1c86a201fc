#include "sim/electrical.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace voltaro::sim {
namespace {

constexpr double kPi = 3.14159265358979323846;

uint64_t Mix(uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

double Wave(double seconds, double period, double phase) {
    return std::sin(2.0 * kPi * seconds / period + phase);
}

void FillHarmonics(ElectricalValues& v, const bool present[kHarmonicSets], double seconds,
                   uint64_t seed, int input) {
    for (int set = 0; set < kHarmonicSets; ++set) {
        double sum = 0;
        const bool current = set < 4;
        for (int k = 0; k < kHarmonicOrders; ++k) {
            const int order = k + 2;
            double level = 0;
            if (present[set]) {
                if (order % 2 == 1) {
                    level = current ? 360.0 / order : 60.0 / order;
                    if (set == 3 && order % 3 == 0) level *= 2.5;  // triplens add up in N
                } else {
                    level = current ? 4.0 : 1.5;
                }
                level *= 1.0 + 0.15 * Wave(seconds, 240.0, set + 0.3 * order) +
                         0.03 * Noise(seed, input, 100 + set * 32 + k, seconds);
            }
            v.harmonics[set][k] = level;
            sum += level * level;
        }
        v.thd[set] = std::sqrt(sum);
    }
}

// The second phase's quantities on the third phase's inputs; the line voltage U12 becomes
// U31.
void MoveSecondPhaseToThird(ElectricalValues& v) {
    for (double* values : {v.current, v.phaseVoltage, v.active, v.reactive, v.apparent,
                           v.powerFactor, v.voltageAngle, v.currentAngle, v.loadFraction}) {
        std::swap(values[1], values[2]);
    }
    std::swap(v.lineVoltage[0], v.lineVoltage[2]);
    for (int set : {1, 8}) {  // current 2 and voltage 2 go to current 3 and voltage 3
        std::swap(v.harmonics[set], v.harmonics[set + 1]);
        std::swap(v.thd[set], v.thd[set + 1]);
    }
    std::swap(v.harmonics[4], v.harmonics[6]);  // U12 -> U31
    std::swap(v.thd[4], v.thd[6]);
}

}  // namespace

double Noise(uint64_t seed, int input, int slot, double seconds) {
    const auto step = static_cast<uint64_t>(std::floor(seconds * 10.0));
    const uint64_t h = Mix(
        seed ^ Mix(step * 131 + static_cast<uint64_t>(input) * 17 + static_cast<uint64_t>(slot)));
    return static_cast<double>(h >> 11) / static_cast<double>(1ull << 53) * 2.0 - 1.0;
}

int32_t ToRegisterUnits(double value, double scale) {
    const double scaled = std::round(value * scale);
    if (scaled >= 2147483647.0) return INT32_MAX;
    if (scaled <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(scaled);
}

uint16_t AngleWord(double degrees) {
    const double wrapped = std::fmod(degrees, 360.0);
    const long word = std::lround(wrapped / 360.0 * 65536.0);
    return static_cast<uint16_t>(static_cast<int16_t>(static_cast<uint16_t>(word & 0xFFFF)));
}

ElectricalValues Measure(const MeasuringSetup& setup, int input, double seconds, uint64_t seed) {
    ElectricalValues v;
    const int system = setup.wiringSystem;
    const bool threeWire = system == 2 || system == 3;
    const bool balanced = system == 2 || system == 4;
    const int phases = system == 0 ? 1 : system == 1 ? 2 : 3;
    const double rated = setup.primaryCurrent[input] > 0 ? setup.primaryCurrent[input] : 5;
    const double nominalPhase =
        threeWire ? setup.primaryVoltage / std::sqrt(3.0) : setup.primaryVoltage;

    double phaseV[3], phaseI[3], phi[3];
    for (int k = 0; k < 3; ++k) {
        const int source = balanced ? 0 : k;
        phaseV[k] = nominalPhase * (1.0 + 0.01 * Wave(seconds, 300.0, source) +
                                    0.002 * Noise(seed, 0, source, seconds));
        v.loadFraction[k] = 0.55 + 0.2 * Wave(seconds, 900.0, 0.7 * input + 0.4 * source) +
                            0.01 * Noise(seed, input, 10 + source, seconds);
        phaseI[k] = rated * v.loadFraction[k];
        const double pf = 0.93 + 0.04 * Wave(seconds, 700.0, 0.3 * source + input);
        phi[k] = std::acos(pf) * 180.0 / kPi;
        if (k >= phases) phaseV[k] = phaseI[k] = v.loadFraction[k] = 0;
    }
    v.frequency = 50.0 + 0.03 * Wave(seconds, 120.0, 0) + 0.005 * Noise(seed, 0, 5, seconds);

    // Vectors: voltages at 0, 120, 240 degrees (1P3W: 0 and 180); currents lag by phi.
    // The inputs see them through the installation's wiring.
    PhaseVectors vectors;
    for (int k = 0; k < phases; ++k) {
        vectors.voltage[k] = phaseV[k];
        vectors.voltageAngle[k] = system == 1 ? 180.0 * k : 120.0 * k;
        vectors.current[k] = phaseI[k];
        vectors.currentAngle[k] = vectors.voltageAngle[k] + phi[k];
    }
    ApplyWiringFault(setup.wiring, vectors);
    double inRe = 0, inIm = 0;
    for (int k = 0; k < phases; ++k) {
        phaseV[k] = vectors.voltage[k];
        phaseI[k] = vectors.current[k];
        v.voltageAngle[k] = vectors.voltageAngle[k];
        v.currentAngle[k] = vectors.currentAngle[k];
        const double rad = v.currentAngle[k] * kPi / 180.0;
        inRe += phaseI[k] * std::cos(rad);
        inIm += phaseI[k] * std::sin(rad);
        v.current[k] = phaseI[k];
        const double shift = (v.currentAngle[k] - v.voltageAngle[k]) * kPi / 180.0;
        const double s = phaseV[k] * phaseI[k];
        v.apparent[k] = s;
        v.active[k] = s * std::cos(shift);
        v.reactive[k] = s * std::sin(shift);
        v.powerFactor[k] = s > 0 ? std::cos(shift) : 0;
        v.activeSum += v.active[k];
        v.reactiveSum += v.reactive[k];
        v.apparentSum += v.apparent[k];
        v.currentSum += phaseI[k] / phases;
    }
    v.current[3] = (threeWire || system == 0) ? 0 : std::hypot(inRe, inIm);
    v.powerFactorSum = v.apparentSum > 0 ? v.activeSum / v.apparentSum : 0;

    // Line voltages from the vectors: |Ua - Ub|.
    const auto lineVoltage = [&](int a, int b) {
        const double ra = v.voltageAngle[a] * kPi / 180.0, rb = v.voltageAngle[b] * kPi / 180.0;
        return std::hypot(phaseV[a] * std::cos(ra) - phaseV[b] * std::cos(rb),
                          phaseV[a] * std::sin(ra) - phaseV[b] * std::sin(rb));
    };
    if (system == 1) {
        v.lineVoltage[0] = lineVoltage(0, 1);
    } else if (phases == 3) {
        for (int k = 0; k < 3; ++k)
            v.lineVoltage[k] = lineVoltage(k, (k + 1) % 3);
    }
    if (!threeWire) {
        for (int k = 0; k < phases; ++k)
            v.phaseVoltage[k] = phaseV[k];
    }
    if (threeWire) {
        // Without a neutral the phase quantities are not measured; the sums are.
        for (int k = 0; k < 3; ++k) {
            v.active[k] = v.reactive[k] = v.apparent[k] = v.powerFactor[k] = 0;
        }
        v.voltageSum = (v.lineVoltage[0] + v.lineVoltage[1] + v.lineVoltage[2]) / 3.0;
    } else {
        v.voltageSum = (phaseV[0] + phaseV[1] + phaseV[2]) / phases;
    }

    bool present[kHarmonicSets] = {};
    for (int k = 0; k < 3; ++k)
        present[k] = k < phases;
    present[3] = v.current[3] > 0;
    for (int k = 0; k < 3; ++k)
        present[4 + k] = v.lineVoltage[k] > 0;
    for (int k = 0; k < 3; ++k)
        present[7 + k] = v.phaseVoltage[k] > 0;
    FillHarmonics(v, present, seconds, seed, input);
    if (system == 1 && setup.singlePhaseOnL3) MoveSecondPhaseToThird(v);
    return v;
}

}  // namespace voltaro::sim
