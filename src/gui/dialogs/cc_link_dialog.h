#pragma once
// "CC-Link Setting": node address and transfer rate.
#include "core/settings/modbus_dialog_models.h"
#include "gui/dialogs/setting_dialog.h"

namespace voltaro {

class CCCLinkDialog : public CSettingDialog {
    Q_OBJECT
  public:
    static constexpr const char* kNode = "nodeAddress";
    static constexpr const char* kRate = "transferRate";

    CCCLinkDialog(ParameterImage& image, QWidget* parent = nullptr);

  protected:
    void Store() override;

  private:
    CCCLinkDialogModel model_;
    QLineEdit* node_;
    QComboBox* rate_;
};

}  // namespace voltaro
