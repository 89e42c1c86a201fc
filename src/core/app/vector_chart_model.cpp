#include "core/app/vector_chart_model.h"

#include "core/monitor/measurand_store.h"

namespace voltaro {

namespace {

// Devices whose single-phase 3-wire connection leaves out a different phase.
constexpr std::uint16_t kDeviceKt2 = 7811;
constexpr std::uint16_t kDeviceKt6 = 7821;

constexpr double kDegreesPerAngleWord = 360.0 / 65536.0;

}  // namespace

VectorChartData ComputeVectorData(const CMeasurandsKT2& store) {
    VectorChartData data;
    for (std::size_t j = 0; j < 3; ++j) {
        const int phase = static_cast<int>(j);
        if (store.ratedVoltage > 0) {
            data.voltageLength[j] =
                store.Value(kIdxPhaseVoltage1 + phase) / 100.0 / store.ratedVoltage;
        }
        if (store.ratedCurrent > 0) {
            data.currentLength[j] = store.Value(kIdxCurrent1 + phase) / 1000.0 / store.ratedCurrent;
        }
        // Angle words in register order: I1, U1, I2, U2, I3, U3.
        data.currentAngle[j] = store.phaseAngles[2 * j] * kDegreesPerAngleWord;
        data.voltageAngle[j] = store.phaseAngles[2 * j + 1] * kDegreesPerAngleWord;
    }
    data.wiringSystem = store.wiringSystem;
    data.deviceId = store.deviceId;
    if (data.wiringSystem == kThreePhase3WireBalanced ||
        data.wiringSystem == kThreePhase4WireBalanced) {
        for (auto* angles : {&data.voltageAngle, &data.currentAngle}) {
            (*angles)[1] = (*angles)[0] + 120;
            (*angles)[2] = (*angles)[0] + 240;
        }
    }
    return data;
}

double VectorLength(const VectorChartData& data, int vector) {
    const auto phase = static_cast<std::size_t>(vector % kVoltageVectors);
    return vector < kVoltageVectors ? data.voltageLength[phase] : data.currentLength[phase];
}

double VectorAngle(const VectorChartData& data, int vector) {
    const auto phase = static_cast<std::size_t>(vector % kVoltageVectors);
    return vector < kVoltageVectors ? data.voltageAngle[phase] : data.currentAngle[phase];
}

bool VectorSkipped(const VectorChartData& data, int vector) {
    const int phase = vector % kVoltageVectors;  // 0, 1, 2 for voltage and current alike
    if (data.wiringSystem == kSinglePhase2Wire) return phase != 0;
    if (data.wiringSystem == kSinglePhase3Wire) {
        if (data.deviceId == kDeviceKt2) return phase == 2;
        if (data.deviceId == kDeviceKt6) return phase == 1;
    }
    return false;
}

}  // namespace voltaro
