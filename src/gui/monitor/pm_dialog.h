#pragma once
// The power management monitor (for the ZC series): the ZC main page under the tabs
// "Basic Module" / "Extension Module", the device clock, the status line with its
// indicator, and the buttons "Device Info", "Loop Test" and "Preset". Its read runs on
// the background executor and re-queues itself from each completion, as CPMMonitorModel
// decides. A red line names the channels in loop-test mode. A device that is not of the ZC series
// ends the window with kMonitorAlternate.
//
// Controls are named "id<control id>" (see the kId constants).
#include <QTimer>

#include "core/app/pm_monitor_model.h"
#include "core/monitor/measurand_store.h"
#include "core/work/simple_functor.h"
#include "gui/app/ui_observer.h"
#include "gui/monitor/monitor_widgets.h"

class QLabel;
class QPushButton;
class QTabBar;

namespace voltaro {

class CLedIndicator;
class CModbusInterface;
class CRecordControl;
class CZCMainPage;

class CPMDialog : public CObserverDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplate = 160;
    static constexpr int kIdModuleTabs = 1159;
    static constexpr int kIdStatus = kIdMonitorStatus;
    static constexpr int kIdIndicator = kIdMonitorIndicator;
    static constexpr int kIdClock = 1165;
    static constexpr int kIdClockButton = 1167;
    static constexpr int kIdDeviceInfo = 1175;
    static constexpr int kIdLoopTest = 1030;
    static constexpr int kIdPreset = 1031;
    static constexpr int kBlinkMs = 500;

    // Monitors the device behind client (kept alive by the caller while the window exists).
    explicit CPMDialog(CModbusInterface& client, QWidget* parent = nullptr);
    ~CPMDialog() override;

    const CMeasurandsKT2& Store() const { return store_; }
    const CPMMonitorModel& Model() const { return model_; }
    CZCMainPage* MainPage() const { return page_; }
    QTabBar* ModuleTabs() const { return tabs_; }
    // The main page reuses some of the window's control ids (a page of its own in the
    // dialog templates): these are the window's own.
    QLabel* Clock() const { return clock_; }
    QPushButton* ClockButton() const { return setClock_; }
    QPushButton* LoopTest() const { return loopTest_; }
    QPushButton* Preset() const { return preset_; }
    // The highlighted line naming the channels in loop-test mode (hidden when none is).
    QLabel* LoopTestLine() const { return loopStatus_; }
    CRecordControl* Recording() const { return record_; }

    // Cancel: the window closes at the next completion of its read (or at once when no
    // read is queued).
    void reject() override;
    // Ends the window; a read still under way completes unseen.
    void done(int result) override;

  protected:
    void OnObservableUpdate(CObservable* source) override;

  private:
    QWidget* BuildButtons();
    void Queue();
    void ReadDone();
    void TabChanged(int tab);
    void Blink();
    void ShowStatus();
    void OpenDetail(int i);
    void Reset(int i, int value);
    void OpenPreset();
    void OpenLoopTest();
    void OpenDateAndTime();
    void ShowDeviceInfo();
    // Runs a sub-dialog with the cycle paused and the window hidden, then resumes.
    template <typename F>
    void RunPaused(F&& run);
    void CloseWhenIdle(int result);
    void RecordingChanged(bool recording);

    CModbusInterface& client_;
    CMeasurandsKT2 store_;
    CPMMonitorModel model_;
    CSimpleFunctor read_;
    PmReadOutcome outcome_;  // written by the read, taken by its completion
    int readView_ = 0;
    bool queued_ = false;
    bool closed_ = false;
    QTimer blink_;

    QTabBar* tabs_ = nullptr;
    CZCMainPage* page_ = nullptr;
    QLabel* status_ = nullptr;
    CLedIndicator* led_ = nullptr;
    QLabel* loopStatus_ = nullptr;
    QLabel* clock_ = nullptr;
    QPushButton* setClock_ = nullptr;
    QPushButton* loopTest_ = nullptr;
    QPushButton* preset_ = nullptr;
    CRecordControl* record_ = nullptr;
};

}  // namespace voltaro
