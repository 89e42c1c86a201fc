#pragma once
// "Short Cut Menu Setting": whether "Clear alarm" is offered in the device's short-cut menu.
#include "core/settings/display_option_models.h"
#include "gui/dialogs/setting_dialog.h"

namespace voltaro {

class CShortCutMenuDialog : public CSettingDialog {
    Q_OBJECT
  public:
    // Radios "clearAlarmFirst" ("Disable") and "clearAlarmSecond" ("Enable").
    static constexpr const char* kClearAlarm = "clearAlarm";

    CShortCutMenuDialog(ParameterImage& image, QWidget* parent = nullptr);

  protected:
    void Store() override { model_.Accept(clearAlarm_.SecondChecked()); }

  private:
    CShortCutMenuDialogModel model_;
    RadioPair clearAlarm_;
};

}  // namespace voltaro
