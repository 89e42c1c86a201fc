// Backup, protected download, read-back and audit line as one operation.
#include "core/files/safe_download.h"

#include <chrono>
#include <exception>

#include "core/comm/device_lock.h"
#include "core/comm/modbus_interface.h"
#include "core/comm/serial_io.h"
#include "core/device/device_identification.h"
#include "core/device/device_link.h"
#include "core/model/model_list.h"
#include "core/model/parameter_blocks.h"
#include "core/model/parameter_image.h"
#include "core/platform/message_format.h"
#include "core/platform/private_exception.h"
#include "core/platform/profile.h"
#include "core/platform/safe_download_text_ids.h"
#include "core/platform/string_table.h"
#include "core/transfer/progress_thread.h"
#include "core/transfer/transfers.h"

namespace voltaro {
namespace {

constexpr const char* kSafeDownloadSection = "SafeDownload";
// How many differing names the texts and the audit line list.
constexpr std::size_t kDifferingNamesShown = 5;

const char* BackupKey(int connectionMode) {
    return connectionMode == Infrared ? "BackupInfrared" : "Backup";
}

// Passes the download on to the caller's view and notes that writing may have begun.
class StartNotingView : public IDownloadView {
  public:
    explicit StartNotingView(ISafeDownloadView& view) : view_(view) {}
    bool TransferWithProgress(CModbusInterface& client, const ParameterImage& image) override {
        started = true;
        return view_.TransferWithProgress(client, image);
    }
    void ShowBusy(bool busy) override { view_.ShowBusy(busy); }
    bool started = false;

  private:
    ISafeDownloadView& view_;
};

const char* ResultName(SafeDownloadResult result) {
    switch (result) {
        case SafeDownloadResult::NotUnlocked:
            return "not unlocked";
        case SafeDownloadResult::Cancelled:
            return "cancelled";
        case SafeDownloadResult::Failed:
            return "failed";
        case SafeDownloadResult::Completed:
            break;
    }
    return "completed";
}

SafeDownloadResult FromProtected(ProtectedDownloadResult result) {
    switch (result) {
        case ProtectedDownloadResult::NotUnlocked:
            return SafeDownloadResult::NotUnlocked;
        case ProtectedDownloadResult::Cancelled:
            return SafeDownloadResult::Cancelled;
        case ProtectedDownloadResult::Completed:
            break;
    }
    return SafeDownloadResult::Completed;
}

uint32_t ValueAt(const ParameterImage& image, int word, bool wide) {
    return wide ? image.Get32(word) : image.words[static_cast<std::size_t>(word)];
}

// Reads the device back and compares; the outcome's verification fields are set.
void Verify(CModbusInterface& client, const ParameterImage& image, ISafeDownloadView& view,
            SafeDownloadOutcome& outcome) {
    try {
        ParameterImage device;
        if (!view.UploadWithProgress(client, device)) {
            // The values were written but nobody knows what the device holds.
            outcome.verification = VerifyState::NotRead;
            outcome.verifyFailure = LoadString(kTextSafeReadBackCancelled);
            return;
        }
        outcome.differences = CompareWrittenValues(image, device);
        outcome.verification =
            outcome.differences.empty() ? VerifyState::Matched : VerifyState::Mismatched;
    } catch (const CPrivateException& e) {
        outcome.verification = VerifyState::NotRead;
        outcome.verifyFailure = e.Message();
    }
}

// Identifies the device (refusing another type than image's) and reads its serial number.
void Identify(CModbusInterface& client, const ParameterImage& image, ISafeDownloadView& view,
              AuditRecord& record) {
    view.ShowBusy(true);
    try {
        CDeviceLink link(client);
        CheckSameDeviceType(image, client);
        record.model = ModelDisplayText(image.deviceType);
        try {
            record.serial = ReadSerialNumber(client);
        } catch (const CPrivateException&) {
            record.serial.clear();  // a device that does not tell it is backed up as "unknown"
        }
    } catch (...) {
        view.ShowBusy(false);
        throw;
    }
    view.ShowBusy(false);
}

void WriteAudit(const AuditRecord& record, SafeDownloadOutcome& outcome) {
    const std::string path = AuditLogPath();
    if (std::string error = AppendAuditLine(path, AuditLine(record)); !error.empty())
        outcome.auditError = FormatMessageId(kTextSafeAuditFailed, {path, error});
}

void FillRecord(AuditRecord& record, const SafeDownloadOutcome& outcome) {
    record.result = ResultName(outcome.result);
    record.failure = outcome.failure;
    record.backup = outcome.backupFile;
    record.parametersChanged = outcome.parametersChanged;
    record.verification = outcome.verification;
    record.mismatches = static_cast<int>(outcome.differences.size());
    record.differing.clear();
    for (const ParameterDifference& d : outcome.differences) {
        if (record.differing.size() == kDifferingNamesShown) break;
        record.differing.push_back(d.name);
    }
    if (outcome.verification == VerifyState::NotRead && record.failure.empty())
        record.failure = outcome.verifyFailure;
}

// The backup and the download with its read-back, the device's lock held by the caller.
void BackupDownloadVerify(CModbusInterface& client, const ParameterImage& image,
                          IPasscodeInteraction& interaction, ISafeDownloadView& view,
                          const SafeDownloadRequest& request, const AuditRecord& record,
                          SafeDownloadOutcome& outcome) {
    if (request.options.backup) {
        ParameterImage before;
        try {
            if (!view.UploadWithProgress(client, before)) {
                outcome.result = SafeDownloadResult::Cancelled;
                return;
            }
            outcome.backupFile = SaveBackup(before, record.serial, record.time);
        } catch (const CPrivateException& e) {
            throw CPrivateException(FormatMessageId(kTextSafeBackupFailed, {e.Message()}));
        }
        outcome.parametersChanged = static_cast<int>(CompareWrittenValues(image, before).size());
    }
    StartNotingView noting(view);
    try {
        outcome.result = FromProtected(
            RunProtectedDownloadHoldingLock(client, image, interaction, noting, request.timings));
    } catch (const CPrivateException& e) {
        if (!noting.started) throw;
        outcome.result = SafeDownloadResult::Failed;
        outcome.failure = e.Message();
    }
    outcome.writingBegan = noting.started;
    if (!noting.started || outcome.result == SafeDownloadResult::Cancelled) return;
    if (request.options.verify) Verify(client, image, view, outcome);
}

}  // namespace

SafeDownloadOptions DefaultSafeDownloadOptions(int connectionMode) {
    return {connectionMode != Infrared, true};
}

SafeDownloadOptions LoadSafeDownloadOptions(const CUserProfile& profile, int connectionMode) {
    const SafeDownloadOptions defaults = DefaultSafeDownloadOptions(connectionMode);
    SafeDownloadOptions options;
    options.backup =
        profile.GetInt(kSafeDownloadSection, BackupKey(connectionMode), defaults.backup) != 0;
    options.verify = profile.GetInt(kSafeDownloadSection, "Verify", defaults.verify) != 0;
    return options;
}

void StoreSafeDownloadOptions(CUserProfile& profile, int connectionMode,
                              const SafeDownloadOptions& options) {
    profile.SetInt(kSafeDownloadSection, BackupKey(connectionMode), options.backup ? 1 : 0);
    profile.SetInt(kSafeDownloadSection, "Verify", options.verify ? 1 : 0);
}

bool CPlainDownloadView::TransferWithProgress(CModbusInterface& client,
                                              const ParameterImage& image) {
    return RunDownload(client, image);
}

bool CPlainDownloadView::UploadWithProgress(CModbusInterface& client, ParameterImage& image) {
    return RunUpload(client, image);
}

SafeDownloadOutcome RunSafeDownload(CModbusInterface& client, const ParameterImage& image,
                                    IPasscodeInteraction& interaction, ISafeDownloadView& view,
                                    const SafeDownloadRequest& request) {
    SafeDownloadOutcome outcome;
    AuditRecord record;
    record.time = std::chrono::system_clock::now();
    record.operation = request.restore ? "restore" : "download";
    record.device = ConnectionText(client.settings);
    record.source = request.sourceFile;
    // Until the read-back has run: not verified, for whatever reason.
    outcome.verification = request.options.verify ? VerifyState::NotRun : VerifyState::Off;
    try {
        CheckDownloadValues(image);
        // Nobody else may write between the backup, the download and the read-back.
        const CDeviceLock deviceLock(client.settings);
        Identify(client, image, view, record);
        BackupDownloadVerify(client, image, interaction, view, request, record, outcome);
    } catch (const CPrivateException& e) {
        // Nothing was written: the caller reports the failure as before.
        outcome.result = SafeDownloadResult::Failed;
        outcome.failure = e.Message();
        FillRecord(record, outcome);
        WriteAudit(record, outcome);
        if (!outcome.auditError.empty())
            throw CPrivateException(e.Message() + "\r" + outcome.auditError);
        throw;
    }
    FillRecord(record, outcome);
    WriteAudit(record, outcome);
    return outcome;
}

std::vector<ParameterDifference> CompareWrittenValues(const ParameterImage& written,
                                                      const ParameterImage& device) {
    std::vector<ParameterDifference> differences;
    const uint64_t features = written.deviceType.FeatureSet();
    for (const ParameterBlock& block : BlockTableFor(written.deviceType)) {
        if (!block.AppliesTo(features) || !WrittenByDownload(block, written)) continue;
        const bool wide = block.kind == 1;
        for (int i = 0; i < block.count; ++i) {
            const int word = block.word + i * (block.kind + 1);
            const uint32_t mine = ValueAt(written, word, wide);
            const uint32_t theirs = ValueAt(device, word, wide);
            if (mine != theirs)
                differences.push_back({word, written.ParameterName(word), mine, theirs});
        }
    }
    return differences;
}

std::string ConnectionText(const CComSettings& settings) {
    if (settings.mode == ModbusTcp)
        return "tcp " + settings.serverAddress + ":" + settings.servicePort + " unit " +
               std::to_string(settings.address);
    if (settings.mode == Infrared) return "infra-red " + SerialDevicePath(settings.irComPortName);
    return "rtu " + SerialDevicePath(settings.comPortName) + " address " +
           std::to_string(settings.address);
}

std::string DifferingNamesText(const std::vector<ParameterDifference>& differences) {
    std::string text;
    for (std::size_t i = 0; i < differences.size() && i < kDifferingNamesShown; ++i)
        text += (i ? ", " : "") + differences[i].name;
    if (differences.size() > kDifferingNamesShown)
        text +=
            ", " + FormatMessageId(kTextSafeMoreDiffering,
                                   {static_cast<int>(differences.size() - kDifferingNamesShown)});
    return text;
}

std::string VerificationText(const SafeDownloadOutcome& outcome) {
    switch (outcome.verification) {
        case VerifyState::Matched:
            return LoadString(kTextSafeVerified);
        case VerifyState::Mismatched:
            return FormatMessageId(kTextSafeVerifyMismatch,
                                   {static_cast<int>(outcome.differences.size()),
                                    DifferingNamesText(outcome.differences)});
        case VerifyState::NotRead:
            return FormatMessageId(kTextSafeVerifyNotRead, {outcome.verifyFailure});
        case VerifyState::Off:
            return LoadString(kTextSafeNotVerified);
        case VerifyState::NotRun:
            break;
    }
    return {};
}

std::string BackupText(const SafeDownloadOutcome& outcome) {
    if (outcome.backupFile.empty()) return {};
    return FormatMessageId(kTextSafeBackupSaved, {outcome.backupFile});
}

bool DownloadConfirmed(const SafeDownloadOutcome& outcome) {
    return outcome.result == SafeDownloadResult::Completed &&
           (outcome.verification == VerifyState::Matched ||
            outcome.verification == VerifyState::Off);
}

bool ShouldOfferRestore(const SafeDownloadOutcome& outcome) {
    if (outcome.backupFile.empty()) return false;
    if (outcome.result == SafeDownloadResult::Cancelled) return outcome.writingBegan;
    return outcome.result == SafeDownloadResult::Failed ||
           outcome.verification == VerifyState::Mismatched ||
           outcome.verification == VerifyState::NotRead;
}

}  // namespace voltaro
