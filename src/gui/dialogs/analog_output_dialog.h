#pragma once
// "Analog Output Setting": one row per setting and one column per analogue output, edited
// in place. Values are stored as each cell is committed; Escape during an edit ends the
// edit instead of closing.
#include "core/settings/analog_output_dialog_model.h"
#include "gui/dialogs/setting_dialog.h"

namespace voltaro {

class CListCtrlInfoTip;
class CListDialogBinding;

class CAnalogOutputDialog : public CSettingDialog {
    Q_OBJECT
  public:
    static constexpr const char* kList = "list";

    CAnalogOutputDialog(ParameterImage& image, QWidget* parent = nullptr);

    CListDialogBinding& Binding() { return *binding_; }

  protected:
    void Store() override {}
    bool CancelInPlaceEdit() override;

  private:
    CAnalogOutputDialogModel model_;
    CListCtrlInfoTip* list_;
    CListDialogBinding* binding_;
};

}  // namespace voltaro
