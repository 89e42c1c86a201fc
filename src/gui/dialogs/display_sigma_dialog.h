#pragma once
// "SIGMA Display Setting": the measurand of every line of the device's sigma screens,
// chosen in place from a drop-down list.
#include "core/settings/display_sigma_dialog_model.h"
#include "gui/dialogs/setting_dialog.h"

namespace voltaro {

class CListCtrlInfoTip;
class CListDialogBinding;

class CDisplaySigmaDialog : public CSettingDialog {
    Q_OBJECT
  public:
    static constexpr const char* kList = "list";

    CDisplaySigmaDialog(ParameterImage& image, QWidget* parent = nullptr);

    CListDialogBinding& Binding() { return *binding_; }

  protected:
    void Store() override {}

  private:
    CDisplaySigmaDialogModel model_;
    CListCtrlInfoTip* list_;
    CListDialogBinding* binding_;
};

}  // namespace voltaro
