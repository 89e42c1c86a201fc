// The meter monitor's cycle: the commands it posts for the views shown, what each completed
// command fills, errors, the Channel selector, blinking, and the hand-over of a ZC device.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/meter_monitor_model.h"
#include "core/monitor/monitor_registers.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/monitor_tools_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

CDeviceType Type(uint16_t id, uint16_t version, uint16_t extension, std::array<uint16_t, 5> io) {
    return CDeviceType(id, version, extension, io);
}

const CDeviceType kKt2 = Type(7811, 240, 0x0001, {1, 1, 2, 0, 0});
const CDeviceType kZb2 = Type(7851, 200, 0x0012, {0, 0, 0, 2, 0});

struct Cycle {
    CMeterMonitorModel model;
    CMeasurandsKT2 store;
    CDeviceType type = kKt2;
    std::vector<int> commands;

    void Start() { commands.push_back(model.Start().command); }
    CycleUpdate Done(bool failed = false) {
        CycleUpdate update = model.OnCommandDone(failed, type, store);
        if (!update.handOver) commands.push_back(update.next.command);
        return update;
    }
};

TEST(MeterMonitorCycle, PostsOnlyTheCommandsOfTheViewsShown) {
    Cycle c;
    c.model.SetTrendTab(kTabMin);
    c.model.SetEnergyTab(kEnergyTabCounter);
    c.Start();
    for (int i = 0; i < 6; ++i)
        c.Done();
    EXPECT_EQ(c.commands, (std::vector<int>{1, 4, 9, 7, 8, 10, 1}));

    Cycle d;  // Trend and the first tariff's second page
    d.model.SetEnergyTab(1);
    d.Start();
    for (int i = 0; i < 6; ++i)
        d.Done();
    EXPECT_EQ(d.commands, (std::vector<int>{1, 2, 5, 7, 8, 10, 1}));

    Cycle e;  // Max and the second tariff
    e.model.SetTrendTab(kTabMax);
    e.model.SetEnergyTab(3);
    e.Start();
    for (int i = 0; i < 6; ++i)
        e.Done();
    EXPECT_EQ(e.commands, (std::vector<int>{1, 3, 6, 7, 8, 10, 1}));
}

TEST(MeterMonitorCycle, EachStepFillsItsOwnPart) {
    Cycle c;
    c.model.SetEnergyTab(2);
    c.Start();
    EXPECT_TRUE(c.Done().fillDeviceInfo);
    EXPECT_TRUE(c.Done().fillMaxMin);
    const CycleUpdate energy = c.Done();
    EXPECT_TRUE(energy.fillEnergy);
    EXPECT_FALSE(energy.fillMaxMin);
    EXPECT_TRUE(c.Done().fillThd);
    EXPECT_TRUE(c.Done().fillHarmonics);
    const CycleUpdate outputs = c.Done();
    EXPECT_TRUE(outputs.fillAnalogOutputs);
    EXPECT_FALSE(outputs.fillDeviceInfo);
}

TEST(MeterMonitorCycle, TabSwitchedDuringAPassFillsAtTheNextMatchingStep) {
    Cycle c;
    c.Start();
    c.Done();                           // identity; command 2 (Trend) posted
    c.model.SetTrendTab(kTabMax);       // the user switches while command 2 runs
    EXPECT_FALSE(c.Done().fillMaxMin);  // Trend data for a Max page: left unchanged
    EXPECT_EQ(c.commands.back(), kCmdMaxima);
    EXPECT_TRUE(c.Done().fillMaxMin);
    c.model.SetTrendTab(kTabTrend);  // switched back after the max/min steps of this pass
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(c.Done().fillMaxMin);
    EXPECT_EQ(c.commands.back(), kCmdInstantaneous);
    EXPECT_TRUE(c.Done().fillMaxMin);
}

TEST(MeterMonitorCycle, FailedCommandKeepsTheStepAndRetriesIt) {
    Cycle c;
    c.Start();
    c.Done();
    const int step = c.model.Step();
    const CycleUpdate failed = c.Done(true);
    EXPECT_EQ(failed.next.command, kCmdInstantaneous);  // the same command again
    EXPECT_FALSE(failed.fillMaxMin);
    EXPECT_EQ(c.model.Step(), step);
    EXPECT_TRUE(c.model.CommError());
    EXPECT_EQ(c.model.Status().text, LoadString(kMsgMonitorCommunicationError));
    EXPECT_EQ(c.model.Status().textColor, c.model.BlinkOn() ? kColorWhite : kColorRed);
    c.Done(true);
    EXPECT_EQ(c.model.Step(), step);
    EXPECT_TRUE(c.Done().fillMaxMin);  // the first good read clears the error
    EXPECT_FALSE(c.model.CommError());
    EXPECT_EQ(c.model.Status().text, LoadString(kMsgCommunicating));
    EXPECT_EQ(c.model.Status().textColor, kColorBlue);
}

TEST(MeterMonitorCycle, ErrorBlinksStatusAndIndicatorOnTheTimer) {
    Cycle c;
    c.Start();
    c.Done(true);
    const bool blink = c.model.BlinkOn();
    c.model.OnTimer();
    EXPECT_NE(c.model.BlinkOn(), blink);
    // Blinking on: white text on red, red indicator; off: red text, dark indicator.
    if (!c.model.BlinkOn()) c.model.OnTimer();
    EXPECT_EQ(c.model.Status().textColor, kColorWhite);
    EXPECT_EQ(c.model.Status().backColor, kColorRed);
    EXPECT_EQ(c.model.LedColor(), kColorRed);
    c.model.OnTimer();
    EXPECT_EQ(c.model.Status().textColor, kColorRed);
    EXPECT_FALSE(c.model.Status().backColor.has_value());
    EXPECT_EQ(c.model.LedColor(), kColorLedOff);
}

TEST(MeterMonitorCycle, IndicatorAlternatesWithEachGoodCommand) {
    Cycle c;
    c.Start();
    c.Done();
    const uint32_t first = c.model.LedColor();
    c.Done();
    EXPECT_NE(c.model.LedColor(), first);
    EXPECT_TRUE(first == kColorLedOn || first == kColorLedOff);
    c.model.OnTimer();  // the timer blinks only errors
    c.Done();
    EXPECT_EQ(c.model.LedColor(), first);
}

TEST(MeterMonitorCycle, ChannelSelectorFollowsTheMeasuringInputs) {
    Cycle one;  // one input: disabled and back on the first entry
    one.Start();
    const CycleUpdate u1 = one.Done();
    ASSERT_TRUE(u1.channelEnabled.has_value());
    EXPECT_FALSE(*u1.channelEnabled);
    EXPECT_TRUE(u1.resetChannel);

    Cycle two;
    two.type = kZb2;
    two.store.ioConfig[kIoMeasuringInputs] = 2;
    two.Start();
    const CycleUpdate u2 = two.Done();
    EXPECT_TRUE(*u2.channelEnabled);
    EXPECT_FALSE(u2.resetChannel);
    EXPECT_FALSE(two.Done().channelEnabled.has_value());  // only step 0 decides
}

TEST(MeterMonitorCycle, ZcDeviceIsHandedOverWithoutAnotherCommand) {
    Cycle c;
    c.type = Type(7861, 200, 0x0002, {0, 0, 0, 8, 0});
    c.Start();
    const CycleUpdate update = c.Done();
    EXPECT_TRUE(update.handOver);
    EXPECT_FALSE(update.fillDeviceInfo);
    EXPECT_EQ(c.commands, std::vector<int>{kCmdIdentity});
}

TEST(MeterMonitorCycle, AnalogOutputStepDecidesFixedAoAndLoopTest) {
    Cycle c;
    c.type = Type(7812, 200, 0x0001, {1, 1, 2, 0, 0});
    c.store.fixedOutputStatus = 1;
    c.Start();
    for (int i = 0; i < 5; ++i)
        c.Done();
    EXPECT_FALSE(c.model.LoopTestVisible());
    EXPECT_TRUE(c.model.FixedAo().text.empty());
    EXPECT_TRUE(c.Done().fillAnalogOutputs);
    EXPECT_TRUE(c.model.LoopTestVisible());
    EXPECT_EQ(c.model.FixedAo().text, LoadString(kMsgFixedAo));
    const FixedAoView a = c.model.FixedAo();
    c.model.OnTimer();
    const FixedAoView b = c.model.FixedAo();
    EXPECT_NE(a.backColor.has_value(), b.backColor.has_value());  // blinks

    Cycle old;  // firmware 1.99 and a cleared status
    old.type = Type(7812, 199, 0x0001, {1, 1, 2, 0, 0});
    old.Start();
    for (int i = 0; i < 6; ++i)
        old.Done();
    EXPECT_FALSE(old.model.LoopTestVisible());
    EXPECT_TRUE(old.model.FixedAo().text.empty());
}

TEST(MeterMonitorCycle, ThdRowSelectsTheHarmonicSetOfTheNextSpectrum) {
    Cycle c;
    EXPECT_TRUE(c.model.SelectThdRow(8));
    EXPECT_FALSE(c.model.SelectThdRow(0));  // the heading row
    EXPECT_FALSE(c.model.SelectThdRow(11));
    EXPECT_EQ(c.model.HarmonicSet(), 7);
    c.Start();
    for (int i = 0; i < 3; ++i)
        c.Done();
    const CycleUpdate update = c.Done();
    EXPECT_EQ(update.next, (MonitorRequest{kCmdHarmonics, 7}));
    EXPECT_EQ(CMeterMonitorModel::InitialThdRow(-1), 1);
    EXPECT_EQ(CMeterMonitorModel::InitialThdRow(0), 1);
    EXPECT_EQ(CMeterMonitorModel::InitialThdRow(10), 10);
}

}  // namespace
}  // namespace voltaro

namespace voltaro {
namespace {

TEST(MeterMonitorCycle, LoopTestLineNamesTheInputsAndGoesWhenTheyMeasureAgain) {
    Cycle c;
    c.type = kZb2;
    c.Start();
    EXPECT_EQ(c.model.LoopTestText(), "");
    c.store.loopTestChannels = 0b10;  // the second input, not the one shown
    c.Done();
    EXPECT_EQ(c.model.LoopTestText(), FormatMessageId(kMsgLoopTestChannelsOn, {"2"}));
    for (int i = 0; i < 5; ++i)
        c.Done();  // up to the next identity step
    c.store.loopTestChannels = 0b11;
    c.Done();
    EXPECT_EQ(c.model.LoopTestText(), FormatMessageId(kMsgLoopTestChannelsOn, {"1, 2"}));
    for (int i = 0; i < 5; ++i)
        c.Done();
    c.store.loopTestChannels = 0;
    c.Done();
    EXPECT_EQ(c.model.LoopTestText(), "");
}

// The identity of a meter whose wiring system has phase vectors.
void WithVectors(CMeasurandsKT2& store) {
    store.deviceId = 7811;
    store.wiringSystem = 5;
    store.ratedCurrent = 5;
    store.ratedVoltage = 400;
}

TEST(MeterMonitorCycle, RecordingReadsEveryCommandOfAPassAndRowsFollowWholePasses) {
    Cycle c;
    c.model.SetTrendTab(kTabMin);
    c.model.SetEnergyTab(0);
    c.Start();
    c.Done();  // identity before recording started
    c.model.SetRecording(true);
    EXPECT_FALSE(c.model.ChannelEnabled());
    // The rest of this pass reads everything, but it began before recording: no row.
    for (int i = 0; i < 7; ++i)  // minima .. analogue outputs
        EXPECT_FALSE(c.Done().recordRow);
    ASSERT_EQ(c.commands.back(), kCmdIdentity);
    c.commands.clear();
    c.commands.push_back(kCmdIdentity);
    int rows = 0;
    for (int i = 0; i < 10; ++i)
        rows += c.Done().recordRow ? 1 : 0;
    // What a command-line pass reads (1 .. 7, 9, 10), with the THD spectrum of the window.
    EXPECT_EQ(c.commands, (std::vector<int>{1, 2, 3, 4, 5, 6, 9, 7, 8, 10, 1}));
    EXPECT_EQ(rows, 1);

    // A failure gives an error row and no measured row; the retried pass still ends in one.
    c.Done();
    const CycleUpdate failed = c.Done(true);
    EXPECT_TRUE(failed.recordError);
    EXPECT_FALSE(failed.recordRow);
    rows = 0;
    for (int i = 0; i < 9; ++i)
        rows += c.Done().recordRow ? 1 : 0;
    EXPECT_EQ(rows, 1);

    // Stopped: the views' commands only, no rows, and the failure is no row either.
    c.model.SetRecording(false);
    c.commands.clear();
    c.commands.push_back(kCmdIdentity);
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(c.Done().recordRow);
    EXPECT_EQ(c.commands, (std::vector<int>{1, 4, 5, 7, 8, 10, 1}));
    EXPECT_FALSE(c.Done(true).recordError);
}

TEST(MeterMonitorCycle, RecordingHoldsTheChannelOfATwoInputDevice) {
    Cycle c;
    c.type = kZb2;
    c.store.ioConfig[kIoMeasuringInputs] = 2;
    c.Start();
    EXPECT_EQ(c.Done().channelEnabled, true);
    EXPECT_TRUE(c.model.ChannelEnabled());
    c.model.SetRecording(true);
    EXPECT_FALSE(c.model.ChannelEnabled());
    for (int i = 0; i < 9; ++i)
        c.Done();
    EXPECT_EQ(c.Done().channelEnabled, false);  // the next identity keeps it held
    c.model.SetRecording(false);
    EXPECT_TRUE(c.model.ChannelEnabled());
}

TEST(MeterMonitorCycle, DeviceWithVectorsReadsInstantaneousValuesForTheWiringCheck) {
    Cycle c;
    WithVectors(c.store);
    c.model.SetTrendTab(kTabMin);
    c.model.SetEnergyTab(kEnergyTabCounter);
    EXPECT_EQ(c.model.WiringPanel().summary, LoadString(kTextWiringPending));
    c.Start();
    EXPECT_FALSE(c.Done().wiringChanged);  // the identity alone: the check waits
    EXPECT_EQ(c.commands.back(), kCmdInstantaneous);
    const CycleUpdate checked = c.Done();
    EXPECT_TRUE(checked.wiringChanged);
    EXPECT_FALSE(checked.fillMaxMin);  // read for the check, not shown on the Min page
    EXPECT_EQ(c.commands.back(), kCmdMinima);
    WiringPanelView view = c.model.WiringPanel();
    const WiringReport report = CheckWiring(c.store);
    EXPECT_EQ(view.summary, WiringSummaryText(report));
    EXPECT_EQ(view.sequence, PhaseSequenceText(report));
    EXPECT_EQ(view.findings.size(), report.findings.size());
    EXPECT_TRUE(view.staleText.empty());

    // A communication error leaves the findings shown but no longer current ...
    const CycleUpdate failed = c.Done(true);
    EXPECT_TRUE(failed.wiringChanged);
    view = c.model.WiringPanel();
    EXPECT_EQ(view.staleText, LoadString(kTextWiringStale));
    EXPECT_EQ(view.textColor, kColorStale);
    EXPECT_FALSE(c.Done(true).wiringChanged);  // already stale
    // ... until the next pass checks again.
    for (int i = 0; i < 5; ++i)
        c.Done();
    EXPECT_EQ(c.commands.back(), kCmdIdentity);
    c.Done();
    EXPECT_TRUE(c.Done().wiringChanged);
    EXPECT_TRUE(c.model.WiringPanel().staleText.empty());
}

TEST(MeterMonitorCycle, WiringWithoutVectorsIsNotAvailableAndKeepsTheCycle) {
    Cycle c;  // single-phase 2-wire
    c.store.deviceId = 7811;
    c.store.ratedCurrent = 5;
    c.store.ratedVoltage = 230;
    c.model.SetTrendTab(kTabMax);
    c.Start();
    EXPECT_TRUE(c.Done().wiringChanged);
    EXPECT_EQ(c.commands.back(), kCmdMaxima);  // no read for a check that cannot be made
    const WiringPanelView view = c.model.WiringPanel();
    EXPECT_EQ(view.summary, WiringSummaryText(CheckWiring(c.store)));
    EXPECT_FALSE(view.good);
    EXPECT_TRUE(view.findings.empty());
}

}  // namespace
}  // namespace voltaro

namespace voltaro {
namespace {

TEST(MeterMonitorCycle, ChartPageKeepsThePresentValuesComingWhateverTabShows) {
    Cycle c;
    c.model.SetTrendTab(kTabMax);
    c.model.SetChartShown(true);
    c.Start();
    std::vector<CycleUpdate> updates;
    for (int i = 0; i < 7; ++i)
        updates.push_back(c.Done());
    EXPECT_EQ(c.commands, (std::vector<int>{1, 2, 3, 5, 7, 8, 10, 1}));
    // The present values go to the chart only; the page shows the maxima.
    EXPECT_TRUE(updates[1].trendValues);
    EXPECT_FALSE(updates[1].fillMaxMin);
    EXPECT_TRUE(updates[2].fillMaxMin);
    EXPECT_FALSE(updates[2].trendValues);
    EXPECT_TRUE(updates[4].trendThd);
    EXPECT_EQ(std::count_if(updates.begin(), updates.end(),
                            [](auto& u) { return u.trendValues || u.trendThd; }),
              2);
    // A failed read gives the chart nothing.
    c.model.SetChartShown(false);
    EXPECT_FALSE(c.Done().trendValues);  // identity
    EXPECT_FALSE(c.Done(true).trendValues);
    EXPECT_EQ(c.commands.back(), 3);  // the chart is hidden: Max only
}

}  // namespace
}  // namespace voltaro
