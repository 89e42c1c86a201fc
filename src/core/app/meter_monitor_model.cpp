#include "core/app/meter_monitor_model.h"

#include <utility>

#include "core/monitor/monitor_commands.h"
#include "core/monitor/monitor_registers.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/monitor_tools_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

constexpr int kStepCount = 10;
constexpr int kStepIdentity = 0;
constexpr int kStepMaxMinFirst = 1;  // 1 .. 3: Trend, Max, Min
constexpr int kStepEnergyFirst = 4;  // 4 .. 6: first tariff, second tariff, counters
constexpr int kStepCounters = 6;
constexpr int kStepThd = 7;
constexpr int kStepHarmonics = 8;
constexpr int kStepAnalogOutputs = 9;
constexpr uint16_t kLoopTestDevice = 7812;
constexpr uint16_t kLoopTestFirmwareAbove = 199;

}  // namespace

MonitorRequest CMeterMonitorModel::Start() {
    step_ = kStepIdentity;
    status_ = CMonitorStatus();
    return {kCmdIdentity, 0};
}

MonitorRequest CMeterMonitorModel::NextRequest() {
    for (;;) {
        switch (step_) {
            case kStepIdentity:
                return {kCmdIdentity, 0};
            case kStepMaxMinFirst:
            case kStepMaxMinFirst + 1:
            case kStepMaxMinFirst + 2:
                if (recording_ || trendTab_ == step_ - kStepMaxMinFirst ||
                    (step_ == kStepMaxMinFirst && (vectorsAvailable_ || chartShown_)))
                    return {kCmdInstantaneous + step_ - kStepMaxMinFirst, 0};
                break;
            case kStepEnergyFirst:
                if (recording_ || energyTab_ == 0 || energyTab_ == 1) return {kCmdEnergy1, 0};
                break;
            case kStepEnergyFirst + 1:
                if (recording_ || energyTab_ == 2 || energyTab_ == 3) return {kCmdEnergy2, 0};
                break;
            case kStepCounters:
                if (recording_ || energyTab_ == kEnergyTabCounter) return {kCmdCounters, 0};
                step_ = kStepThd;
                return {kCmdThd, 0};
            case kStepThd:
                return {kCmdThd, 0};
            case kStepHarmonics:
                return {kCmdHarmonics, harmonicSet_};
            case kStepAnalogOutputs:
            default:
                return {kCmdAnalogOutputs, 0};
        }
        ++step_;
    }
}

CycleUpdate CMeterMonitorModel::OnCommandDone(bool lastFailed, const CDeviceType& type,
                                              const CMeasurandsKT2& store) {
    CycleUpdate update;
    if (lastFailed) {
        status_.OnFailure();
        update.recordError = recording_;
        if (wiringChecked_ && !wiringStale_) {
            wiringStale_ = true;
            update.wiringChanged = true;
        }
        update.next = NextRequest();
        return update;
    }
    if (IsZcDevice(type)) {
        update.handOver = true;
        return update;
    }
    switch (step_) {
        case kStepIdentity:
            update.fillDeviceInfo = true;
            loopTestChannels_ = store.loopTestChannels;
            update.channelEnabled = store.ioConfig[kIoMeasuringInputs] == 2;
            if (type.ioConfig[kIoMeasuringInputs] < 2) {
                update.channelEnabled = false;
                update.resetChannel = true;
            }
            channelAvailable_ = *update.channelEnabled;
            update.channelEnabled = ChannelEnabled();
            passFromStart_ = recording_;
            // Whether the check applies depends on the identity alone; when it does not,
            // its answer is final for this pass.
            if (WiringReport report = CheckWiring(store); report.available) {
                vectorsAvailable_ = true;
            } else {
                vectorsAvailable_ = false;
                wiring_ = std::move(report);
                update.wiringChanged = SetWiringChecked();
            }
            break;
        case kStepMaxMinFirst:
        case kStepMaxMinFirst + 1:
        case kStepMaxMinFirst + 2:
            update.fillMaxMin = step_ == trendTab_ + kStepMaxMinFirst;
            if (step_ == kStepMaxMinFirst && vectorsAvailable_) {
                wiring_ = CheckWiring(store);
                update.wiringChanged = SetWiringChecked();
            }
            update.trendValues = step_ == kStepMaxMinFirst;
            break;
        case kStepEnergyFirst:
        case kStepEnergyFirst + 1:
        case kStepCounters:
            update.fillEnergy = step_ == energyTab_ / 2 + kStepEnergyFirst ||
                                (step_ == kStepCounters && energyTab_ == kEnergyTabCounter);
            break;
        case kStepThd:
            update.fillThd = true;
            update.trendThd = true;
            break;
        case kStepHarmonics:
            update.fillHarmonics = true;
            break;
        case kStepAnalogOutputs:
        default:
            update.fillAnalogOutputs = true;
            fixedAo_ = store.fixedOutputStatus != 0;
            loopTestVisible_ =
                type.deviceId == kLoopTestDevice && type.version > kLoopTestFirmwareAbove;
            update.recordRow = recording_ && passFromStart_;
            break;
    }
    status_.OnSuccess();
    step_ = (step_ + 1) % kStepCount;
    update.next = NextRequest();
    return update;
}

bool CMeterMonitorModel::SetWiringChecked() {
    wiringChecked_ = true;
    wiringStale_ = false;
    return true;
}

void CMeterMonitorModel::SetRecording(bool recording) {
    recording_ = recording;
    // The first row comes from the first pass read whole while recording.
    passFromStart_ = false;
}

WiringPanelView CMeterMonitorModel::WiringPanel() const {
    WiringPanelView view;
    if (!wiringChecked_) {
        view.summary = LoadString(kTextWiringPending);
        return view;
    }
    view.summary = WiringSummaryText(wiring_);
    view.good = wiring_.available && wiring_.currentsJudged && wiring_.findings.empty();
    view.sequence = PhaseSequenceText(wiring_);
    if (view.good) view.textColor = kColorWiringGood;
    if (wiringStale_) {
        view.staleText = LoadString(kTextWiringStale);
        view.textColor = kColorStale;
    }
    for (const WiringFinding& finding : wiring_.findings)
        view.findings.push_back({finding.title, finding.evidence, finding.hint});
    return view;
}

void CMeterMonitorModel::OnTimer() {
    status_.OnTimer();
    fixedBlink_ = !fixedBlink_;
}

bool CMeterMonitorModel::SelectThdRow(int row) {
    if (row < 1 || row > kHarmonicSetCount) return false;
    harmonicSet_ = row - 1;
    return true;
}

int CMeterMonitorModel::InitialThdRow(int currentRow) {
    return currentRow >= 1 && currentRow <= kHarmonicSetCount ? currentRow : 1;
}

std::string CMeterMonitorModel::LoopTestText() const {
    if (fixedAo_) return LoadString(kMsgLoopTestAoOn);
    return LoopTestChannelsText(loopTestChannels_);
}

FixedAoView CMeterMonitorModel::FixedAo() const {
    FixedAoView view;
    if (!fixedAo_) return view;
    view.text = LoadString(kMsgFixedAo);
    if (fixedBlink_) {
        view.textColor = kColorGoldenrod;
    } else {
        view.textColor = kColorWhite;
        view.backColor = kColorGoldenrod;
    }
    return view;
}

}  // namespace voltaro
