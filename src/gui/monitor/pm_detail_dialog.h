#pragma once
// The channel detail of the power management monitor: one channel's instantaneous,
// maximum and minimum values with demand (CZCMaxMinPage under "Trend"/"Max"/"Min"), its
// THD with the harmonic spectrum of the selected row, its reset buttons and the status
// line. Its reads alternate on the background executor as CPMDetailModel decides; Close
// ends the window once the executor is idle.
#include <QTimer>

#include "core/app/pm_detail_model.h"
#include "core/monitor/measurand_store.h"
#include "core/work/simple_functor.h"
#include "gui/app/ui_observer.h"
#include "gui/monitor/monitor_widgets.h"

class QLabel;
class QPushButton;
class QTabBar;
class QTabWidget;

namespace voltaro {

class CDataGridView;
class CGridFrame;
class CHarmonicsGraph;
class CLedIndicator;
class CModbusInterface;
class CTrendChart;
class CZCMaxMinPage;

class CPMDetailDialog : public CObserverDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplate = 162;
    static constexpr int kIdTabs = 1001;
    static constexpr int kIdThdGrid = 1006;
    static constexpr int kIdHarmonicsGraph = 1011;
    static constexpr int kIdStatus = kIdMonitorStatus;
    static constexpr int kIdIndicator = kIdMonitorIndicator;
    static constexpr int kIdThdVoltageReset = 1162;
    static constexpr int kIdThdCurrentReset = 1161;
    static constexpr int kBlinkMs = 500;

    CPMDetailDialog(CModbusInterface& client, int channel, QWidget* parent = nullptr);
    ~CPMDetailDialog() override;

    const CPMDetailModel& Model() const { return model_; }
    const CMeasurandsKT2& Store() const { return store_; }
    CZCMaxMinPage* Page() const { return page_; }
    QTabBar* Tabs() const { return tabs_; }
    CDataGridView* ThdGrid() const;
    QPushButton* ThdVoltageReset() const { return thdVoltageReset_; }
    CTrendChart* TrendChart() const { return chart_; }
    QTabWidget* Pages() const { return pages_; }

    // Close: the window ends at the next completion of its read.
    void reject() override;
    // Ends the window; a read still under way completes unseen.
    void done(int result) override;

  protected:
    void OnObservableUpdate(CObservable* source) override;

  private:
    QWidget* BuildThd();
    QWidget* BuildStatusLine();
    void Queue(const DetailRead& read);
    void ReadDone();
    void TabChanged(int tab);
    void Reset(int value);
    void Blink();
    void ShowStatus();
    void CloseWhenIdle();

    CModbusInterface& client_;
    CMeasurandsKT2 store_;
    CPMDetailModel model_;
    CSimpleFunctor read_;
    DetailRead pending_;  // the read queued or running
    bool readOk_ = false;
    bool queued_ = false;
    bool closed_ = false;
    QTimer blink_;

    QTabBar* tabs_ = nullptr;
    CZCMaxMinPage* page_ = nullptr;
    CGridFrame* thd_ = nullptr;
    CHarmonicsGraph* graph_ = nullptr;
    QPushButton* thdVoltageReset_ = nullptr;
    QLabel* status_ = nullptr;
    CLedIndicator* led_ = nullptr;
    QTabWidget* pages_ = nullptr;
    CTrendChart* chart_ = nullptr;
};

}  // namespace voltaro
