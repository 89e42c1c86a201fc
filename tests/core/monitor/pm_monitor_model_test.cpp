// The power management monitor's cycle and the channel detail's alternation: pausing while
// a sub-dialog is open, stopping and closing once idle, the hand-over of a device that is
// not of the ZC series, the extension tab, the buttons by firmware, and the status text.
#include <gtest/gtest.h>

#include "core/app/pm_detail_model.h"
#include "core/app/pm_monitor_model.h"
#include "core/monitor/zc_registers.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

CDeviceType Zc(uint16_t version, std::array<uint16_t, 5> io) {
    return CDeviceType(7861, version, 0x0002, io);
}
const CDeviceType kZc8 = Zc(150, {0, 0, 0, 8, 0});
const CDeviceType kZc16 = Zc(150, {0, 0, 0, 16, 0});
const CDeviceType kZcDi = Zc(150, {8, 8, 0, 8, 8});

PmReadOutcome Read(const CDeviceType& type, int view = 0, bool failed = false) {
    PmReadOutcome outcome;
    outcome.deviceType = type;
    outcome.view = view;
    outcome.failed = failed;
    return outcome;
}

TEST(PmMonitorCycle, PausedIgnoresCompletionsAndResumeRequeues) {
    CPMMonitorModel model;
    CMeasurandsKT2 store;
    EXPECT_TRUE(model.OnReadDone(Read(kZc8), store, 0).requeue);
    model.Pause();
    const PmUpdate ignored = model.OnReadDone(Read(kZc8), store, 0);
    EXPECT_TRUE(ignored.ignored);
    EXPECT_FALSE(ignored.requeue);
    EXPECT_FALSE(ignored.fillPage);
    EXPECT_TRUE(model.Resume());  // the window re-queues the read itself
    EXPECT_TRUE(model.OnReadDone(Read(kZc8), store, 0).fillPage);
}

TEST(PmMonitorCycle, CancelClosesAtTheNextCompletionOnceIdle) {
    CPMMonitorModel model;
    CMeasurandsKT2 store;
    model.Cancel();
    const PmUpdate update = model.OnReadDone(Read(kZc8), store, 0);
    EXPECT_TRUE(update.closeWhenIdle);
    EXPECT_FALSE(update.requeue);
    EXPECT_FALSE(update.fillPage);
    // Cancelled while a sub-dialog was open: closing the dialog does not re-queue.
    CPMMonitorModel paused;
    paused.Pause();
    paused.Cancel();
    EXPECT_FALSE(paused.Resume());
}

TEST(PmMonitorCycle, HandsOverADeviceThatIsNotOfTheSeries) {
    CPMMonitorModel model;
    CMeasurandsKT2 store;
    const PmUpdate update =
        model.OnReadDone(Read(CDeviceType(7811, 240, 1, {1, 1, 2, 0, 0})), store, 0);
    EXPECT_TRUE(update.handOver);
    EXPECT_FALSE(update.requeue);
    EXPECT_FALSE(update.fillPage);
    // A failed read is no reason to hand over: the error shows and the read repeats.
    CPMMonitorModel failing;
    const PmUpdate failed = failing.OnReadDone(Read(CDeviceType(), 0, true), store, 0);
    EXPECT_FALSE(failed.handOver);
    EXPECT_TRUE(failed.requeue);
    EXPECT_FALSE(failed.updateControls);
    EXPECT_EQ(failing.Status().text, LoadString(kMsgMonitorCommunicationError));
    EXPECT_EQ(failing.Status().textColor, kColorRed);
    failing.OnTimer();
    EXPECT_EQ(failing.Status().backColor, kColorRed);
    EXPECT_EQ(failing.LedColor(), kColorRed);
    failing.OnReadDone(Read(kZc8), store, 0);
    EXPECT_EQ(failing.Status().text, LoadString(kMsgCommunicating));
    EXPECT_FALSE(failing.CommError());
}

TEST(PmMonitorCycle, ExtensionTabAndViews) {
    CMeasurandsKT2 store;
    CPMMonitorModel model;
    // Eight inputs: the extension tab stays disabled and a stale tab 1 goes back to 0.
    PmUpdate update = model.OnReadDone(Read(kZc8), store, 1);
    EXPECT_FALSE(update.tabEnabled);
    EXPECT_TRUE(update.selectFirstTab);
    EXPECT_EQ(model.View(), kZcViewBasic);
    // Sixteen inputs: tab 1 is the extension module's channels.
    update = model.OnReadDone(Read(kZc16), store, 0);
    EXPECT_TRUE(update.tabEnabled);
    EXPECT_EQ(model.SelectTab(1), kZcViewExtension);
    // A read made for the old view fills nothing; the next one for the new view does.
    EXPECT_FALSE(model.OnReadDone(Read(kZc16, kZcViewBasic), store, 1).fillPage);
    EXPECT_TRUE(model.OnReadDone(Read(kZc16, kZcViewExtension), store, 1).fillPage);
    // The discrete-input module gives view 2 on tab 1.
    model.OnReadDone(Read(kZcDi), store, 0);
    EXPECT_EQ(model.SelectTab(1), kZcViewDiscrete);
    EXPECT_EQ(model.SelectTab(0), kZcViewBasic);
}

TEST(PmMonitorCycle, ButtonsByFirmwareAndClockText) {
    CMeasurandsKT2 store;
    store.SetValue(kIdxDeviceDate, 0x07142612);  // registers 0x2612, 0x0714
    store.SetValue(kIdxDeviceTime, 0x3059);      // 30:59
    CPMMonitorModel model;
    PmUpdate update = model.OnReadDone(Read(Zc(129, {0, 0, 0, 8, 0})), store, 0);
    EXPECT_FALSE(update.presetEnabled);
    EXPECT_FALSE(update.loopTestEnabled);
    update = model.OnReadDone(Read(Zc(130, {0, 0, 0, 8, 0})), store, 0);
    EXPECT_TRUE(update.presetEnabled);
    EXPECT_FALSE(update.loopTestEnabled);
    update = model.OnReadDone(Read(Zc(140, {0, 0, 0, 8, 0})), store, 0);
    EXPECT_TRUE(update.loopTestEnabled);
    EXPECT_EQ(update.clockText, "2026/12/07 14:30:59");
}

TEST(PmMonitorCycle, LoopTestLineNamesTheChannelsInLoopTestMode) {
    CMeasurandsKT2 store;
    CPMMonitorModel model;
    PmReadOutcome outcome = Read(kZc16);
    EXPECT_EQ(model.OnReadDone(outcome, store, 0).loopTestText, "");
    outcome.loopTestChannels = 1 << 0 | 1 << 2 | 1 << 15;
    EXPECT_EQ(model.OnReadDone(outcome, store, 0).loopTestText,
              FormatMessageId(kMsgLoopTestChannelsOn, {"1, 3, 16"}));
    // A failed read keeps the line as it was (nothing to update).
    EXPECT_FALSE(model.OnReadDone(Read(kZc16, 0, true), store, 0).updateControls);
    outcome.loopTestChannels = 0;
    EXPECT_EQ(model.OnReadDone(outcome, store, 0).loopTestText, "");
}

TEST(PmDetailCycle, AlternatesValueAndThdReads) {
    CPMDetailModel model(5);
    DetailRead read = model.Start();
    EXPECT_EQ(read, (DetailRead{false, kZcDetailTrend, 0}));
    DetailUpdate update = model.OnReadDone(read, true);
    EXPECT_TRUE(update.fillMaxMin);
    EXPECT_TRUE(update.next.thd);
    // The user picks the Max tab and harmonic set 6 while the THD read runs.
    model.SelectTab(kZcDetailMax);
    ASSERT_TRUE(model.SelectThdRow(7));
    EXPECT_FALSE(model.SelectThdRow(11));
    update = model.OnReadDone(update.next, true);
    EXPECT_TRUE(update.fillThd);
    EXPECT_FALSE(update.fillHarmonics);  // set 0 was read, set 6 is wanted
    EXPECT_EQ(update.next, (DetailRead{false, kZcDetailMax, 6}));
    // A failed read fills nothing and the alternation goes on.
    update = model.OnReadDone(update.next, false);
    EXPECT_FALSE(update.fillMaxMin);
    EXPECT_TRUE(update.next.thd);
    EXPECT_EQ(update.next.harmonicSet, 6);
    EXPECT_EQ(model.Status().text, LoadString(kMsgMonitorCommunicationError));
    update = model.OnReadDone(update.next, true);
    EXPECT_TRUE(update.fillHarmonics);
    model.Cancel();
    update = model.OnReadDone(update.next, true);
    EXPECT_TRUE(update.closeWhenIdle);
    EXPECT_FALSE(update.fillMaxMin);
}

TEST(PmMonitorCycle, RecordingHoldsTheModuleTabAndRowsFollowTheRecordedView) {
    CPMMonitorModel model;
    CMeasurandsKT2 store;
    EXPECT_TRUE(model.OnReadDone(Read(kZc16), store, 0).tabEnabled);
    model.SelectTab(1);
    model.SetRecording(true);
    EXPECT_FALSE(model.TabsEnabled());
    // A read of the view shown before the switch gives no row of the extension's columns.
    const PmUpdate old = model.OnReadDone(Read(kZc16, kZcViewBasic), store, 1);
    EXPECT_FALSE(old.recordRow);
    EXPECT_FALSE(old.tabEnabled);
    EXPECT_FALSE(old.selectFirstTab);  // held where it is, not sent back to the first tab
    EXPECT_TRUE(model.OnReadDone(Read(kZc16, kZcViewExtension), store, 1).recordRow);
    PmReadOutcome failed = Read(kZc16, kZcViewExtension, true);
    failed.error = "No answer";
    const PmUpdate error = model.OnReadDone(failed, store, 1);
    EXPECT_TRUE(error.recordError);
    EXPECT_FALSE(error.recordRow);
    // A paused cycle (a sub-dialog open) records nothing.
    model.Pause();
    EXPECT_FALSE(model.OnReadDone(Read(kZc16, kZcViewExtension), store, 1).recordRow);
    model.Resume();
    model.SetRecording(false);
    EXPECT_TRUE(model.TabsEnabled());
    const PmUpdate stopped = model.OnReadDone(Read(kZc16, kZcViewExtension), store, 1);
    EXPECT_FALSE(stopped.recordRow);
    EXPECT_TRUE(stopped.tabEnabled);
    EXPECT_FALSE(model.OnReadDone(Read(kZc16, kZcViewExtension, true), store, 1).recordError);
}

}  // namespace
}  // namespace voltaro

namespace voltaro {
namespace {

TEST(PmDetailCycle, ChartPageAlternatesPresentValuesWithTheTabShown) {
    CPMDetailModel model(2);
    model.SelectTab(kZcDetailMax);
    model.SetChartShown(true);
    DetailRead read = {true, kZcDetailTrend, 0};
    std::vector<int> views;
    int samples = 0, thdSamples = 0;
    for (int i = 0; i < 8; ++i) {
        const DetailUpdate update = model.OnReadDone(read, true);
        if (!read.thd) views.push_back(read.view);
        samples += update.trendValues;
        thdSamples += update.trendThd;
        read = update.next;
    }
    EXPECT_EQ(views,
              (std::vector<int>{kZcDetailMax, kZcDetailTrend, kZcDetailMax, kZcDetailTrend}));
    EXPECT_EQ(samples, 2);
    EXPECT_EQ(thdSamples, 4);
    // Hidden again: only the tab's values are read; a failed read samples nothing.
    model.SetChartShown(false);
    for (int i = 0; i < 4; ++i) {
        const DetailUpdate update = model.OnReadDone(read, false);
        EXPECT_FALSE(update.trendValues || update.trendThd);
        if (!update.next.thd) {
            EXPECT_EQ(update.next.view, kZcDetailMax);
        }
        read = update.next;
    }
}

}  // namespace
}  // namespace voltaro
