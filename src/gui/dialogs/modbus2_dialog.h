#pragma once
// "Modbus Setting" of Ethernet devices: IP address, subnet mask, default gateway, TCP port
// (an editable drop-down offering 502), connection and RUN LED timeouts.
#include "core/settings/modbus_dialog_models.h"
#include "gui/dialogs/setting_dialog.h"

namespace voltaro {

class CIPAddressCtrlExt;

class CModbus2Dialog : public CSettingDialog {
    Q_OBJECT
  public:
    static constexpr const char* kAddress = "ipAddress";
    static constexpr const char* kMask = "subnetMask";
    static constexpr const char* kGateway = "defaultGateway";
    static constexpr const char* kPort = "port";
    static constexpr const char* kConnectionTimeout = "connectionTimeout";
    static constexpr const char* kRunLed = "runLedTimeout";

    CModbus2Dialog(ParameterImage& image, QWidget* parent = nullptr);

  protected:
    void Store() override;

  private:
    CModbus2DialogModel model_;
    CIPAddressCtrlExt* address_;
    CIPAddressCtrlExt* mask_;
    CIPAddressCtrlExt* gateway_;
    QComboBox* port_;
    QLineEdit* connectionTimeout_;
    QLineEdit* runLed_;
};

}  // namespace voltaro
