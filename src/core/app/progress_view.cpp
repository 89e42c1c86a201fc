#include "core/app/progress_view.h"

#include <algorithm>
#include <cstdio>

#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {

int ProgressTextId(CProgressThread::Direction direction) {
    return direction == CProgressThread::kUpload ? kMsgUploadingNow : kMsgDownloadingNow;
}

std::string ProgressText(CProgressThread::Direction direction, RetryState retry) {
    if (retry.attempt > 0)
        return FormatMessageId(kMsgRetryingNoAnswer, {retry.attempt, retry.attempts});
    return LoadString(ProgressTextId(direction));
}

int QualityIconIndex(double percent) {
    if (percent >= 80) return 3;
    if (percent >= 40) return 2;
    if (percent > 0) return 1;
    return 0;
}

std::string SuccessRateText(double percent) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1lf", percent);
    return buffer;
}

int ProgressBarPosition(double percent) {
    if (!(percent > 0)) return 0;  // also NaN
    return std::min(static_cast<int>(percent), 100);
}

}  // namespace voltaro
