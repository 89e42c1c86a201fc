#pragma once
// The power management monitor's cycle without its widgets. Its read (identification,
// the module view's list and the device clock) runs on the background executor; each
// completion reaches the window, which asks this model what to do: fill the main page,
// show the clock, enable the extension tab and the buttons, re-queue the read, close
// (Cancel pressed: once the executor is idle) or hand over to the meter monitor (the
// device is not of the ZC series). While a sub-dialog is open the cycle is paused and a
// completion is ignored; closing the sub-dialog re-queues the read.
#include <string>

#include "core/app/monitor_status.h"
#include "core/model/device_type.h"
#include "core/monitor/measurand_store.h"

namespace voltaro {

class CModbusInterface;

// What one read produced (on the executor thread; handed to the window).
struct PmReadOutcome {
    bool failed = false;  // a communication error (the read's slots kept what they got)
    std::string error;    // its message (empty when the read was abandoned)
    CDeviceType deviceType;
    int view = 0;                   // the module view the read was made for
    uint16_t loopTestChannels = 0;  // bit c: channel c in loop-test mode (firmware 140 on)
};

// Runs one read of the monitor (or, with preset, of the preset dialog): the client's lock,
// open, identify, the view's list and the clock for a ZC device, and for the monitor of a
// device with the loop test also the channels' loop-test flags, close. Failures are
// caught and reported in the outcome.
PmReadOutcome RunPmRead(CModbusInterface& client, CMeasurandsKT2& store, int view,
                        bool preset = false);

// What the window does with a completion.
struct PmUpdate {
    bool ignored = false;          // paused: nothing is done and the read is not re-queued
    bool closeWhenIdle = false;    // stopping: wait until the executor is idle, then close
    bool handOver = false;         // not a ZC device: close with OK (meter monitor next)
    bool fillPage = false;         // update the ZC main page from the store
    bool updateControls = false;   // the fields below apply
    std::string clockText;         // text 1165: date, one space, time
    bool tabEnabled = false;       // tab control 1159
    bool selectFirstTab = false;   // the tab control was disabled while on tab 1
    bool loopTestEnabled = false;  // firmware 140 and later
    bool presetEnabled = false;    // firmware 130 and later
    std::string loopTestText;      // the highlighted loop-test line; empty: hidden
    bool requeue = false;
    // While recording: append the row of this read (of the view recorded), or an error row.
    bool recordRow = false;
    bool recordError = false;
};

class CPMMonitorModel {
  public:
    // A completion of the read. store is the window's store; tab the tab shown (0, 1).
    PmUpdate OnReadDone(const PmReadOutcome& outcome, const CMeasurandsKT2& store, int tab);

    // Tab change: the module view of tab (1 gives the discrete-input view when the device
    // type's fifth I/O word is 8). Returns the new view.
    int SelectTab(int tab);
    int View() const { return view_; }

    // Recording the reads of the view shown: the module tabs stay where they are meanwhile,
    // so that every row has the columns of the file's header.
    void SetRecording(bool recording);
    bool Recording() const { return recording_; }
    // Whether the module tabs take a choice: the device has an extension and no recording.
    bool TabsEnabled() const { return tabsAvailable_ && !recording_; }

    // A sub-dialog opens (the window hides itself) and closes again. Closing returns true
    // when the window re-queues the read (the cycle is neither stopping nor paused).
    void Pause() { paused_ = true; }
    bool Resume();
    bool Paused() const { return paused_; }
    // The window's close command: the window closes at the next completion.
    void Cancel() { stopping_ = true; }
    bool Stopping() const { return stopping_; }

    void OnTimer() { status_.OnTimer(); }
    StatusView Status() const { return status_.Status(); }
    uint32_t LedColor() const { return status_.LedColor(); }
    bool CommError() const { return status_.CommError(); }

    const CDeviceType& DeviceType() const { return deviceType_; }
    // Whether the device type has the loop test (firmware 140 and later).
    static bool HasLoopTest(const CDeviceType& type);
    // Whether the extension tab applies to a device type (16 inputs or discrete inputs).
    static bool ExtensionTabEnabled(const CDeviceType& type);
    // The module view of tab for a device type.
    static int ViewOfTab(int tab, const CDeviceType& type);
    // Text 1165 from the store's date and time slots.
    static std::string ClockText(const CMeasurandsKT2& store);

  private:
    CMonitorStatus status_;
    CDeviceType deviceType_;
    int view_ = 0;
    int tab_ = 0;
    bool paused_ = false;
    bool stopping_ = false;
    bool recording_ = false;
    int recordedView_ = 0;
    bool tabsAvailable_ = false;
};

}  // namespace voltaro
