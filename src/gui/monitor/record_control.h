#pragma once
// "Record..." of a monitor window: the button that chooses a CSV file and starts recording
// (then reads "Stop recording"), the line that shows the file name, rows written and
// elapsed time, and the CMonitorRecorder behind them. The window hands over each pass (a
// row or an error row) and tells its model when recording starts or stops.
#include <QObject>
#include <functional>
#include <string>

#include "core/monitor/monitor_recorder.h"

class QLabel;
class QPushButton;
class QWidget;

namespace voltaro {

class CRecordControl : public QObject {
    Q_OBJECT
  public:
    static constexpr int kIdRecord = 31600;
    static constexpr int kIdRecordStatus = 31603;

    // columns gives the columns of the window's passes (asked when recording starts);
    // changed is told whether recording runs after every start and stop.
    CRecordControl(QWidget* window, std::function<MonitorLogColumns()> columns,
                   std::function<void(bool)> changed);

    QPushButton* Button() const { return button_; }
    QLabel* StatusLine() const { return status_; }
    const CMonitorRecorder& Recorder() const { return recorder_; }

    // A pass of the window: its row, or the error row of a failed one. A failed write
    // stops recording and says why in the status line.
    void Row(const CMeasurandsKT2& store);
    void ErrorRow(const std::string& error);
    // Stops recording (the file keeps every row written).
    void Stop();
    // Refreshes the status line (the elapsed time): the window's timer calls it.
    void ShowStatus();

  private:
    void Clicked();
    void Start();
    template <typename F>
    void Write(F&& write);

    QWidget* window_;
    std::function<MonitorLogColumns()> columns_;
    std::function<void(bool)> changed_;
    CMonitorRecorder recorder_;
    QPushButton* button_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace voltaro
