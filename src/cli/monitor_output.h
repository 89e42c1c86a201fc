#pragma once
// Where voltaro-cli monitor writes its passes: a table refreshed in place on a terminal,
// a block of text per pass elsewhere, JSON Lines, or a CSV log (with the table beside it
// when standard output is a terminal).
#include <string>
#include <vector>

#include "core/model/device_type.h"
#include "core/monitor/monitor_record.h"
#include "core/monitor/monitor_recorder.h"

namespace voltaro::cli {

enum class MonitorFormat { kText, kJson, kCsv };

struct MonitorOutputOptions {
    MonitorFormat format = MonitorFormat::kText;
    std::string csvPath;
    std::vector<int> harmonicSets;
    bool terminal = false;  // standard output is a terminal that takes cursor movements
    bool colour = false;    // the terminal's status may be coloured
};

class CMonitorOutput {
  public:
    explicit CMonitorOutput(MonitorOutputOptions options);

    // Writes one pass that started at time. Throws CPrivateException when an output cannot
    // be written, or when the log file holds other columns (it is then left unchanged).
    void Pass(const std::string& time, const MonitorPassResult& result,
              const CMeasurandsKT2& store);

    // Whether standard output may take escape sequences and colour: a terminal other than
    // "dumb"; colour also needs NO_COLOR unset or empty.
    static MonitorOutputOptions DetectTerminal(MonitorOutputOptions options);

  private:
    std::vector<std::string> StatusLines(const std::string& time,
                                         const MonitorPassResult& result) const;
    std::vector<std::string> SectionLines(const CMeasurandsKT2& store, int width) const;
    void Table(const std::string& time, const MonitorPassResult& result,
               const CMeasurandsKT2& store);
    void Block(const std::string& time, const MonitorPassResult& result,
               const CMeasurandsKT2& store);
    void Log(const std::string& time, const MonitorPassResult& result, const CMeasurandsKT2& store);

    MonitorOutputOptions options_;
    bool drawn_ = false;       // the table has been drawn once
    bool haveValues_ = false;  // a pass has succeeded: the store holds values to show
    CDeviceType deviceType_;   // of the last successful pass
    bool zc_ = false;          // it was a ZC pass of
    int zcView_ = -1;          // this page view, or
    int zcDetail_ = -1;        // the detail of this channel
    CMonitorRecorder recorder_;
};

}  // namespace voltaro::cli
