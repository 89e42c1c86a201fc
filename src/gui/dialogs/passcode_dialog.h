#pragma once
// "Passcode Setting": the device's 4-digit front-panel passcode (image word 29). The two
// masked digit fields are named "new_passcode" and "confirm_passcode".
#include "core/settings/passcode_dialog_model.h"
#include "gui/dialogs/setting_dialog.h"

namespace voltaro {

class CPasscodeDialog : public CSettingDialog {
    Q_OBJECT
  public:
    CPasscodeDialog(ParameterImage& image, QWidget* parent = nullptr);

  protected:
    void Store() override;

  private:
    CPasscodeDialogModel model_;
    QLineEdit* newPasscode_;
    QLineEdit* confirm_;
};

}  // namespace voltaro
