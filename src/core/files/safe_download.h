#pragma once
// The safe download: the protected download (unlock, download, relock; unchanged) with a
// backup of the device's present configuration before it and a read-back of the written
// blocks after it, and one line in the audit log for the whole operation. The desktop
// program, voltaro-cli and fleet runs call RunSafeDownload; they differ only in their view
// (progress, busy cursor) and their passcode answers.
#include <optional>
#include <string>
#include <vector>

#include "core/device/passcode_interaction.h"
#include "core/device/passcode_protection.h"
#include "core/files/download_records.h"
#include "core/transfer/protected_download.h"

namespace voltaro {

class CComSettings;
class CModbusInterface;
class CUserProfile;
class ParameterImage;

struct SafeDownloadOptions {
    bool backup = true;
    bool verify = true;
};

// The defaults of a link kind: infra-red verifies only (a full extra upload over infra-red
// takes minutes); every other link backs up and verifies.
SafeDownloadOptions DefaultSafeDownloadOptions(int connectionMode);
// The options kept in the profile (section "SafeDownload"); the backup setting is kept apart
// for infra-red ("BackupInfrared") so that each link kind keeps its own default.
SafeDownloadOptions LoadSafeDownloadOptions(const CUserProfile& profile, int connectionMode);
// Stores options for connectionMode; the caller saves the profile.
void StoreSafeDownloadOptions(CUserProfile& profile, int connectionMode,
                              const SafeDownloadOptions& options);

// The caller's view of the whole operation: the download's (IDownloadView) and the reads of
// the backup and the read-back, with the rules of RunUpload (false: the user cancelled).
class ISafeDownloadView : public IDownloadView {
  public:
    virtual bool UploadWithProgress(CModbusInterface& client, ParameterImage& image) = 0;
};

// A view without any display, for callers that show no progress (fleet runs, tests).
class CPlainDownloadView : public ISafeDownloadView {
  public:
    bool TransferWithProgress(CModbusInterface& client, const ParameterImage& image) override;
    bool UploadWithProgress(CModbusInterface& client, ParameterImage& image) override;
    void ShowBusy(bool) override {}
};

struct SafeDownloadRequest {
    std::string sourceFile;  // for the audit log (empty: parameters not from a file)
    bool restore = false;    // downloads a backup: "restore" in the audit log
    SafeDownloadOptions options;
    PasscodeTimings timings{};
};

enum class SafeDownloadResult {
    Completed,    // written (and locked again)
    NotUnlocked,  // passcode prompt cancelled or wrong: nothing written
    Cancelled,    // the user cancelled the backup or the transfer
    Failed,       // the transfer or the relock failed after writing had begun (see failure)
};

// One value that the device holds differently from what was written.
struct ParameterDifference {
    int word = 0;  // image word of the value
    std::string name;
    uint32_t written = 0;
    uint32_t device = 0;
};

struct SafeDownloadOutcome {
    SafeDownloadResult result = SafeDownloadResult::Completed;
    std::string failure;     // Failed: the text of the failure (partly written, relock ...)
    std::string backupFile;  // empty when no backup was made
    std::optional<int> parametersChanged;  // values the download changed (with a backup)
    VerifyState verification = VerifyState::Off;
    std::vector<ParameterDifference> differences;  // Mismatched: every differing value
    std::string verifyFailure;                     // NotRead: why
    std::string auditError;                        // the audit line could not be written
    bool writingBegan = false;  // the transfer had started (also when it was then cancelled)
};

// Checks the image and the device type, holds the device's lock for the whole operation,
// makes the backup (when asked), runs the protected download, reads the written blocks back
// (when asked and writing had begun) and appends the audit line. Failures before anything
// was written (invalid values, another device, a failed backup with kTextSafeBackupFailed,
// the unlock) are thrown as CPrivateException after the audit line was written; failures
// once writing had begun are returned as Failed, so that the caller can offer the backup.
SafeDownloadOutcome RunSafeDownload(CModbusInterface& client, const ParameterImage& image,
                                    IPasscodeInteraction& interaction, ISafeDownloadView& view,
                                    const SafeDownloadRequest& request);

// The values of every block Download writes (WrittenByDownload) whose value on the device
// differs from the written one, in table order. 32-bit values count once.
std::vector<ParameterDifference> CompareWrittenValues(const ParameterImage& written,
                                                      const ParameterImage& device);

// "tcp HOST:PORT unit N", "rtu PORT address N" or "infra-red PORT": the device's link.
std::string ConnectionText(const CComSettings& settings);

// The texts for the user: the verification's result ("Read back and verified ...", the
// mismatch with its count and the first differing names ...) and the backup line; each
// empty when there is nothing to say.
std::string VerificationText(const SafeDownloadOutcome& outcome);
std::string BackupText(const SafeDownloadOutcome& outcome);
// The names of the first differing values, "A, B, C, 2 more".
std::string DifferingNamesText(const std::vector<ParameterDifference>& differences);
// Whether the device holds what was written: the download completed and its read-back
// matched, or no read-back was asked for. Every caller decides success by this.
bool DownloadConfirmed(const SafeDownloadOutcome& outcome);
// Whether the caller should offer to restore the backup: there is one, and the device may
// hold other values than intended (a failed or cancelled read-back, a mismatch, a transfer
// that failed or was cancelled part-way).
bool ShouldOfferRestore(const SafeDownloadOutcome& outcome);

}  // namespace voltaro
