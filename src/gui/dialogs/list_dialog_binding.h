#pragma once
// Binds the list of a list-based setting dialog (alarm, analog output, bar, sigma) to the
// dialog's view-model: columns, greyed rows and cell texts come from the model; a click on
// a cell opens the editor the model names for it; an accepted edit is committed to the
// model cell by cell. A refused value shows its message with the stop icon and stores
// nothing; either way the editor closes and the list shows the model's values again.
#include <QObject>

#include "core/settings/list_dialog_model.h"
#include "core/work/observer.h"
#include "gui/controls/setting_list.h"

namespace voltaro {

class CListDialogBinding : public QObject, public CObserver {
    Q_OBJECT
  public:
    CListDialogBinding(CListCtrlInfoTip& list, ListDialogModel& model);
    ~CListDialogBinding() override;

    // Shows every cell of the model again.
    void Refresh();
    // Starts the in-place editor of a cell, as a click on it does; false when the cell
    // cannot be edited.
    bool BeginEdit(int row, int column);
    // Ends an active edit without acceptance, the focus back on the list; true when one was
    // active.
    bool CancelEdit() { return setting_.CancelEdit(); }
    bool Editing() { return setting_.Editor().Active(); }
    CParEdit& Editor() { return setting_.Editor(); }
    CSettingList& Setting() { return setting_; }

    void Update(CObservable* source) override;

  private:
    CListCtrlInfoTip& list_;
    ListDialogModel& model_;
    CSettingList setting_;
    int row_ = -1;
    int column_ = -1;
};

}  // namespace voltaro
