// The vector chart's data from a measurand store, and which vectors a wiring system has.
#include <gtest/gtest.h>

#include "core/app/vector_chart_model.h"
#include "core/monitor/measurand_store.h"

namespace voltaro {
namespace {

TEST(VectorChartModel, LengthsAreRelativeToTheRatingsAndAnglesComeFromTheWords) {
    CMeasurandsKT2 store;
    store.ratedVoltage = 110;
    store.ratedCurrent = 5;
    store.SetValue(kIdxPhaseVoltage1, 11000);  // 110.00 V
    store.SetValue(kIdxPhaseVoltage1 + 2, 5500);
    store.SetValue(kIdxCurrent1 + 1, 2500);                  // 2.500 A
    store.phaseAngles = {-5461, 16384, 0, -32768, 8192, 0};  // I1, U1, I2, U2, I3, U3
    store.wiringSystem = 5;
    store.deviceId = 7821;
    const VectorChartData data = ComputeVectorData(store);
    EXPECT_DOUBLE_EQ(data.voltageLength[0], 1.0);
    EXPECT_DOUBLE_EQ(data.voltageLength[2], 0.5);
    EXPECT_DOUBLE_EQ(data.currentLength[1], 0.5);
    EXPECT_DOUBLE_EQ(data.voltageAngle[0], 90.0);
    EXPECT_DOUBLE_EQ(data.voltageAngle[1], -180.0);
    EXPECT_NEAR(data.currentAngle[0], -30.0, 0.01);
    EXPECT_DOUBLE_EQ(data.currentAngle[2], 45.0);
    EXPECT_EQ(data.deviceId, 7821);

    // No rating (the vector-unavailable case): no length, so no name is drawn either.
    store.ratedCurrent = 0;
    EXPECT_EQ(ComputeVectorData(store).currentLength, (std::array<double, 3>{0, 0, 0}));
}

TEST(VectorChartModel, BalancedLoadSystemsDerivePhasesTwoAndThree) {
    CMeasurandsKT2 store;
    store.phaseAngles = {8192, 16384, 1, 2, 3, 4};
    for (std::uint16_t wiring : {std::uint16_t{2}, std::uint16_t{4}}) {
        store.wiringSystem = wiring;
        const VectorChartData data = ComputeVectorData(store);
        EXPECT_DOUBLE_EQ(data.voltageAngle[1], 210.0) << wiring;
        EXPECT_DOUBLE_EQ(data.voltageAngle[2], 330.0) << wiring;
        EXPECT_DOUBLE_EQ(data.currentAngle[1], 165.0) << wiring;
        EXPECT_DOUBLE_EQ(data.currentAngle[2], 285.0) << wiring;
    }
    store.wiringSystem = 3;
    EXPECT_NEAR(ComputeVectorData(store).voltageAngle[1], 2 * 360.0 / 65536, 1e-9);
}

TEST(VectorChartModel, SkippedVectorsByWiringSystemAndDevice) {
    VectorChartData data;
    auto skipped = [&](std::uint16_t wiring, std::uint16_t device) {
        data.wiringSystem = wiring;
        data.deviceId = device;
        std::string marks;
        for (int i = 0; i < kVectorCount; ++i)
            marks += VectorSkipped(data, i) ? 'x' : '.';
        return marks;
    };
    EXPECT_EQ(skipped(0, 7811), ".xx.xx");  // single-phase 2-wire: U1N and I1 only
    EXPECT_EQ(skipped(1, 7811), "..x..x");  // single-phase 3-wire on a KT2: no phase 3
    EXPECT_EQ(skipped(1, 7821), ".x..x.");  // ... on a KT6: no phase 2
    EXPECT_EQ(skipped(1, 7851), "......");
    EXPECT_EQ(skipped(5, 7811), "......");
}

}  // namespace
}  // namespace voltaro
