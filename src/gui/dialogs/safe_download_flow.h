#pragma once
// The desktop program's safe download: the backup, the protected download and the read-back
// under the progress dialog and the passcode prompts. A failed verification or a download
// that failed part-way is shown with "Restore backup", which downloads the backup by the
// same sequence.
#include <string>

#include "core/files/safe_download.h"

class QWidget;

namespace voltaro {

class CModbusInterface;
class ParameterImage;

// Runs the safe download of image (from sourceFile, empty for parameters not saved) with the
// options of the profile for client's link, shows what went wrong and offers the backup.
// Failures before anything was written are thrown as RunSafeDownload throws them. The
// outcome is the download's, whether or not the backup was restored afterwards.
SafeDownloadOutcome DownloadSafely(QWidget* parent, CModbusInterface& client,
                                   const ParameterImage& image, const std::string& sourceFile);

// The status line's addition after a completed download: the verification and the backup's
// file name ("" when there is nothing to add).
std::string SafeDownloadStatusSuffix(const SafeDownloadOutcome& outcome);

}  // namespace voltaro
