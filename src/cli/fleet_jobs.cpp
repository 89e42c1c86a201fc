// One device's part of voltaro-cli fleet: identify, upload, compare, download, monitor and
// clock, each through the core functions of the single-device command.
#include "cli/fleet_jobs.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <initializer_list>

#include "cli/cli_transfer_support.h"
#include "core/app/recent_files.h"
#include "core/comm/modbus_interface.h"
#include "core/device/device_clock.h"
#include "core/device/device_identification.h"
#include "core/device/device_link.h"
#include "core/files/config_file.h"
#include "core/files/parameter_report.h"
#include "core/monitor/csv_log.h"
#include "core/monitor/monitor_pass.h"
#include "core/monitor/monitor_record.h"
#include "core/platform/fleet_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/safe_download_text_ids.h"
#include "core/platform/string_table.h"
#include "core/platform/utc_time.h"
#include "core/transfer/progress_thread.h"

namespace voltaro::cli {
namespace {

// Most differing parameter names a compare result lists.
constexpr int kNamesShown = 5;

// Cancels the watched transfer once the run is aborted.
class AbortWatch : public CObserver {
  public:
    explicit AbortWatch(const std::atomic<bool>* abort) : abort_(abort) {}
    ~AbortWatch() override { DetachAll(); }
    void Update(CObservable* source) override {
        if (abort_ && abort_->load()) static_cast<CProgressThread*>(source)->Cancel();
    }

  private:
    const std::atomic<bool>* abort_;
};

// The passcode answers of a fleet: the passcode given or remembered, failures kept as the
// device's message instead of being printed.
class FleetPasscodeAnswers : public IPasscodeInteraction {
  public:
    explicit FleetPasscodeAnswers(std::optional<uint32_t> passcode) : passcode_(passcode) {}
    std::optional<uint32_t> AskPasscode() override {
        if (!passcode_) error = LoadString(kMsgFleetPasscodeNeeded);
        return passcode_;
    }
    std::optional<ProtectionChange> AskProtection() override { return std::nullopt; }
    void ShowError(const std::string& text) override { error = text; }
    // The fleet command was confirmed as a whole (--yes).
    bool Confirm(const std::string&) override { return true; }

    std::string error;

  private:
    std::optional<uint32_t> passcode_;
};

// The safe download's transfers without display, each stopped by an aborted run.
class FleetDownloadView : public ISafeDownloadView {
  public:
    explicit FleetDownloadView(const std::atomic<bool>* abort) : watch_(abort) {}
    bool TransferWithProgress(CModbusInterface& client, const ParameterImage& image) override {
        return RunDownload(client, image, &watch_);
    }
    bool UploadWithProgress(CModbusInterface& client, ParameterImage& image) override {
        return RunUpload(client, image, &watch_);
    }
    void ShowBusy(bool) override {}

  private:
    AbortWatch watch_;
};

// Texts joined into one message, the empty ones left out.
std::string Joined(std::initializer_list<std::string> parts) {
    std::string text;
    for (const std::string& part : parts)
        if (!part.empty()) text += (text.empty() ? "" : " ") + part;
    return text;
}

FleetJobResult Cancelled() {
    return {FleetOutcome::kCancelled, {}};
}

FleetJobResult Failed(std::string message) {
    return {FleetOutcome::kFailed, std::move(message)};
}

FleetJobResult Identify(const FleetDevice& device) {
    CModbusInterface client(device.settings);
    CDeviceLink link(client);
    const CDeviceType type = ReadFromDevice(client);
    const std::string serial = ReadSerialNumber(client);
    char version[16];
    std::snprintf(version, sizeof version, "%u.%02u", type.version / 100u, type.version % 100u);
    return {FleetOutcome::kOk,
            FormatMessageId(kMsgFleetIdentified,
                            {ModelText(type), type.typeIndex, std::string(version), serial})};
}

// Reads the device's parameters; false when the run was aborted.
bool UploadImage(const FleetDevice& device, const FleetCommand& command, ParameterImage& image) {
    CModbusInterface client(device.settings);
    AbortWatch watch(command.abort);
    return RunUpload(client, image, &watch);
}

FleetJobResult Upload(const FleetDevice& device, const FleetCommand& command) {
    const std::string path = FleetDeviceFile(command.path, device.name, "cfg");
    CheckSaveFile(path);  // before the device is read
    ParameterImage image;
    if (!UploadImage(device, command, image)) return Cancelled();
    SaveConfigFile(path, image);
    return {FleetOutcome::kOk,
            FormatMessageId(kMsgFleetUploaded, {ModelText(image.deviceType), path})};
}

FleetJobResult Compare(const FleetDevice& device, const FleetCommand& command) {
    ParameterImage fromDevice;
    if (!UploadImage(device, command, fromDevice)) return Cancelled();
    CParameterReport report(command.image);
    report.CompareWith(fromDevice, device.name);
    const ReportListing listing = report.Build(false);
    const std::string golden = FileNameOf(command.path);
    if (listing.mismatchCount == 0)
        return {FleetOutcome::kOk, FormatMessageId(kMsgFleetSame, {golden})};
    std::string names;
    int shown = 0;
    for (const ReportRow& row : listing.rows) {
        if (row.state != RowState::Different) continue;
        if (shown++ == kNamesShown) {
            names += ", ...";
            break;
        }
        names += (names.empty() ? "" : ", ") + row.name;
    }
    return {FleetOutcome::kDiffers,
            FormatMessageId(kMsgFleetDifferent, {listing.mismatchCount, golden, names})};
}

FleetJobResult Download(const FleetDevice& device, const FleetCommand& command) {
    CModbusInterface client(device.settings);
    FleetPasscodeAnswers answers(command.passcode);
    FleetDownloadView view(command.abort);
    SafeDownloadRequest request;
    request.sourceFile = command.path;
    request.options = command.safety[std::clamp(device.settings.mode, 0, 2)];
    const SafeDownloadOutcome outcome =
        RunSafeDownload(client, command.image, answers, view, request);
    const std::string backup = !outcome.backupFile.empty() || request.options.backup
                                   ? BackupText(outcome)
                                   : LoadString(kTextSafeNoBackupTaken);
    const std::string safety = Joined({VerificationText(outcome), backup, outcome.auditError});
    switch (outcome.result) {
        case SafeDownloadResult::Completed: {
            // A device whose values were not confirmed, or whose operation has no audit
            // line, did not succeed.
            const bool ok = DownloadConfirmed(outcome) && outcome.auditError.empty();
            return {
                ok ? FleetOutcome::kOk : FleetOutcome::kFailed,
                Joined({FormatMessageId(kMsgFleetDownloaded, {FileNameOf(command.path)}), safety})};
        }
        case SafeDownloadResult::Cancelled:
            return {FleetOutcome::kCancelled, safety};
        case SafeDownloadResult::Failed:
            return Failed(Joined({outcome.failure, safety}));
        case SafeDownloadResult::NotUnlocked:
            break;
    }
    return Failed(answers.error.empty() ? LoadString(kMsgFleetNotUnlocked) : answers.error);
}

FleetJobResult Monitor(const FleetDevice& device, const FleetCommand& command) {
    const std::string path = FleetDeviceFile(command.path, device.name, "csv");
    CModbusInterface client(device.settings);
    CMeasurandsKT2 store;
    const std::string time = IsoUtcTimeText(std::chrono::system_clock::now());
    const MonitorPassResult result = ReadMonitorPass(client, store, {}, command.abort);
    if (command.abort && command.abort->load()) return Cancelled();
    if (!result.ok) return Failed(result.error);
    if (result.refusal != 0) return Failed(LoadString(result.refusal));
    const MonitorLogColumns columns = LogColumnsOfPass(result, {});
    CCsvLog log;
    log.Open(path, MonitorLogHeader(columns));
    log.AppendRow(MonitorLogRow(time, store, columns));
    log.Close();
    return {FleetOutcome::kOk, FormatMessageId(kMsgFleetMonitorRow, {path})};
}

FleetJobResult Clock(const FleetDevice& device, const FleetCommand& command) {
    CModbusInterface client(device.settings);
    FleetPasscodeAnswers answers(command.passcode);
    const SyncResult result = SyncDeviceClock(client, answers);
    if (!result.written)
        return Failed(answers.error.empty() ? LoadString(kMsgFleetNotUnlocked) : answers.error);
    return {FleetOutcome::kOk,
            FormatMessageId(kMsgFleetClockSynced, {FormatDateTime(result.time)})};
}

}  // namespace

std::string FleetDeviceFile(const std::string& directory, const std::string& device,
                            const char* extension) {
    std::string path = directory;
    if (!path.empty() && path.back() != '/') path += '/';
    return path + device + "." + extension;
}

FleetJob MakeFleetJob(const FleetCommand& command) {
    return [&command](const FleetDevice& device) -> FleetJobResult {
        switch (command.kind) {
            case FleetCommand::kIdentify:
                return Identify(device);
            case FleetCommand::kUpload:
                return Upload(device, command);
            case FleetCommand::kCompare:
                return Compare(device, command);
            case FleetCommand::kDownload:
                return Download(device, command);
            case FleetCommand::kMonitor:
                return Monitor(device, command);
            case FleetCommand::kClock:
                return Clock(device, command);
        }
        return Failed({});
    };
}

}  // namespace voltaro::cli
