#include "core/app/pm_monitor_model.h"

#include "core/comm/modbus_interface.h"
#include "core/device/loop_test_zc.h"
#include "core/monitor/measurand_format.h"
#include "core/monitor/monitor_commands.h"
#include "core/monitor/zc_reads.h"
#include "core/platform/cancelled.h"
#include "core/platform/private_exception.h"
#include "core/work/sync_objects.h"

namespace voltaro {
namespace {

constexpr uint16_t kLoopTestFirmware = 140;
constexpr uint16_t kPresetFirmware = 130;

}  // namespace

PmReadOutcome RunPmRead(CModbusInterface& client, CMeasurandsKT2& store, int view, bool preset) {
    PmReadOutcome outcome;
    outcome.view = view;
    CAccessRight access(client);
    try {
        client.Open();
        outcome.deviceType = preset ? ReadZcPresetValues(client, store, view)
                                    : ReadZcMonitorValues(client, store, view);
        // Test values look like measured ones: the monitor names the channels that report
        // them, so that nobody forgets a channel in loop-test mode.
        if (!preset && IsZcDevice(outcome.deviceType) &&
            CPMMonitorModel::HasLoopTest(outcome.deviceType))
            outcome.loopTestChannels =
                ReadZcLoopFlags(client, outcome.deviceType.ioConfig[kIoMeasuringInputs]);
    } catch (const CPrivateException& e) {
        outcome.failed = true;
        outcome.error = e.Message();
    } catch (const CCancelled&) {
        outcome.failed = true;
    }
    client.Close();
    return outcome;
}

bool CPMMonitorModel::HasLoopTest(const CDeviceType& type) {
    return type.version >= kLoopTestFirmware;
}

bool CPMMonitorModel::ExtensionTabEnabled(const CDeviceType& type) {
    return ZcExtensionView(type) >= 0;
}

int CPMMonitorModel::ViewOfTab(int tab, const CDeviceType& type) {
    if (tab != 1) return kZcViewBasic;
    return ZcExtensionView(type) == kZcViewDiscrete ? kZcViewDiscrete : kZcViewExtension;
}

std::string CPMMonitorModel::ClockText(const CMeasurandsKT2& store) {
    return FormatMeasurand(store, kIdxDeviceDate) + " " + FormatMeasurand(store, kIdxDeviceTime);
}

PmUpdate CPMMonitorModel::OnReadDone(const PmReadOutcome& outcome, const CMeasurandsKT2& store,
                                     int tab) {
    PmUpdate update;
    if (paused_) {
        update.ignored = true;
        return update;
    }
    if (stopping_) {
        update.closeWhenIdle = true;
        return update;
    }
    tab_ = tab;
    if (outcome.failed) {
        status_.OnFailure();
        update.recordError = recording_;
        update.requeue = true;
        return update;
    }
    status_.OnSuccess();
    deviceType_ = outcome.deviceType;
    if (!IsZcDevice(deviceType_)) {
        update.handOver = true;
        return update;
    }
    // A read made for a view that the user has since left shows nothing.
    update.fillPage = outcome.view == view_;
    update.updateControls = true;
    update.clockText = ClockText(store);
    tabsAvailable_ = ExtensionTabEnabled(deviceType_);
    update.tabEnabled = TabsEnabled();
    update.recordRow = recording_ && outcome.view == recordedView_;
    if (!tabsAvailable_ && tab_ == 1) {
        update.selectFirstTab = true;
        tab_ = 0;
        view_ = kZcViewBasic;
        update.fillPage = false;
    }
    update.loopTestEnabled = HasLoopTest(deviceType_);
    update.loopTestText = LoopTestChannelsText(outcome.loopTestChannels);
    update.presetEnabled = deviceType_.version >= kPresetFirmware;
    update.requeue = true;
    return update;
}

int CPMMonitorModel::SelectTab(int tab) {
    tab_ = tab;
    view_ = ViewOfTab(tab, deviceType_);
    return view_;
}

void CPMMonitorModel::SetRecording(bool recording) {
    recording_ = recording;
    recordedView_ = view_;
}

bool CPMMonitorModel::Resume() {
    paused_ = false;
    return !stopping_;
}

}  // namespace voltaro
