#pragma once
// "SIGMA Display Setting": the measurand of every line of the device's sigma screens,
// chosen in place from a drop-down list.
#include "core/settings/display_sigma_dialog_model.h"
#include "gui/dialogs/list_setting_dialog.h"

namespace voltaro {

class CDisplaySigmaDialog : public CListSettingDialog {
    Q_OBJECT
  public:
    CDisplaySigmaDialog(ParameterImage& image, QWidget* parent = nullptr);

  private:
    CDisplaySigmaDialogModel model_;
};

}  // namespace voltaro
