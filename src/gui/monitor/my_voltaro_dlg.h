#pragma once
// The meter monitor (for the meter families and the 2-input ZB series): the max/min page
// under its "Trend"/"Max"/"Min" tabs, the energy page under its tariff and counter tabs,
// the THD grid with the harmonic spectrum of its selected row, the phase vectors, the
// device information and analogue outputs, the Channel selector and the status line with
// its indicator. A CBackThread reads the device one command at a time; each completed
// command comes back as a notification of the store, the window shows what was read and
// posts the next command as CMeterMonitorModel decides. A ZC device ends the window with
// kMonitorAlternate.
//
// Controls are named "id<control id>" (see the kId constants).
#include <QPointer>
#include <QTimer>

#include "core/app/meter_monitor_model.h"
#include "core/monitor/back_thread.h"
#include "core/monitor/measurand_store.h"
#include "gui/app/ui_observer.h"
#include "gui/monitor/monitor_widgets.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabBar;
class QTabWidget;

namespace voltaro {

class CDataGridView;
class CEnergyPage;
class CGridFrame;
class CHarmonicsGraph;
class CLedIndicator;
class CMaxMinPage;
class CModbusInterface;
class CRecordControl;
class CTrendChart;
class CVectorChart;
class CWiringPanel;

class CMyVOLTARODlg : public CObserverDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplate = 102;
    static constexpr int kIdTrendTabs = 1001;
    static constexpr int kIdEnergyTabs = 1002;
    static constexpr int kIdThdGrid = 1006;
    static constexpr int kIdDeviceInfoGrid = 1007;
    static constexpr int kIdVectorChart = 1008;
    static constexpr int kIdAnalogOutputGrid = 1009;
    static constexpr int kIdHarmonicsGraph = 1011;
    static constexpr int kIdStatus = kIdMonitorStatus;
    static constexpr int kIdChannel = 1095;
    static constexpr int kIdIndicator = kIdMonitorIndicator;
    static constexpr int kIdDeviceInfo = 1175;
    static constexpr int kIdFixedAo = 1185;
    static constexpr int kIdLoopTest = 1186;
    static constexpr int kIdDateTime = 31100;
    static constexpr int kIdUtility = 31101;
    static constexpr int kBlinkMs = 500;

    // Monitors the device behind client (connected by the caller, which keeps it alive
    // while the window exists). Monitoring starts with the window.
    explicit CMyVOLTARODlg(CModbusInterface& client, QWidget* parent = nullptr);
    ~CMyVOLTARODlg() override;

    const CMeasurandsKT2& Store() const { return store_; }
    const CMeterMonitorModel& Model() const { return model_; }
    CBackThread& Thread() { return thread_; }
    CMaxMinPage* MaxMinPage() const { return maxMinPage_; }
    CEnergyPage* EnergyPage() const { return energyPage_; }
    CHarmonicsGraph* HarmonicsGraph() const { return graph_; }
    CVectorChart* VectorChart() const { return vectors_; }
    CWiringPanel* WiringPanel() const { return wiring_; }
    CRecordControl* Recording() const { return record_; }
    CDataGridView* ThdGrid() const;
    CTrendChart* TrendChart() const { return chart_; }
    QTabWidget* Pages() const { return pages_; }

    // Stops monitoring and ends the window.
    void done(int result) override;

  protected:
    void OnObservableUpdate(CObservable* source) override;

  private:
    QWidget* BuildViews();
    QWidget* BuildDisplays();
    QWidget* BuildStatusLine();
    void CommandDone();
    void ShowUpdate(const CycleUpdate& update);
    void TrendTabChanged(int tab);
    void EnergyTabChanged(int tab);
    void ChannelChanged(int entry);
    void Blink();
    void ShowStatus();
    void ShowFixedAo();
    void ShowDeviceInfo();
    void ShowUtility();
    void ShowLoopTest();
    void RecordingChanged(bool recording);
    void StopMonitoring();

    CModbusInterface& client_;
    CMeasurandsKT2 store_;
    CMeterMonitorModel model_;
    CBackThread thread_;
    bool stopped_ = false;
    QTimer blink_;

    QTabBar* trendTabs_ = nullptr;
    QTabBar* energyTabs_ = nullptr;
    CMaxMinPage* maxMinPage_ = nullptr;
    CEnergyPage* energyPage_ = nullptr;
    CGridFrame* thd_ = nullptr;
    CGridFrame* deviceInfo_ = nullptr;
    CGridFrame* analogOutputs_ = nullptr;
    CHarmonicsGraph* graph_ = nullptr;
    CVectorChart* vectors_ = nullptr;
    CWiringPanel* wiring_ = nullptr;
    CRecordControl* record_ = nullptr;
    QComboBox* channel_ = nullptr;
    QLabel* status_ = nullptr;
    CLedIndicator* led_ = nullptr;
    QLabel* fixedAo_ = nullptr;
    QPushButton* loopTest_ = nullptr;
    QLabel* loopStatus_ = nullptr;
    QTabWidget* pages_ = nullptr;
    CTrendChart* chart_ = nullptr;
};

}  // namespace voltaro
