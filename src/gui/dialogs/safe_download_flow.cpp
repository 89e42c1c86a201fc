#include "gui/dialogs/safe_download_flow.h"

#include <QMessageBox>
#include <QPushButton>
#include <optional>

#include "core/app/recent_files.h"
#include "core/comm/modbus_interface.h"
#include "core/files/config_file.h"
#include "core/model/parameter_image.h"
#include "core/platform/message_format.h"
#include "core/platform/private_exception.h"
#include "core/platform/profile.h"
#include "core/platform/safe_download_text_ids.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/control_names.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"
#include "gui/dialogs/passcode_prompts.h"
#include "gui/dialogs/progress_dialog.h"

namespace voltaro {
namespace {

// The progress dialog for every transfer of the sequence, and the wait cursor while the
// device is identified and its protection unlocked and locked again.
class CSafeDownloadView : public ISafeDownloadView {
  public:
    explicit CSafeDownloadView(QWidget* parent) : parent_(parent) {}
    bool TransferWithProgress(CModbusInterface& client, const ParameterImage& image) override {
        return RunWithProgress(parent_, client, image);
    }
    bool UploadWithProgress(CModbusInterface& client, ParameterImage& image) override {
        return RunUploadWithProgress(parent_, client, image);
    }
    void ShowBusy(bool busy) override {
        if (busy)
            wait_.emplace();
        else
            wait_.reset();
    }

  private:
    QWidget* parent_;
    std::optional<WaitCursor> wait_;
};

std::string Joined(std::initializer_list<std::string> parts) {
    std::string text;
    for (const std::string& part : parts)
        if (!part.empty()) text += (text.empty() ? "" : "\r\r") + part;
    return text;
}

// Asks whether to restore backupFile after what went wrong (text): true for "Restore backup".
bool AskRestore(QWidget* parent, const std::string& text, const std::string& backupFile) {
    const NormalCursor normal;
    auto box = MakeAskBox(
        parent, ToQString(Joined({text, FormatMessageId(kTextSafeOfferRestore, {backupFile})})),
        AskIcon::Exclamation);
    QAbstractButton* restore = box->button(QMessageBox::Yes);
    restore->setText(Text(kTextSafeRestoreButton));
    restore->setObjectName(QStringLiteral("restore_backup"));
    box->button(QMessageBox::No)->setText(Text(kTextCancel));
    return box->exec() == QMessageBox::Yes;
}

void RestoreBackup(QWidget* parent, CModbusInterface& client, const std::string& backupFile,
                   const SafeDownloadOptions& options) {
    try {
        ParameterImage backup;
        LoadConfigFile(backupFile, backup);
        SafeDownloadRequest request;
        request.sourceFile = backupFile;
        request.restore = true;
        request.options = {false, options.verify};
        CPasscodePrompts prompts(parent);
        CSafeDownloadView view(parent);
        const SafeDownloadOutcome outcome = RunSafeDownload(client, backup, prompts, view, request);
        if (outcome.result == SafeDownloadResult::NotUnlocked) return;
        const std::string verification = VerificationText(outcome);
        if (DownloadConfirmed(outcome))
            ShowInformation(parent,
                            ToQString(Joined({FormatMessageId(kTextSafeRestored, {backupFile}),
                                              verification, outcome.auditError})));
        else if (outcome.result != SafeDownloadResult::Cancelled)
            ShowError(parent, Joined({outcome.failure, verification, outcome.auditError}));
    } catch (const CPrivateException& error) {
        ReportFailure(parent, error);
    }
}

}  // namespace

SafeDownloadOutcome DownloadSafely(QWidget* parent, CModbusInterface& client,
                                   const ParameterImage& image, const std::string& sourceFile) {
    SafeDownloadRequest request;
    request.sourceFile = sourceFile;
    request.options = LoadSafeDownloadOptions(CUserProfile(), client.settings.mode);
    CPasscodePrompts prompts(parent);
    CSafeDownloadView view(parent);
    const SafeDownloadOutcome outcome = RunSafeDownload(client, image, prompts, view, request);
    // A cancel before anything was written is no trouble; one part-way may need the backup.
    const bool cancelled = outcome.result == SafeDownloadResult::Cancelled;
    const bool troubled = cancelled ? ShouldOfferRestore(outcome)
                                    : outcome.result != SafeDownloadResult::NotUnlocked &&
                                          !DownloadConfirmed(outcome);
    if (!troubled) {
        if (!outcome.auditError.empty()) ShowError(parent, outcome.auditError);
        return outcome;
    }
    const std::string text =
        Joined({cancelled ? LoadString(kTextStatusDownloadCancelled) : outcome.failure,
                VerificationText(outcome), outcome.auditError});
    if (!ShouldOfferRestore(outcome))
        ShowError(parent, text);
    else if (AskRestore(parent, text, outcome.backupFile))
        RestoreBackup(parent, client, outcome.backupFile, request.options);
    return outcome;
}

std::string SafeDownloadStatusSuffix(const SafeDownloadOutcome& outcome) {
    std::string suffix;
    if (outcome.verification == VerifyState::Matched) suffix = LoadString(kTextSafeVerified);
    if (!outcome.backupFile.empty()) {
        suffix += (suffix.empty() ? "" : " ") +
                  FormatMessageId(kTextSafeBackupSaved, {FileNameOf(outcome.backupFile)});
    }
    return suffix;
}

}  // namespace voltaro
