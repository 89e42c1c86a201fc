// The command line's pass over a ZC device against the simulator: the page of each
// module of the 8-input, 16-input and discrete-input variants, a channel's detail, the
// options a device cannot serve, and the hourly energies of a device just started.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/monitor/measurand_format.h"
#include "core/monitor/monitor_pass.h"
#include "core/monitor/zc_pass.h"
#include "core/monitor/zc_registers.h"
#include "core/platform/message_ids.h"
#include "integration/transfer/sim_link.h"
#include "support/test_support.h"

namespace voltaro {
namespace {

using test::SimLink;
using test::SimRow;

constexpr int kZc8Row = 52;
constexpr int kZc16Row = 64;
constexpr int kKt2Row = 7;

sim::SimulatorOptions DiscreteInputs() {
    return test::SimRowAlternateIo(kZc8Row);
}

MonitorPassResult Pass(SimLink& link, CMeasurandsKT2& store, bool extension = false,
                       int detail = -1, std::vector<int> sets = {}) {
    MonitorPassOptions options;
    options.zcExtension = extension;
    options.zcDetailChannel = detail;
    options.harmonicSets = std::move(sets);
    return ReadMonitorPass(*link.client, store, options);
}

uint32_t Pair(sim::Simulator& simulator, int address) {
    const auto r = simulator.Registers(address, 2);
    return static_cast<uint32_t>(r[1]) << 16 | r[0];
}

TEST(ZcPass, EachModuleOfTheThreeVariantsLandsInThePageSlots) {
    struct Case {
        const char* name;
        sim::SimulatorOptions options;
        bool extension;
        int view;
        int firstChannel;
    };
    const Case cases[] = {{"8 inputs", SimRow(kZc8Row), false, kZcViewBasic, 0},
                          {"16 inputs", SimRow(kZc16Row), true, kZcViewExtension, 8},
                          {"discrete inputs", DiscreteInputs(), true, kZcViewDiscrete, 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimLink link(c.options);
        CMeasurandsKT2 store;
        const MonitorPassResult result = Pass(link, store, c.extension);
        ASSERT_TRUE(result.ok) << result.error;
        EXPECT_TRUE(result.zcDevice);
        EXPECT_EQ(result.refusal, 0);
        EXPECT_EQ(result.zcView, c.view);
        EXPECT_EQ(result.zcFirstChannel, c.firstChannel);
        EXPECT_EQ(result.indexes, ZcPassIndexes(c.view, false));
        // The last page channel's first block value comes from the module's own block
        // (the simulator counts on, so it may have grown since the read).
        const int k = 7;
        const int slot = c.view == kZcViewDiscrete ? kIdxZcCounts : kIdxZcEnergy;
        const uint32_t device = Pair(link.simulator, ZcEnergyBlockRegister(k, c.view));
        EXPECT_LE(static_cast<uint32_t>(store.Value(slot + kZcBlockSlots * k)), device);
        EXPECT_GT(store.Value(slot + kZcBlockSlots * k), 0);
        EXPECT_FALSE(FormatMeasurand(store, kIdxDeviceDate).empty());
        EXPECT_EQ(FormatMeasurand(store, kIdxModelName), "ZC");
    }
}

TEST(ZcPass, ChannelDetailReadsTheChannelAndItsSpectrum) {
    SimLink link(SimRow(kZc16Row));
    link.simulator.AdvanceTime(60);
    CMeasurandsKT2 store;
    const MonitorPassResult result = Pass(link, store, false, 9, {6});
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.zcView, -1);
    EXPECT_EQ(result.zcFirstChannel, 9);
    EXPECT_EQ(result.indexes, ZcPassIndexes(-1, true));
    // Channel 10's present current 1 (register 64 + 32 x 9) in page channel 0's slot,
    // with its maximum and minimum around it.
    const auto current = static_cast<int32_t>(Pair(link.simulator, 64 + 32 * 9));
    EXPECT_NEAR(store.Value(kIdxZcCurrents), current, std::abs(current) / 5 + 1);
    EXPECT_GE(store.Value(kIdxZcCurrents + 5), store.Value(kIdxZcCurrents + 10));
    EXPECT_GT(store.Value(kIdxThd), 0);
    // Harmonic set 6 (voltage 3-1) from register 6640.
    const auto words = link.simulator.Registers(6640, 15);
    for (std::size_t i = 0; i < 15; ++i)
        EXPECT_EQ(store.harmonics[6][i], words[i]) << i;
}

TEST(ZcPass, OptionsTheDeviceCannotServeAreRefusedAfterTheIdentity) {
    struct Case {
        const char* name;
        sim::SimulatorOptions options;
        MonitorPassOptions pass;
        int refusal;
    };
    MonitorPassOptions extension;
    extension.zcExtension = true;
    MonitorPassOptions detail9;
    detail9.zcDetailChannel = 8;
    MonitorPassOptions sets;
    sets.harmonicSets = {1};
    MonitorPassOptions second;
    second.channel = 1;
    const Case cases[] = {
        {"extension of an 8-input device", SimRow(kZc8Row), extension, kMsgZcNoExtensionModule},
        {"9ch of an 8-input device", SimRow(kZc8Row), detail9, kMsgZcDetailBeyondInputs},
        {"9ch of the discrete-input variant", DiscreteInputs(), detail9, kMsgZcDetailBeyondInputs},
        {"spectra without a detail", SimRow(kZc16Row), sets, kMsgZcHarmonicsNeedDetail},
        {"a second input", SimRow(kZc16Row), second, kMsgZcMonitorChannel},
        {"a module of a meter", SimRow(kKt2Row), extension, kMsgZcOptionsNeedZc},
        {"a detail of a meter", SimRow(kKt2Row), detail9, kMsgZcOptionsNeedZc}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimLink link(c.options);
        CMeasurandsKT2 store;
        const MonitorPassResult result = ReadMonitorPass(*link.client, store, c.pass);
        ASSERT_TRUE(result.ok) << result.error;
        EXPECT_EQ(result.refusal, c.refusal);
        EXPECT_TRUE(result.indexes.empty());
        EXPECT_EQ(store.Value(kIdxZcEnergy), 0);
    }
}

// A device just started shows the energy of its load in every past hour, not zeros: the
// rows lie near the channel's present active power over an hour, the hour in progress
// at most that, and the total holds at least what the rows add up to.
TEST(ZcPass, FreshDeviceShowsPastHoursOfItsLoad) {
    SimLink link(SimRow(kZc16Row));
    CMeasurandsKT2 store;
    ASSERT_TRUE(Pass(link, store).ok);
    for (int k = 0; k < kZcPageChannels; ++k) {
        SCOPED_TRACE(k);
        const double perHour = store.Value(kIdxZcPowers + kZcPowerSlots * k + 3) / 100.0;
        ASSERT_GT(perHour, 1.0);
        const int block = kIdxZcEnergy + kZcBlockSlots * k;
        int near = 0;
        double sum = 0;
        for (int h = 0; h < kZcHours; ++h) {
            const double row = store.Value(block + kZcFirstHourSlot + h);
            sum += row;
            near += row > 0.7 * perHour && row < 1.3 * perHour ? 1 : 0;
        }
        EXPECT_GE(near, kZcHours - 1);  // all but the hour in progress
        EXPECT_LE(store.Value(block + kZcLatestHourSlot), 1.3 * perHour);
        EXPECT_GE(store.Value(block) + 1, sum);
    }
}

}  // namespace
}  // namespace voltaro
