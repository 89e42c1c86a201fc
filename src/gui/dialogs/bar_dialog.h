#pragma once
// "Bar Setting": the values at 100% and 0% of the bar per measured quantity, edited in
// place; Escape during an edit ends the edit instead of closing.
#include "core/settings/bar_dialog_model.h"
#include "gui/dialogs/setting_dialog.h"

namespace voltaro {

class CListCtrlInfoTip;
class CListDialogBinding;

class CBarDialog : public CSettingDialog {
    Q_OBJECT
  public:
    static constexpr const char* kList = "list";

    CBarDialog(ParameterImage& image, QWidget* parent = nullptr);

    CListDialogBinding& Binding() { return *binding_; }

  protected:
    void Store() override {}
    bool CancelInPlaceEdit() override;

  private:
    CBarDialogModel model_;
    CListCtrlInfoTip* list_;
    CListDialogBinding* binding_;
};

}  // namespace voltaro
