// The wiring check on installations built from phase vectors: correct ones at the edges of
// the tolerances, each kind of fault, and the cases without vectors.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/app/wiring_check.h"
#include "core/monitor/measurand_store.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

constexpr double kPi = 3.14159265358979323846;

// An installation as the meter's inputs see it: magnitudes and angles (degrees).
struct Installation {
    int system = 5;
    double volts[3] = {110, 110, 110};
    double voltAngle[3] = {0, 120, 240};
    double amps[3] = {3, 3, 3};
    double loadAngle[3] = {20, 20, 20};  // current angle minus its own voltage's
    double extraCurrentTurn[3] = {};     // added to a current's angle only
};

int16_t Word(double degrees) {
    const long word = std::lround(std::remainder(degrees, 360.0) / 360.0 * 65536.0);
    return static_cast<int16_t>(std::clamp(word, -32768L, 32767L));
}

// A store as the monitor fills it: angles, ratings, and the values and powers that agree
// with the vectors.
std::unique_ptr<CMeasurandsKT2> Store(const Installation& in) {
    auto owned = std::make_unique<CMeasurandsKT2>();
    CMeasurandsKT2& store = *owned;
    store.wiringSystem = static_cast<uint16_t>(in.system);
    store.deviceId = 7811;  // single-phase 3-wire: U1N, U2N, I1, I2
    store.ratedVoltage = 110;
    store.ratedCurrent = 5;
    const bool threeWire = in.system == 2 || in.system == 3;
    double p = 0, s = 0;
    for (int k = 0; k < 3; ++k) {
        const double iAngle = in.voltAngle[k] + in.loadAngle[k] + in.extraCurrentTurn[k];
        store.phaseAngles[static_cast<std::size_t>(2 * k)] = Word(iAngle);
        store.phaseAngles[static_cast<std::size_t>(2 * k + 1)] = Word(in.voltAngle[k]);
        const double shift = (iAngle - in.voltAngle[k]) * kPi / 180.0;
        const double apparent = in.volts[k] * in.amps[k];
        store.SetValue(kIdxCurrent1 + k, static_cast<int32_t>(std::lround(in.amps[k] * 1000)));
        if (!threeWire) {
            store.SetValue(kIdxPhaseVoltage1 + k,
                           static_cast<int32_t>(std::lround(in.volts[k] * 100)));
            store.SetValue(kIdxActivePower1 + k,
                           static_cast<int32_t>(std::lround(apparent * std::cos(shift))));
            store.SetValue(kIdxApparentPower1 + k, static_cast<int32_t>(std::lround(apparent)));
        }
        const int j = (k + 1) % 3;
        const double ra = in.voltAngle[k] * kPi / 180.0, rb = in.voltAngle[j] * kPi / 180.0;
        const double line = std::hypot(in.volts[k] * std::cos(ra) - in.volts[j] * std::cos(rb),
                                       in.volts[k] * std::sin(ra) - in.volts[j] * std::sin(rb));
        store.SetValue(kIdxLineVoltage12 + k, static_cast<int32_t>(std::lround(line * 100)));
        p += apparent * std::cos(shift);
        s += apparent;
    }
    store.SetValue(kIdxActivePowerSum, static_cast<int32_t>(std::lround(p)));
    store.SetValue(kIdxApparentPowerSum, static_cast<int32_t>(std::lround(s)));
    store.SetValue(kIdxPowerFactorSum, static_cast<int32_t>(std::lround(p / s * 10000)));
    return owned;
}

// The findings as "kind:phase>other" marks, in report order.
std::string Marks(const WiringReport& report) {
    static const char* const names[] = {"seq",      "angles", "v-missing", "i-missing",
                                        "reversed", "wrong",  "i-angle",   "pf"};
    std::string marks;
    for (const WiringFinding& f : report.findings) {
        if (!marks.empty()) marks += ' ';
        marks += names[static_cast<int>(f.kind)];
        if (f.phase != 0) marks += ":" + std::to_string(f.phase);
        if (f.otherPhase != 0) marks += ">" + std::to_string(f.otherPhase);
    }
    return marks;
}

WiringReport Check(const Installation& in) {
    return CheckWiring(*Store(in));
}

TEST(WiringCheck, CorrectInstallationsStayQuietInsideTheTolerances) {
    for (int system : {1, 2, 3, 4, 5, 6}) {
        for (double load : {-kWiringMaxLoadAngleDeg + 1, 0.0, 37.0, kWiringMaxLoadAngleDeg - 1}) {
            Installation in;
            in.system = system;
            if (system == 1) in.voltAngle[1] = 180;
            std::fill(std::begin(in.loadAngle), std::end(in.loadAngle), load);
            const WiringReport report = Check(in);
            SCOPED_TRACE("system " + std::to_string(system) + ", load " + std::to_string(load));
            EXPECT_TRUE(report.available);
            EXPECT_TRUE(report.currentsJudged);
            EXPECT_EQ(Marks(report), "");
            EXPECT_EQ(WiringSummaryText(report), LoadString(kMsgWiringLooksRight));
            const bool sequenceJudged = system == 3 || system == 5 || system == 6;
            EXPECT_EQ(report.sequence,
                      sequenceJudged ? PhaseSequence::kForward : PhaseSequence::kNotJudged);
        }
    }
    // Voltages off their places and load angles apart by just less than the tolerances.
    Installation in;
    in.voltAngle[1] = 120 + kWiringSequenceToleranceDeg - 1;
    in.voltAngle[2] = 240 - kWiringSequenceToleranceDeg + 1;
    EXPECT_EQ(Marks(Check(in)), "");
    Installation spread;
    spread.loadAngle[0] = spread.loadAngle[1] = 0;
    spread.loadAngle[2] = 1.5 * kWiringMaxPhaseSpreadDeg - 2;  // 1 degree inside from the mean
    EXPECT_EQ(Marks(Check(spread)), "");
}

TEST(WiringCheck, BeyondTheTolerancesTheAnglesAreReported) {
    Installation in;
    in.voltAngle[1] = 120 + kWiringSequenceToleranceDeg + 1;
    WiringReport report = Check(in);
    EXPECT_EQ(report.sequence, PhaseSequence::kIrregular);
    EXPECT_EQ(Marks(report), "angles");
    Installation spread;
    spread.loadAngle[0] = spread.loadAngle[1] = 0;
    spread.loadAngle[2] = 1.5 * kWiringMaxPhaseSpreadDeg + 2;
    // No other assignment fits either: the current is named, not moved by a guess.
    EXPECT_EQ(Marks(Check(spread)), "i-angle:3");
    Installation lagging;
    std::fill(std::begin(lagging.loadAngle), std::end(lagging.loadAngle),
              kWiringMaxLoadAngleDeg + 1);
    EXPECT_NE(Marks(Check(lagging)), "");
}

TEST(WiringCheck, EachFaultIsNamedWithItsPhase) {
    Installation reversed;
    reversed.extraCurrentTurn[1] = 180;
    EXPECT_EQ(Marks(Check(reversed)), "reversed:2 pf");

    // Inputs 1 and 3 carry each other's currents.
    Installation swap13;
    swap13.extraCurrentTurn[0] = 240;
    swap13.extraCurrentTurn[2] = -240;
    EXPECT_EQ(Marks(Check(swap13)), "wrong:1>3 wrong:3>1 pf");

    Installation missingV;
    missingV.volts[2] = 0;
    missingV.voltAngle[2] = 0;
    EXPECT_EQ(Marks(Check(missingV)), "v-missing:3");

    Installation missingI;
    missingI.amps[0] = 0.1;  // below 5 % of the largest
    EXPECT_EQ(Marks(Check(missingI)), "i-missing:1");
    missingI.amps[0] = 0.16;  // above
    EXPECT_EQ(Marks(Check(missingI)), "");

    Installation sequence;
    sequence.voltAngle[1] = 240;
    sequence.voltAngle[2] = 120;
    const WiringReport report = Check(sequence);
    EXPECT_EQ(Marks(report), "seq");
    EXPECT_EQ(report.sequence, PhaseSequence::kReversed);
    EXPECT_NE(PhaseSequenceText(report).find("L1-L3-L2"), std::string::npos);

    // In a 3-wire system a missing voltage shows in its two line voltages.
    Installation threeWire;
    threeWire.system = 3;
    threeWire.volts[0] = 0;
    threeWire.voltAngle[0] = 0;
    EXPECT_EQ(Marks(Check(threeWire)), "v-missing:1");
}

TEST(WiringCheck, SinglePhaseAndBalancedSystemsJudgeTheirOwnCurrents) {
    // Single-phase 3-wire: the voltages are 180 degrees apart, so a reversed current also
    // fits the other voltage; it is reported reversed, not moved.
    Installation single;
    single.system = 1;
    single.voltAngle[1] = 180;
    single.extraCurrentTurn[0] = 180;
    EXPECT_EQ(Marks(Check(single)), "reversed:1 pf");

    Installation balanced;  // one CT, on phase 1
    balanced.system = 4;
    balanced.extraCurrentTurn[0] = 180;
    EXPECT_EQ(Marks(Check(balanced)), "reversed:1 pf");
    balanced.extraCurrentTurn[0] = 120;  // the CT sits on phase 2
    EXPECT_EQ(Marks(Check(balanced)), "wrong:1>2 pf");
}

TEST(WiringCheck, PowerFlowAndPowerFactorAreCheckedAgainstTheVectors) {
    // The angles fit, but phase 2's power runs against the others.
    auto store = Store(Installation{});
    store->SetValue(kIdxActivePower1 + 1, -310);
    EXPECT_EQ(Marks(CheckWiring(*store)), "reversed:2");

    // cos 20 degrees is 0.9397.
    const int edge = 9397 - static_cast<int>(kWiringPowerFactorTolerance * 10000);
    store = Store(Installation{});
    store->SetValue(kIdxPowerFactorSum, edge + 10);
    EXPECT_EQ(Marks(CheckWiring(*store)), "");
    store->SetValue(kIdxPowerFactorSum, edge - 10);
    const WiringReport report = CheckWiring(*store);
    ASSERT_EQ(Marks(report), "pf");
    EXPECT_NE(report.findings[0].title.find("0.94"), std::string::npos);
    EXPECT_FALSE(report.findings[0].evidence.empty());
    EXPECT_FALSE(report.findings[0].hint.empty());
}

TEST(WiringCheck, NotAvailableWithoutVectorsAndCurrentsNotJudgedWithoutLoad) {
    Installation in;
    in.system = 0;
    WiringReport report = Check(in);
    EXPECT_FALSE(report.available);
    EXPECT_NE(WiringSummaryText(report).find("Single-phase 2-wire"), std::string::npos);

    auto store = Store(Installation{});
    store->ratedCurrent = store->ratedVoltage = 0;  // the device reports no vectors
    report = CheckWiring(*store);
    EXPECT_FALSE(report.available);
    EXPECT_TRUE(report.findings.empty());
    EXPECT_EQ(WiringSummaryText(report),
              "Wiring check not available: the device reports no "
              "phase vectors.");

    Installation idle;  // below 2 % of the 5 A rating: the currents' angles mean nothing
    std::fill(std::begin(idle.amps), std::end(idle.amps), 0.09);
    idle.extraCurrentTurn[1] = 180;
    report = Check(idle);
    EXPECT_TRUE(report.available);
    EXPECT_FALSE(report.currentsJudged);
    EXPECT_EQ(Marks(report), "");
    EXPECT_NE(WiringSummaryText(report).find("currents not judged"), std::string::npos);
    idle.volts[2] = 0;  // a finding does not hide that the currents went unchecked
    report = Check(idle);
    EXPECT_EQ(Marks(report), "v-missing:3");
    EXPECT_NE(WiringSummaryText(report).find("currents not judged"), std::string::npos);
    idle.volts[2] = 110;
    std::fill(std::begin(idle.amps), std::end(idle.amps), 0.11);
    EXPECT_EQ(Marks(Check(idle)), "reversed:2 pf");
}

}  // namespace
}  // namespace voltaro
