#pragma once
// Recording monitor passes into a CSV log, for the command line's --csv and the monitor
// windows' "Record...": the columns and rows of monitor_record.h in a CCsvLog (header once,
// appended to a file with the same header, another header refused with the file left
// untouched, every row flushed as written), one row per measured pass, and for a pass that
// failed a row that says so: its time, then the error text in the first value column and the
// other columns empty. Also what a window shows while recording.
#include <chrono>
#include <string>
#include <vector>

#include "core/model/device_type.h"
#include "core/monitor/csv_log.h"
#include "core/monitor/measurand_store.h"
#include "core/monitor/monitor_record.h"

namespace voltaro {

// The columns of a meter pass of the command line (no harmonic sets) for a device type,
// and of a ZC page pass of a module view: what a monitor window records.
MonitorLogColumns MeterLogColumns(const CDeviceType& type);
MonitorLogColumns ZcPageLogColumns(int view);

class CMonitorRecorder {
  public:
    using Clock = std::chrono::steady_clock;

    // Starts recording to path. Throws CPrivateException with the table's message naming
    // the file when it cannot be opened or holds another header; the file is then
    // unchanged and nothing is recorded.
    void Start(const std::string& path, const MonitorLogColumns& columns,
               Clock::time_point now = Clock::now());
    void Stop();
    bool Active() const { return log_.IsOpen(); }

    // Appends the row of a measured pass, or the error row of a failed one (error: the
    // failure's message; empty when the read was abandoned). Nothing is written unless
    // recording. A failed write stops recording (Problem() then names it) and throws
    // CPrivateException with the message.
    void Pass(const std::string& time, const CMeasurandsKT2& store);
    void Failure(const std::string& time, const std::string& error);

    long Rows() const { return rows_; }
    const std::string& Path() const { return path_; }
    const MonitorLogColumns& Columns() const { return columns_; }
    // Why recording stopped by itself (empty when it did not).
    const std::string& Problem() const { return problem_; }

    // While recording "Recording to <file name>: <rows> rows, <elapsed>"; after a failed
    // write "Recording stopped: <message>"; otherwise empty.
    std::string StatusText(Clock::time_point now = Clock::now()) const;
    // "H:MM:SS", whole seconds.
    static std::string ElapsedText(Clock::duration elapsed);
    static std::vector<std::string> ErrorRow(const std::string& time, const std::string& error,
                                             const MonitorLogColumns& columns);

  private:
    void Append(const std::vector<std::string>& row);

    CCsvLog log_;
    MonitorLogColumns columns_;
    std::string path_;
    std::string problem_;
    long rows_ = 0;
    Clock::time_point started_{};
};

}  // namespace voltaro
