// The wiring check on what the simulated meter reports: each faulty installation the
// simulator can be wired with is found, and a correct installation in every wiring system
// with vectors stays quiet as the load drifts.
#include <gtest/gtest.h>

#include "core/app/wiring_check.h"
#include "core/model/parameter_blocks.h"
#include "core/model/parameter_words.h"
#include "core/monitor/monitor_pass.h"
#include "integration/transfer/sim_link.h"

namespace voltaro {
namespace {

using test::SimLink;
using test::SimRow;

constexpr int kKt2Row = 7;        // 7811: wiring systems 0 .. 5
constexpr int kKt6_3p4wRow = 19;  // 7821 with the 3-phase 4-wire hardware: systems 0 .. 6

void SetWiringSystem(SimLink& link, int system) {
    const CDeviceType& type = link.simulator.Type();
    link.simulator.SetRegisters(RegisterOfWord(BlockTableFor(type), kWordSystem),
                                {static_cast<uint16_t>(system)});
}

WiringReport Read(SimLink& link) {
    CMeasurandsKT2 store;
    const MonitorPassResult result = ReadMonitorPass(*link.client, store, MonitorPassOptions{});
    EXPECT_TRUE(result.ok) << result.error;
    return CheckWiring(store);
}

std::vector<WiringFindingKind> Kinds(const WiringReport& report) {
    std::vector<WiringFindingKind> kinds;
    for (const WiringFinding& f : report.findings)
        kinds.push_back(f.kind);
    return kinds;
}

TEST(WiringCheckSim, CorrectInstallationsInEveryWiringSystemStayQuiet) {
    // The single-phase 3-wire connection uses phases 1 and 2 on a KT2, 1 and 3 on a KT6.
    struct Case {
        int row;
        int system;
    };
    std::vector<Case> cases;
    for (int system = 1; system <= 5; ++system)
        cases.push_back({kKt2Row, system});
    for (int system = 1; system <= 6; ++system)
        cases.push_back({kKt6_3p4wRow, system});
    for (const auto [row, system] : cases) {
        SimLink link(SimRow(row));
        SetWiringSystem(link, system);
        // Over an hour of model time the load and its power factor drift through their range.
        for (int step = 0; step < 8; ++step) {
            link.simulator.AdvanceTime(450);
            const WiringReport report = Read(link);
            SCOPED_TRACE("row " + std::to_string(row) + ", system " + std::to_string(system) +
                         ", step " + std::to_string(step));
            ASSERT_TRUE(report.available);
            EXPECT_TRUE(report.currentsJudged);
            for (const WiringFinding& f : report.findings)
                ADD_FAILURE() << f.title << " / " << f.evidence;
        }
    }
}

TEST(WiringCheckSim, WiringSystemWithoutVectorsIsNotAvailable) {
    SimLink link(SimRow(kKt6_3p4wRow));
    SetWiringSystem(link, 0);
    const WiringReport report = Read(link);
    EXPECT_FALSE(report.available);
    EXPECT_TRUE(report.findings.empty());
}

TEST(WiringCheckSim, EveryFaultOfTheSimulatorIsFound) {
    struct Case {
        const char* wiring;
        int system;
        std::vector<WiringFindingKind> kinds;
        int phase;  // of the first finding
    };
    using K = WiringFindingKind;
    const Case cases[] = {
        {"reversed-ct=2", 5, {K::kCurrentReversed, K::kPowerFactorOff}, 2},
        {"reversed-ct=1", 3, {K::kCurrentReversed, K::kPowerFactorOff}, 1},
        {"reversed-ct=1", 4, {K::kCurrentReversed, K::kPowerFactorOff}, 1},
        {"swapped=1,2", 5, {K::kCurrentWrongPhase, K::kCurrentWrongPhase, K::kPowerFactorOff}, 1},
        {"swapped=2,3", 6, {K::kCurrentWrongPhase, K::kCurrentWrongPhase, K::kPowerFactorOff}, 2},
        {"missing-v=3", 5, {K::kVoltageMissing}, 3},
        {"missing-v=2", 3, {K::kVoltageMissing}, 2},
        {"sequence=reversed", 5, {K::kSequenceReversed}, 0},
        {"sequence=reversed", 3, {K::kSequenceReversed}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.wiring) + " in system " + std::to_string(c.system));
        sim::SimulatorOptions options = SimRow(kKt6_3p4wRow);
        options.wiring = sim::ParseWiringFault(c.wiring);
        SimLink link(options);
        SetWiringSystem(link, c.system);
        for (int step = 0; step < 3; ++step) {
            link.simulator.AdvanceTime(1200);
            const WiringReport report = Read(link);
            EXPECT_EQ(Kinds(report), c.kinds);
            if (!report.findings.empty()) {
                EXPECT_EQ(report.findings[0].phase, c.phase);
            }
        }
    }
}

}  // namespace
}  // namespace voltaro
