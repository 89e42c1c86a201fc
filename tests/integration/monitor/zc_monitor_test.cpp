// The power management monitor, its channel detail, resets and presets against simulated
// ZC devices of 8 inputs, 16 inputs and 8 inputs with the discrete-input module.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/pm_detail_model.h"
#include "core/app/pm_monitor_model.h"
#include "core/app/zc_energy_page_model.h"
#include "core/app/zc_page_lists.h"
#include "core/device/loop_test_zc.h"
#include "core/monitor/measurand_format.h"
#include "core/monitor/zc_reads.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "integration/transfer/passcode_support.h"
#include "support/test_support.h"

namespace voltaro {
namespace {

using test::Protected;
using test::ScriptedInteraction;
using test::SimLink;
using test::SimRow;

constexpr int kZc8Row = 52;
constexpr int kZc16Row = 64;

sim::SimulatorOptions DiscreteInputs() {
    return test::SimRowAlternateIo(kZc8Row);
}

uint32_t Pair(sim::Simulator& simulator, int address) {
    const auto r = simulator.Registers(address, 2);
    return static_cast<uint32_t>(r[1]) << 16 | r[0];
}

// Puts the device clock on 10:00 and lets an hour and a minute pass, so that the hour
// 10:00 to 11:00 is complete and stays as it is.
void PassAnHour(SimLink& link) {
    const uint16_t clock[kClockRegisters] = {0x2506, 0x0110, 0};
    link.client->Open();
    link.client->WriteMultipleRegisters(kClockRegister, kClockRegisters, clock);
    link.client->Close();
    link.simulator.AdvanceTime(3600 + 60);
    link.proxy.Clear();
}

// Every value cell of the main page in a view: none may be empty after a read.
int EmptyCells(const CMeasurandsKT2& store, int view) {
    int empty = 0;
    for (auto list : {ZcUpperValues(view), ZcLowerValues(view)})
        for (const MeasurandCell& cell : MeasurandCellTexts(store, list))
            empty += cell.text.empty() ? 1 : 0;
    return empty;
}

TEST(ZcMonitor, ReadsEachViewOfTheThreeVariants) {
    struct Case {
        sim::SimulatorOptions options;
        int tab;
        int view;
    };
    const Case cases[] = {{SimRow(kZc8Row), 0, kZcViewBasic},
                          {SimRow(kZc16Row), 1, kZcViewExtension},
                          {DiscreteInputs(), 1, kZcViewDiscrete}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.view);
        SimLink link(c.options);
        PassAnHour(link);
        CMeasurandsKT2 store;
        CPMMonitorModel model;
        const PmReadOutcome first = RunPmRead(*link.client, store, model.View());
        ASSERT_FALSE(first.failed);
        const PmUpdate update = model.OnReadDone(first, store, 0);
        EXPECT_EQ(update.tabEnabled, c.view != kZcViewBasic);
        EXPECT_EQ(update.clockText.substr(0, 11), "2025/06/01 ");
        ASSERT_EQ(model.SelectTab(c.tab), c.view);
        const PmReadOutcome second = RunPmRead(*link.client, store, model.View());
        ASSERT_FALSE(second.failed);
        EXPECT_TRUE(model.OnReadDone(second, store, c.tab).fillPage);
        EXPECT_EQ(EmptyCells(store, c.view), 0);
        // The completed hour 10:00 to 11:00 of page column 8 is the device's.
        const int block = ZcEnergyBlockRegister(7, c.view);
        const int first8 = c.view == kZcViewDiscrete ? kIdxZcCounts : kIdxZcEnergy;
        EXPECT_EQ(store.Value(first8 + 7 * kZcBlockSlots + kZcFirstHourSlot + 10),
                  static_cast<int32_t>(Pair(link.simulator, block + 10 + 2 * 10)));
        EXPECT_GT(store.Value(first8 + 7 * kZcBlockSlots + kZcFirstHourSlot + 10), 0);
        if (c.view != kZcViewDiscrete) {
            EXPECT_GT(store.Value(kIdxZcCurrents + 7 * kZcCurrentSlots), 0);  // I1 of 8ch/16ch
        }
    }
}

TEST(ZcMonitor, EightInputDeviceAnswersNoExtensionAndMeterHandsOver) {
    SimLink zc(SimRow(kZc8Row));
    CMeasurandsKT2 store;
    // The extension module's registers do not exist: a failed read, not a crash.
    EXPECT_TRUE(RunPmRead(*zc.client, store, kZcViewExtension).failed);
    SimLink meter(SimRow(4));
    CPMMonitorModel model;
    const PmReadOutcome outcome = RunPmRead(*meter.client, store, kZcViewBasic);
    ASSERT_FALSE(outcome.failed);
    EXPECT_TRUE(model.OnReadDone(outcome, store, 0).handOver);
    // Nothing beyond identification was read from the meter.
    EXPECT_EQ(meter.proxy.Requests().size(), 1u);
}

TEST(ZcMonitor, ReadNamesTheChannelsInLoopTestModeFromFirmware140) {
    SimLink link(SimRow(kZc16Row, 150));
    ScriptedInteraction ui;
    ASSERT_TRUE(SetZcLoopTest(*link.client, ui, 0, true));
    ASSERT_TRUE(SetZcLoopTest(*link.client, ui, 15, true));
    CMeasurandsKT2 store;
    PmReadOutcome outcome = RunPmRead(*link.client, store, kZcViewBasic);
    ASSERT_FALSE(outcome.failed);
    EXPECT_EQ(outcome.loopTestChannels, 1 << 0 | 1 << 15);
    ASSERT_TRUE(SetZcLoopTest(*link.client, ui, 0, false));
    EXPECT_EQ(RunPmRead(*link.client, store, kZcViewExtension).loopTestChannels, 1 << 15);
    // The preset dialog's read does not ask.
    link.proxy.Clear();
    EXPECT_EQ(RunPmRead(*link.client, store, kZcViewBasic, true).loopTestChannels, 0);
    const auto asksFlags = [](const test::RecordedRequest& r) {
        return r.address == kZcLoopFlagRegister;
    };
    EXPECT_FALSE(std::ranges::any_of(link.proxy.Requests(), asksFlags));
    // Before firmware 140 there is no loop test and no flag to read.
    SimLink older(SimRow(kZc8Row, 130));
    outcome = RunPmRead(*older.client, store, kZcViewBasic);
    EXPECT_FALSE(outcome.failed);
    EXPECT_FALSE(std::ranges::any_of(older.proxy.Requests(), asksFlags));
}

TEST(ZcMonitor, DetailCycleOfChannelTen) {
    SimLink link(SimRow(kZc16Row));
    CMeasurandsKT2 store;
    CPMDetailModel model(ZcDetailChannel(kZcViewExtension, 1));
    DetailUpdate update;
    update.next = model.Start();
    // Runs the next read and hands its completion to the model.
    const auto step = [&] {
        const DetailRead read = update.next;
        const bool ok = RunDetailRead(*link.client, store, model.Channel(), read);
        update = model.OnReadDone(read, ok);
        return ok;
    };
    ASSERT_TRUE(model.SelectThdRow(7));  // voltage 3-1, for the THD read after the trend
    ASSERT_TRUE(step());                 // trend
    EXPECT_TRUE(update.fillMaxMin);
    EXPECT_FALSE(FormatMeasurand(store, 718).empty());
    const auto requested = link.proxy.Requests();
    EXPECT_TRUE(std::any_of(requested.begin(), requested.end(),
                            [](const auto& r) { return r.address == 352; }));
    ASSERT_TRUE(step());  // THD with set 6
    EXPECT_TRUE(update.fillThd);
    EXPECT_TRUE(update.fillHarmonics);
    const auto spectrum = link.simulator.Registers(6640, 15);
    for (std::size_t i = 0; i < 15; ++i)
        EXPECT_EQ(store.harmonics[6][i], spectrum[i]);
    EXPECT_GT(store.Value(kIdxThd + 4), 0);  // THD U12
    EXPECT_GT(store.Value(kIdxThd), 0);      // THD I1 of 10ch
    // The Max tab: the trend read already queued fills nothing, the one after it does.
    model.SelectTab(kZcDetailMax);
    ASSERT_TRUE(step());
    EXPECT_FALSE(update.fillMaxMin);
    ASSERT_TRUE(step());
    ASSERT_TRUE(step());
    EXPECT_TRUE(update.fillMaxMin);
    EXPECT_GE(store.Value(723), store.Value(718) / 2);  // maximum current sum is set
}

TEST(ZcMonitor, ResetsWithAndWithoutProtection) {
    {
        SimLink link(SimRow(kZc8Row));
        PassAnHour(link);
        const int block = ZcEnergyBlockRegister(3, kZcViewBasic);
        ASSERT_GT(Pair(link.simulator, block), 0u);
        ScriptedInteraction ui;
        link.proxy.Clear();
        ASSERT_TRUE(WriteZcReset(*link.client, ui, 3, kZcResetEnergy));
        EXPECT_EQ(ui.passcodeQuestions, 0);
        EXPECT_EQ(Pair(link.simulator, block), 0u);
        EXPECT_GT(Pair(link.simulator, block + 10 + 2 * 10), 0u);  // hourly values kept
        const auto writes = link.proxy.Writes();
        EXPECT_TRUE(std::any_of(writes.begin(), writes.end(),
                                [](const auto& w) { return w.address == 8998; }));
        // The voltage reset of channel 5's detail goes to channel 0.
        link.proxy.Clear();
        ASSERT_TRUE(WriteZcReset(*link.client, ui, 5, kZcResetMaxMinVoltage));
        for (const auto& w : link.proxy.Writes())
            EXPECT_NE(w.address, 9000);
        const auto after = link.proxy.Writes();
        EXPECT_TRUE(std::any_of(after.begin(), after.end(),
                                [](const auto& w) { return w.address == 8995; }));
    }
    SimLink link(Protected(kZc8Row, 4321));
    link.simulator.AdvanceTime(600);
    const int activeIn = ZcEnergyBlockRegister(0, kZcViewBasic);
    ScriptedInteraction cancel;  // no passcode: the user cancels
    EXPECT_FALSE(WriteZcReset(*link.client, cancel, 0, kZcResetEnergy));
    EXPECT_EQ(cancel.passcodeQuestions, 1);
    EXPECT_GT(Pair(link.simulator, activeIn), 0u);
    ScriptedInteraction wrong;
    wrong.passcode = 1111;
    EXPECT_FALSE(WriteZcReset(*link.client, wrong, 0, kZcResetEnergy));
    EXPECT_EQ(wrong.errors, std::vector<std::string>{LoadString(kMsgPasscodeMismatch)});
    EXPECT_GT(Pair(link.simulator, activeIn), 0u);
    ScriptedInteraction right;
    right.passcode = 4321;
    EXPECT_TRUE(WriteZcReset(*link.client, right, 0, kZcResetEnergy));
    EXPECT_EQ(Pair(link.simulator, activeIn), 0u);
    EXPECT_EQ(link.simulator.Register(kZcUnlockRegister), 0);  // locked again
}

TEST(ZcMonitor, PresetsEnergiesAndCounts) {
    SimLink link(SimRow(kZc16Row));
    CMeasurandsKT2 store;
    CZcEnergyPageModel page;
    page.SetView(kZcViewExtension);
    ASSERT_TRUE(page.Commit(*link.client, store, 1, 1, "12.5"));  // "Active in" of 9ch
    EXPECT_EQ(Pair(link.simulator, 5440), 125u);
    EXPECT_EQ(FormatMeasurand(store, kIdxZcEnergy), "12.5");
    EXPECT_TRUE(page.SkipNextFill());
    std::vector<MeasurandCell> cells;
    EXPECT_FALSE(page.Fill(store, cells));
    EXPECT_TRUE(page.Fill(store, cells));

    SimLink di(DiscreteInputs());
    CZcEnergyPageModel counts;
    counts.SetView(kZcViewDiscrete);
    const int di1 = ZcEnergyBlockRegister(0, kZcViewDiscrete);
    const std::string refused =
        test::MessageOf([&] { counts.Commit(*di.client, store, 1, 1, "12.5"); });
    EXPECT_NE(refused, test::kNoException);
    EXPECT_TRUE(di.proxy.Writes().empty());
    EXPECT_FALSE(counts.SkipNextFill());
    ASSERT_TRUE(counts.Commit(*di.client, store, 1, 1, "125"));
    EXPECT_EQ(Pair(di.simulator, di1), 125u);
    EXPECT_EQ(store.Value(kIdxZcCounts), 125);
    // A write the device refuses reports the failure and leaves the store alone.
    di.simulator.Stop();
    EXPECT_NE(test::MessageOf([&] { counts.Commit(*di.client, store, 2, 1, "7"); }),
              test::kNoException);
    EXPECT_EQ(store.Value(kIdxZcCounts + kZcBlockSlots), 0);
}

}  // namespace
}  // namespace voltaro
