#include "cli/safe_download_report.h"

#include <cstdio>

#include "cli/cli_command.h"
#include "cli/cli_transfer_support.h"
#include "core/platform/message_format.h"
#include "core/platform/safe_download_text_ids.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro::cli {
namespace {

void PrintLine(const std::string& text) {
    if (!text.empty() && !QuietOutput()) std::printf("%s\n", TerminalText(text).c_str());
}

void PrintError(const std::string& text) {
    if (!text.empty())
        std::fprintf(stderr, "voltaro-cli download: %s\n", TerminalText(text).c_str());
}

}  // namespace

int ReportSafeDownload(const SafeDownloadOutcome& outcome, const std::string& file, bool restore) {
    switch (outcome.result) {
        case SafeDownloadResult::NotUnlocked:
            PrintError(outcome.auditError);
            return kExitFailure;  // the passcode's failure was told already
        case SafeDownloadResult::Cancelled:
            // Cancelled part-way: the device may hold some of the values.
            if (ShouldOfferRestore(outcome)) {
                PrintLine(BackupText(outcome));
                std::fflush(stdout);
                PrintError(FormatMessageId(kTextSafeRestoreHint, {outcome.backupFile}));
            }
            PrintError(outcome.auditError);
            return Failure("download", LoadString(kTextCliCancelled));
        case SafeDownloadResult::Completed:
            PrintLine(restore ? FormatMessageId(kTextSafeRestored, {file})
                              : FormatMessageId(kTextCliDownloaded, {file}));
            break;
        case SafeDownloadResult::Failed:
            break;
    }
    PrintLine(BackupText(outcome));
    const bool verifiedSame =
        outcome.verification == VerifyState::Matched || outcome.verification == VerifyState::Off;
    if (verifiedSame) PrintLine(VerificationText(outcome));
    std::fflush(stdout);  // what was done before what went wrong, also into one pipe
    PrintError(outcome.failure);
    if (!verifiedSame) PrintError(VerificationText(outcome));
    if (ShouldOfferRestore(outcome))
        PrintError(FormatMessageId(kTextSafeRestoreHint, {outcome.backupFile}));
    PrintError(outcome.auditError);
    return DownloadConfirmed(outcome) ? kExitOk : kExitFailure;
}

}  // namespace voltaro::cli
