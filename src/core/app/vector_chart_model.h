#pragma once
// What the vector chart shows: the length (1.0 = rated) and angle (degrees, 0 up,
// clockwise positive) of U1N, U2N, U3N, I1, I2, I3, taken from a measurand store after its
// identity and vector read, and which of them a wiring system has.
#include <array>
#include <cstdint>

namespace voltaro {

class CMeasurandsKT2;

// Wiring systems (index of the "System" word, strings 1600 .. 1606).
constexpr std::uint16_t kSinglePhase2Wire = 0;
constexpr std::uint16_t kSinglePhase3Wire = 1;
constexpr std::uint16_t kThreePhase3WireBalanced = 2;    // 1 CT
constexpr std::uint16_t kThreePhase3WireUnbalanced = 3;  // 2 CT
constexpr std::uint16_t kThreePhase4WireBalanced = 4;    // 1 CT
constexpr std::uint16_t kLastWiringSystem = 6;

constexpr int kVectorCount = 6;     // U1N, U2N, U3N, I1, I2, I3
constexpr int kVoltageVectors = 3;  // the first three are voltages

struct VectorChartData {
    std::array<double, 3> voltageLength{};
    std::array<double, 3> currentLength{};
    std::array<double, 3> voltageAngle{};
    std::array<double, 3> currentAngle{};
    std::uint16_t wiringSystem = 0;
    std::uint16_t deviceId = 0;
};

// Lengths from the phase voltages and currents over the ratings (0 without a rating),
// angles from the phase-angle words (16384 = 90 degrees); with a balanced-load wiring
// system (one CT) phases 2 and 3 follow phase 1 at 120 and 240 degrees.
VectorChartData ComputeVectorData(const CMeasurandsKT2& store);

double VectorLength(const VectorChartData& data, int vector);
double VectorAngle(const VectorChartData& data, int vector);
// True when the wiring system (and, for the single-phase 3-wire system, the device) has
// no such vector.
bool VectorSkipped(const VectorChartData& data, int vector);

}  // namespace voltaro
