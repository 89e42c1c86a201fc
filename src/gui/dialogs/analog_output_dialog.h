#pragma once
// "Analog Output Setting": one row per setting and one column per analogue output, edited
// in place; Escape during an edit ends the edit instead of closing.
#include "core/settings/analog_output_dialog_model.h"
#include "gui/dialogs/list_setting_dialog.h"

namespace voltaro {

class CAnalogOutputDialog : public CListSettingDialog {
    Q_OBJECT
  public:
    CAnalogOutputDialog(ParameterImage& image, QWidget* parent = nullptr);

  private:
    CAnalogOutputDialogModel model_;
};

}  // namespace voltaro
