#pragma once
// voltaro-cli download's account of a safe download: what was written or restored, the
// backup, the verification, and the exit status that says whether the device holds what
// was meant.
#include <string>

#include "core/files/safe_download.h"

namespace voltaro::cli {

// Prints the outcome of downloading file (a backup: restore) and returns the exit status:
// kExitOk when completed and not found different, kExitFailure otherwise (a mismatch, a
// read-back that failed, a transfer that failed part-way, the user's cancel). Success lines
// go to stdout (not with --quiet); failures, the mismatch and the way back to stderr.
int ReportSafeDownload(const SafeDownloadOutcome& outcome, const std::string& file, bool restore);

}  // namespace voltaro::cli
