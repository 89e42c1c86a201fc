#pragma once
// What the progress dialog of a transfer shows, without its widgets.
#include <string>

#include "core/transfer/progress_thread.h"

namespace voltaro {

// kMsgUploadingNow "Uploading now..." or kMsgDownloadingNow "Downloading now...".
int ProgressTextId(CProgressThread::Direction direction);

// The text above the progress bar: ProgressTextId's text, or while the client tries a
// silent device again kMsgRetryingNoAnswer "No answer, trying again (2 of 3)...".
std::string ProgressText(CProgressThread::Direction direction, RetryState retry);

// The link-quality icon for a success rate in percent, 0 worst to 3 best:
// p >= 80 -> 3; 40 <= p < 80 -> 2; 0 < p < 40 -> 1; otherwise 0.
int QualityIconIndex(double percent);

// The success rate as the dialog shows it ("%.1lf", "80.0").
std::string SuccessRateText(double percent);

// The progress bar position for a reported percentage: truncated and kept within 0-100.
int ProgressBarPosition(double percent);

}  // namespace voltaro
