#pragma once
// "Preset" of the meter families and the ZB series: the five energy tabs over the energy
// page with in-place editing; a typed value is written to the device at once. The shown
// values are kept current by a read loop on the background executor; closing waits for
// the read in flight. Tabs "id1002", the page's grid as on the monitor.

#include "core/app/preset_dialog_model.h"
#include "core/monitor/measurand_store.h"
#include "core/work/simple_functor.h"
#include "gui/app/ui_observer.h"

class QTabBar;

namespace voltaro {

class CBackgroundExecutor;
class CEnergyPage;
class CModbusInterface;

class CPresetDialog : public CObserverDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplate = 171;
    static constexpr int kIdTabs = 1002;
    static constexpr int kReadPauseMs = 200;  // between one read's completion and the next

    static void Run(CModbusInterface& client, int channel, QWidget* parent);
    CPresetDialog(CModbusInterface& client, int channel, CBackgroundExecutor& executor,
                  QWidget* parent = nullptr);
    ~CPresetDialog() override;
    CEnergyPage* Page() const { return page_; }
    const CMeasurandsKT2& Store() const { return store_; }
    void reject() override;

  protected:
    void OnObservableUpdate(CObservable* source) override;

  private:
    void TabChanged(int tab);
    void PostRead();

    CModbusInterface& client_;
    CBackgroundExecutor& executor_;
    CMeasurandsKT2 store_;
    CPresetReader reader_;
    CSimpleFunctor read_;
    QTabBar* tabs_ = nullptr;
    CEnergyPage* page_ = nullptr;
    bool closing_ = false;
    bool inFlight_ = false;
    bool editingOn_ = false;
    int channel_;
};

}  // namespace voltaro
