// Texts of backup, read-back verification and the audit log of downloads (ids in
// safe_download_text_ids.h).
#include "core/platform/safe_download_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro::strings {
namespace {

const StringEntry kData[] = {
    {kTextSafeBackupFailed,
     "The device's present configuration could not be backed up, so nothing was written to "
     "it.\r%1!s!"},
    {kTextSafeBackupSaved, "Backup: %1!s!"},
    {kTextSafeVerified, "Read back and verified: the device holds every value written."},
    {kTextSafeVerifyMismatch,
     "Verification failed: values on the device that differ from what was written: %1!d! "
     "(%2!s!)"},
    {kTextSafeVerifyNotRead, "The written values could not be read back for verification: %1!s!"},
    {kTextSafeNotVerified, "Not verified (read-back is turned off)."},
    {kTextSafeRestored, "Restored the backup %1!s!."},
    {kTextSafeRestoreButton, "Restore backup"},
    {kTextSafeOfferRestore,
     "The device may now hold a mix of old and new values.\rRestore the backup %1!s!?"},
    {kTextSafeAuditFailed, "The audit log %1!s! could not be written: %2!s!"},
    {kTextSafeSettingsGroup, "Download safety"},
    {kTextSafeBackupSetting, "Back up the device before a download"},
    {kTextSafeVerifySetting, "Read back and verify after a download"},
    {kTextSafeMoreDiffering, "%1!d! more"},
    {kTextSafeNoBackupTaken, "No backup was made (backup is turned off)."},
    {kTextSafeBackupDirectoryFailed, "The folder %1!s! could not be made: %2!s!"},
    {kTextSafeRestoreHint, "To restore the backup: voltaro-cli download %1!s!"},
    {kTextSafeReadBackCancelled, "the read-back was cancelled"},
};

}  // namespace

const std::span<const StringEntry> kSafeDownload{kData};

}  // namespace voltaro::strings
