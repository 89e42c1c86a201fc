#pragma once
// "Bar Setting": the values at 100% and 0% of the bar per measured quantity, edited in
// place; Escape during an edit ends the edit instead of closing.
#include "core/settings/bar_dialog_model.h"
#include "gui/dialogs/list_setting_dialog.h"

namespace voltaro {

class CBarDialog : public CListSettingDialog {
    Q_OBJECT
  public:
    CBarDialog(ParameterImage& image, QWidget* parent = nullptr);

  private:
    CBarDialogModel model_;
};

}  // namespace voltaro
