#pragma once
// In-place editing of a data grid bound to a GridModel (the ZC channel grid of the
// other-setting dialog, the CT/VT input page): the grid shows the model's value cells;
// activating an editable cell opens the editor the model names (a typed first character
// starts the edit box with that character instead of the cell's text). An accepted edit is
// committed; a refused one shows its message with the stop icon and the edit box stays
// open with its text selected. After a commit the grid is filled again, the observers of
// this binding are told, and the current cell moves by the editor's navigation code to be
// activated anew.
#include <QObject>
#include <vector>

#include "core/model/cell_binding.h"
#include "core/settings/list_dialog_model.h"
#include "core/work/observer.h"
#include "gui/controls/data_grid_view.h"
#include "gui/controls/par_edit.h"

namespace voltaro {

class CGridEditBinding : public QObject, public CObserver, public CObservable {
    Q_OBJECT
  public:
    CGridEditBinding(CDataGridView& grid, GridModel& model);
    ~CGridEditBinding() override;

    // Lays the grid out with the model's label cells, selectable from (firstRow,
    // firstColumn), and fills it.
    void Layout(int columnWidth, int firstRow, int firstColumn);
    // Shows the model's value cells again.
    void Fill();
    // Ends an active edit without acceptance, the focus back on the grid; true when one
    // was active.
    bool CancelEdit();
    bool Editing() const { return editor_.Active(); }
    CParEdit& Editor() { return editor_; }

    void Update(CObservable* source) override;

  private:
    void BeginEdit();
    void EndEdit();

    CDataGridView& grid_;
    GridModel& model_;
    CParEdit editor_;
    int row_ = -1;
    int column_ = -1;
};

}  // namespace voltaro
