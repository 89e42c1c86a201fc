#include "core/monitor/monitor_recorder.h"

#include <cstdio>
#include <filesystem>

#include "core/monitor/monitor_pass.h"
#include "core/monitor/zc_pass.h"
#include "core/monitor/zc_registers.h"
#include "core/platform/message_format.h"
#include "core/platform/monitor_tools_text_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"

namespace voltaro {

MonitorLogColumns MeterLogColumns(const CDeviceType& type) {
    MonitorPassResult pass;
    pass.indexes = MeterPassIndexes(type);
    return LogColumnsOfPass(pass, {});
}

MonitorLogColumns ZcPageLogColumns(int view) {
    MonitorPassResult pass;
    pass.zcDevice = true;
    pass.zcView = view;
    pass.zcFirstChannel = ZcChannelOffset(view);
    pass.indexes = ZcPassIndexes(view, false);
    return LogColumnsOfPass(pass, {});
}

void CMonitorRecorder::Start(const std::string& path, const MonitorLogColumns& columns,
                             Clock::time_point now) {
    Stop();
    problem_.clear();
    log_.Open(path, MonitorLogHeader(columns));
    columns_ = columns;
    path_ = path;
    rows_ = 0;
    started_ = now;
}

void CMonitorRecorder::Stop() {
    log_.Close();
}

void CMonitorRecorder::Pass(const std::string& time, const CMeasurandsKT2& store) {
    if (Active()) Append(MonitorLogRow(time, store, columns_));
}

void CMonitorRecorder::Failure(const std::string& time, const std::string& error) {
    if (Active()) Append(ErrorRow(time, error, columns_));
}

void CMonitorRecorder::Append(const std::vector<std::string>& row) {
    try {
        log_.AppendRow(row);
    } catch (const CPrivateException& e) {
        // The rows written so far stay in the file; the next ones would go nowhere.
        problem_ = e.Message();
        Stop();
        throw;
    }
    ++rows_;
}

std::vector<std::string> CMonitorRecorder::ErrorRow(const std::string& time,
                                                    const std::string& error,
                                                    const MonitorLogColumns& columns) {
    // As many fields as the header has, so that the file stays a table.
    std::vector<std::string> row(MonitorLogHeader(columns).size());
    row[0] = time;
    const std::string text = error.empty() ? LoadString(kMsgRecordingAbandoned) : error;
    if (row.size() > 1) row[1] = FormatMessageId(kMsgRecordErrorRow, {text});
    return row;
}

std::string CMonitorRecorder::ElapsedText(Clock::duration elapsed) {
    const long long seconds =
        std::max<long long>(0, std::chrono::duration_cast<std::chrono::seconds>(elapsed).count());
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

std::string CMonitorRecorder::StatusText(Clock::time_point now) const {
    if (Active()) {
        return FormatMessageId(
            kTextRecordingStatus,
            {std::filesystem::path(path_).filename().string(), rows_, ElapsedText(now - started_)});
    }
    if (!problem_.empty()) return FormatMessageId(kMsgRecordingStopped, {problem_});
    return {};
}

}  // namespace voltaro
