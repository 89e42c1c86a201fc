#pragma once
// A setting dialog that is only a list edited in place (analog output, bar, sigma display):
// the list and OK / Cancel. Values are stored as each cell is committed, so OK only closes.
#include <QSize>

#include "gui/dialogs/list_dialog_binding.h"
#include "gui/dialogs/setting_dialog.h"

namespace voltaro {

class CListSettingDialog : public CSettingDialog {
    Q_OBJECT
  public:
    static constexpr const char* kList = "list";

    CListDialogBinding& Binding() { return *binding_; }

  protected:
    // escapeEndsEdit: Escape (Cancel) during an in-place edit ends the edit and gives the
    // focus back to the list instead of closing the dialog.
    CListSettingDialog(int captionId, bool escapeEndsEdit, QSize listSize, QWidget* parent);
    // Binds the list to the derived dialog's model (a member, so it exists only then).
    void Bind(ListDialogModel& model);

    void Store() override {}
    bool CancelInPlaceEdit() override;

  private:
    bool escapeEndsEdit_;
    CListCtrlInfoTip* list_;
    CListDialogBinding* binding_ = nullptr;
};

}  // namespace voltaro
