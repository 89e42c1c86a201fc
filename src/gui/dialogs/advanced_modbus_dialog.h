#pragma once
// "Advanced Modbus Setting": word order of long registers and the t1.5 / t3.5 timing, with
// a warning in red.
#include "core/settings/modbus_dialog_models.h"
#include "gui/dialogs/setting_dialog.h"

namespace voltaro {

class CAdvancedModbusDialog : public CSettingDialog {
    Q_OBJECT
  public:
    static constexpr const char* kOrder = "longRegister";  // radios "...First" / "...Second"
    static constexpr const char* kT15 = "t15";
    static constexpr const char* kT35 = "t35";
    static constexpr const char* kWarning = "warning";

    CAdvancedModbusDialog(ParameterImage& image, QWidget* parent = nullptr);

  protected:
    void Store() override;

  private:
    CAdvancedModbusDialogModel model_;
    RadioPair order_;
    QLineEdit* t15_;
    QLineEdit* t35_;
};

}  // namespace voltaro
