#pragma once
// The preset dialog of the power management monitor: the ZC energy page (grid 1159 of
// dialog 169) under the tabs "Basic Module" / "Extension Module". Its read keeps the
// shown values current on the background executor; typing a value into a cell writes it
// to the device at once.
#include <QWidget>
#include <memory>

#include "core/app/pm_monitor_model.h"
#include "core/app/zc_energy_page_model.h"
#include "core/monitor/measurand_store.h"
#include "core/work/simple_functor.h"
#include "gui/app/ui_observer.h"
#include "gui/monitor/grid_cell_editing.h"

class QTabBar;

namespace voltaro {

class CDataGridView;
class CGridFrame;
class CModbusInterface;

class CZCEnergyPage : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kTemplate = 169;
    static constexpr int kIdGrid = 1159;

    CZCEnergyPage(CModbusInterface& client, CMeasurandsKT2& store, QWidget* parent = nullptr);
    ~CZCEnergyPage() override;

    void SetView(int view);
    int View() const { return model_.View(); }
    void Fill(const CMeasurandsKT2& store);

    CDataGridView* Grid() const;
    CParEdit& Editor() { return editing_->Editor(); }
    const CZcEnergyPageModel& Model() const { return model_; }

  private:
    CModbusInterface& client_;
    CMeasurandsKT2& store_;
    CZcEnergyPageModel model_;
    CGridFrame* frame_;
    std::unique_ptr<CGridCellEditing> editing_;
};

class CZCPresetDialog : public CObserverDialog {
    Q_OBJECT
  public:
    static constexpr int kTemplate = 170;
    static constexpr int kIdModuleTabs = 1159;

    explicit CZCPresetDialog(CModbusInterface& client, QWidget* parent = nullptr);
    ~CZCPresetDialog() override;

    CZCEnergyPage* Page() const { return page_; }
    QTabBar* ModuleTabs() const { return tabs_; }
    const CMeasurandsKT2& Store() const { return store_; }

    void reject() override;
    // Ends the window; a read still under way completes unseen.
    void done(int result) override;

  protected:
    void OnObservableUpdate(CObservable* source) override;

  private:
    void Queue();
    void ReadDone();
    void TabChanged(int tab);
    void CloseWhenIdle(int result);

    CModbusInterface& client_;
    CMeasurandsKT2 store_;
    CPMMonitorModel cycle_;
    CSimpleFunctor read_;
    PmReadOutcome outcome_;
    int readView_ = 0;
    bool queued_ = false;
    bool closed_ = false;
    QTabBar* tabs_ = nullptr;
    CZCEnergyPage* page_ = nullptr;
};

}  // namespace voltaro
