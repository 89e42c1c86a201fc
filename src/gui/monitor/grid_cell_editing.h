#pragma once
// In-place editing of the value cells of a monitor grid (the energy pages of the preset
// dialogs): a cell activated in the grid opens the editor over it when the page says the
// cell is editable; an accepted text goes to the page's commit (which writes it to the
// device) under the wait cursor. A refused text shows its message and the editor stays on
// the cell; after a write the page redraws, the editor closes and the current cell moves
// as the key that ended the edit asks.
#include <functional>
#include <memory>
#include <string>

#include "core/work/observer.h"
#include "gui/controls/par_edit.h"

namespace voltaro {

class CDataGridView;

class CGridCellEditing : public CObserver {
  public:
    struct Page {
        std::function<bool(int column, int row)> editable;
        // Writes text for the cell: false when nothing was written (a passcode prompt
        // cancelled); a refused entry or a failed write throws CPrivateException.
        std::function<bool(int column, int row, const std::string& text)> commit;
        // After a write: show the cells again.
        std::function<void()> written;
    };

    CGridCellEditing(CDataGridView* grid, Page page);
    ~CGridCellEditing() override;
    CGridCellEditing(const CGridCellEditing&) = delete;
    CGridCellEditing& operator=(const CGridCellEditing&) = delete;

    CParEdit& Editor() { return *editor_; }
    // Ends an edit in progress without writing (the page changes its view).
    void Cancel();

    void Update(CObservable* source) override;

  private:
    void BeginEdit();
    void EndEdit();

    CDataGridView* grid_;
    Page page_;
    std::unique_ptr<CParEdit> editor_;
    int column_ = 0;
    int row_ = 0;
};

}  // namespace voltaro
