#pragma once
// The meter monitor's cycle without its widgets: which command to post next (steps 0 to 9,
// skipping the views that are not shown), which part of the window a completed command
// fills, the Channel selector's state, the status text with its colours and blinking, the
// indicator colour, the THD grid's selection of the harmonic set, and the hand-over of a
// ZC device to the power management monitor. The window copies what it is told into its
// widgets and posts the commands to its CBackThread.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/app/monitor_status.h"
#include "core/app/wiring_check.h"
#include "core/model/device_type.h"
#include "core/monitor/measurand_store.h"

namespace voltaro {

// Tabs of tab control 1001 and 1002.
enum TrendTab : int { kTabTrend = 0, kTabMax = 1, kTabMin = 2 };
constexpr int kTrendTabCount = 3;
constexpr int kEnergyTabCount = 5;
constexpr int kEnergyTabCounter = 4;

struct MonitorRequest {
    int command = 0;
    int argument = 0;
    bool operator==(const MonitorRequest&) const = default;
};

// What the window does after a command completed.
struct CycleUpdate {
    // A ZC device: end the window with OK (the main window then shows the power
    // management monitor); nothing else applies and no command is posted.
    bool handOver = false;
    // Parts to fill from the store (only when the command succeeded).
    bool fillDeviceInfo = false;     // device-information grid and vector chart (step 0)
    bool fillMaxMin = false;         // max/min page; enable tab control 1001
    bool fillEnergy = false;         // energy page; enable tab control 1002
    bool fillThd = false;            // THD grid
    bool fillHarmonics = false;      // copy the selected set into the harmonics graph
    bool fillAnalogOutputs = false;  // analogue-output grid, text 1185, button 1186
    // The trend chart takes a sample of the present values or of the THD values.
    bool trendValues = false;
    bool trendThd = false;
    // Step 0 only: the Channel selector. When resetChannel, select its first entry and
    // give the thread channel 0.
    std::optional<bool> channelEnabled;
    bool resetChannel = false;
    // The wiring findings (WiringPanel) changed: checked anew, or no longer current.
    bool wiringChanged = false;
    // While recording: append the row of the pass that this command completed (every
    // command of a command-line pass was read since its identity), or an error row.
    bool recordRow = false;
    bool recordError = false;
    // The command to post next.
    MonitorRequest next;
};

// What the panel beside the vector chart shows of the wiring check.
struct WiringFindingView {
    std::string title;
    std::string evidence;
    std::string hint;
};
constexpr uint32_t kColorWiringGood = 0x008000;  // green (0x00BBGGRR, as the status colours)
constexpr uint32_t kColorStale = 0x808080;       // grey
struct WiringPanelView {
    std::string summary;  // WiringSummaryText, or the wait for the first check
    bool good = false;    // "Wiring looks right"
    // Of the summary, sequence and findings: green when good, grey when stale.
    uint32_t textColor = kColorBlack;
    std::string sequence;   // PhaseSequenceText
    std::string staleText;  // not empty: the findings are not current (communication error)
    std::vector<WiringFindingView> findings;
};

// How text 1185 ("Fixed AO") is drawn: empty text draws nothing.
struct FixedAoView {
    std::string text;
    uint32_t textColor = kColorWhite;
    std::optional<uint32_t> backColor;
};

class CMeterMonitorModel {
  public:
    // Starting: step 0, no error; the first command is kCmdIdentity.
    MonitorRequest Start();

    // A command completed. lastFailed is the thread's flag; type the device type the
    // thread identified; store the window's store.
    CycleUpdate OnCommandDone(bool lastFailed, const CDeviceType& type,
                              const CMeasurandsKT2& store);

    // The window's 500 ms timer: blinks the error state and the fixed-output text.
    void OnTimer();

    // Views shown (tab 1001: TrendTab; tab 1002: 0 .. 4). A switch takes effect at the next
    // step that reads the view.
    void SetTrendTab(int tab) { trendTab_ = tab; }
    void SetEnergyTab(int tab) { energyTab_ = tab; }
    int TrendTabShown() const { return trendTab_; }
    // Recording: every step reads its command whatever the views shown, so that each pass
    // reads what a command-line pass reads, and the Channel selector stays where it is.
    void SetRecording(bool recording);
    bool Recording() const { return recording_; }
    // Whether the Channel selector takes a choice (two measuring inputs, not recording).
    bool ChannelEnabled() const { return channelAvailable_ && !recording_; }

    // The wiring check of the last pass that read the identity and then, when the device
    // has phase vectors, the instantaneous values: the vector chart shows throughout, so
    // every pass reads command 2 for it on such a device. A communication error since
    // makes the findings stale until the next check.
    WiringPanelView WiringPanel() const;

    // While the trend chart shows, the present values are read every cycle whatever tab
    // the max/min page shows (the THD values always are).
    void SetChartShown(bool shown) { chartShown_ = shown; }
    bool ChartShown() const { return chartShown_; }
    int EnergyTabShown() const { return energyTab_; }

    // The THD grid: a row activated by the user selects harmonic set row - 1 (rows 1 .. 10;
    // other rows change nothing). Returns whether the set changed hands to the graph
    // (which then waits for data).
    bool SelectThdRow(int row);
    int HarmonicSet() const { return harmonicSet_; }
    // The THD grid's current row brought into 1 .. 10 at start (1 when unset).
    static int InitialThdRow(int currentRow);

    // Status text and indicator.
    StatusView Status() const { return status_.Status(); }
    // The indicator colour; while commError, also set by painting the status text.
    uint32_t LedColor() const { return status_.LedColor(); }
    FixedAoView FixedAo() const;
    // The highlighted line shown while the device is in loop-test mode (the analogue
    // output test, or the ZB inputs reporting test values); empty otherwise. Leaving a
    // loop-test dialog does not end the mode, so the monitor keeps saying it.
    std::string LoopTestText() const;
    // Whether the "Loop Test" button is shown (device 7812, firmware above 199).
    bool LoopTestVisible() const { return loopTestVisible_; }

    int Step() const { return step_; }
    bool CommError() const { return status_.CommError(); }
    bool BlinkOn() const { return status_.BlinkOn(); }

  private:
    // The command of the current step, advancing past steps whose view is hidden.
    MonitorRequest NextRequest();
    // A check was made: the findings are current. Returns true (the panel changed).
    bool SetWiringChecked();

    int step_ = 0;
    CMonitorStatus status_;
    bool fixedAo_ = false;
    uint16_t loopTestChannels_ = 0;
    bool fixedBlink_ = false;
    bool loopTestVisible_ = false;
    int trendTab_ = kTabTrend;
    bool chartShown_ = false;
    int energyTab_ = 0;
    int harmonicSet_ = 0;
    bool recording_ = false;
    bool passFromStart_ = false;  // recording since this pass's identity
    bool channelAvailable_ = false;
    bool vectorsAvailable_ = false;
    bool wiringChecked_ = false;
    bool wiringStale_ = false;
    WiringReport wiring_;
};

}  // namespace voltaro
