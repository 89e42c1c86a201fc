#pragma once
// The wiring findings beside the meter monitor's vector chart: the summary line (green when
// the wiring looks right), the phase sequence, a line saying that the findings are not
// current after a communication error, and the list of findings (title and evidence, the
// hint as the entry's tooltip).
#include <QWidget>

#include "core/app/meter_monitor_model.h"

class QLabel;
class QListWidget;

namespace voltaro {

class CWiringPanel : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kIdPanel = 31420;
    static constexpr int kIdSummary = 31423;
    static constexpr int kIdSequence = 31424;
    static constexpr int kIdStale = 31421;
    static constexpr int kIdFindings = 31425;

    explicit CWiringPanel(QWidget* parent = nullptr);
    void Show(const WiringPanelView& view);

    QLabel* Summary() const { return summary_; }
    QLabel* StaleLine() const { return stale_; }
    QListWidget* Findings() const { return findings_; }

  private:
    QLabel* summary_ = nullptr;
    QLabel* sequence_ = nullptr;
    QLabel* stale_ = nullptr;
    QListWidget* findings_ = nullptr;
};

}  // namespace voltaro
