#pragma once
// The energy page of the meter monitor (in tab control 1002: two views of each tariff and
// "Counter"): grid 1005 in group box 1007. The monitor cycle asks it to fill itself from
// the store. With editing turned on (the preset dialog) a value cell can be edited in
// place: the typed value is checked and written to the device, the store updated, and the
// page's observers are told (with the page as source).
#include <QWidget>
#include <memory>

#include "core/app/energy_page_model.h"
#include "core/work/observer.h"
#include "gui/monitor/grid_cell_editing.h"

class QGroupBox;

namespace voltaro {

class CDataGridView;
class CGridFrame;
class CModbusInterface;

class CEnergyPage : public QWidget, public CObservable {
    Q_OBJECT
  public:
    static constexpr int kTemplate = 131;
    static constexpr int kIdGrid = 1005;
    static constexpr int kIdGroup = 1007;

    explicit CEnergyPage(QWidget* parent = nullptr);
    ~CEnergyPage() override;

    // Ends an edit in progress, clears the cells and lays the grid out for the view.
    void SetView(int view);
    int View() const { return model_.View(); }
    // The monitor cycle's fill (skipped once after a preset).
    void Fill(const CMeasurandsKT2& store, const CDeviceType& type);
    int LookupIndex(int column, int row) const { return model_.LookupIndex(column, row); }

    // Turns in-place editing on: presets are written through client for the given input,
    // and written values go into store (both outlive the page).
    void EnableEditing(CModbusInterface& client, CMeasurandsKT2& store, int channel, bool swap);

    CDataGridView* Grid() const;
    CParEdit& Editor() { return editing_->Editor(); }
    CEnergyPageModel& Model() { return model_; }

  private:
    CEnergyPageModel model_;
    QGroupBox* group_;
    CGridFrame* frame_;
    std::unique_ptr<CGridCellEditing> editing_;  // over the grid
    CModbusInterface* client_ = nullptr;
    CMeasurandsKT2* store_ = nullptr;
};

}  // namespace voltaro
