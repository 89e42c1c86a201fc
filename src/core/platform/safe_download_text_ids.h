#pragma once
// Text ids of backup, read-back verification and the audit log of downloads (31720 .. 31799).

namespace voltaro {

constexpr int kTextSafeBackupFailed = 31720;    // "... could not be backed up ...\r%1!s!"
constexpr int kTextSafeBackupSaved = 31721;     // "Backup: %1!s!"
constexpr int kTextSafeVerified = 31722;        // "Read back and verified ..."
constexpr int kTextSafeVerifyMismatch = 31723;  // "Verification failed: %1!d! ... %2!s!"
constexpr int kTextSafeVerifyNotRead = 31724;   // "... could not be read back: %1!s!"
constexpr int kTextSafeNotVerified = 31725;     // "Not verified."
constexpr int kTextSafeRestored = 31726;        // "Restored the backup %1!s!."
constexpr int kTextSafeRestoreButton = 31727;   // "Restore backup"
constexpr int kTextSafeOfferRestore = 31728;    // "... Restore the backup %1!s!?"
constexpr int kTextSafeAuditFailed = 31729;     // "The audit log %1!s! could not ..."
constexpr int kTextSafeSettingsGroup = 31730;   // "Download safety"
constexpr int kTextSafeBackupSetting = 31731;   // "Back up the device before a download"
constexpr int kTextSafeVerifySetting = 31732;   // "Read back and verify after a download"
constexpr int kTextSafeMoreDiffering = 31733;   // "%1!d! more"
constexpr int kTextSafeNoBackupTaken = 31734;   // "No backup was made ..."
constexpr int kTextSafeBackupDirectoryFailed =
    31735;                                         // "The folder %1!s! could not be made: %2!s!"
constexpr int kTextSafeRestoreHint = 31736;        // "To restore the backup: ... %1!s!"
constexpr int kTextSafeReadBackCancelled = 31737;  // "the read-back was cancelled"

}  // namespace voltaro
