#pragma once
// "Alarm Setting": power-on delay, latching and the alarm items edited in place in a list.
#include "core/settings/alarm_dialog_model.h"
#include "gui/dialogs/setting_dialog.h"

class QCheckBox;

namespace voltaro {

class CListCtrlInfoTip;
class CListDialogBinding;

class CAlarmDialog : public CSettingDialog {
    Q_OBJECT
  public:
    // Object names of the controls.
    static constexpr const char* kPowerOnDelay = "powerOnDelay";
    static constexpr const char* kLatching = "latching";
    static constexpr const char* kList = "list";

    // image is the dialog's working copy.
    CAlarmDialog(ParameterImage& image, QWidget* parent = nullptr);

    CListDialogBinding& Binding() { return *binding_; }

  protected:
    void Store() override;

  private:
    CAlarmDialogModel model_;
    QLineEdit* powerOnDelay_;
    QCheckBox* latching_;
    CListCtrlInfoTip* list_;
    CListDialogBinding* binding_;
};

}  // namespace voltaro
