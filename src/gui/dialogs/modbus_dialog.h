#pragma once
// "Modbus Setting" of serial devices: address, rate, parity and stop bits; on the
// multi-circuit transducers mode and RUN LED timeout instead of address and rate. The
// "Advanced" button edits the timing in a nested dialog on this dialog's working copy.
#include "core/settings/modbus_dialog_models.h"
#include "gui/dialogs/setting_dialog.h"

class QPushButton;

namespace voltaro {

class CModbusDialog : public CSettingDialog {
    Q_OBJECT
  public:
    static constexpr const char* kAddress = "deviceAddress";
    static constexpr const char* kAddressLabel = "deviceAddressLabel";
    static constexpr const char* kRate = "transferRate";
    static constexpr const char* kRateLabel = "transferRateLabel";
    static constexpr const char* kParity = "parity";
    static constexpr const char* kStop = "stopBit";
    static constexpr const char* kMode = "mode";  // radios "modeFirst" / "modeSecond"
    static constexpr const char* kModeLabel = "modeLabel";
    static constexpr const char* kRunLed = "runLedTimeout";
    static constexpr const char* kRunLedLabel = "runLedTimeoutLabel";
    static constexpr const char* kRunLedUnit = "runLedTimeoutUnit";
    static constexpr const char* kAdvanced = "advanced";

    CModbusDialog(ParameterImage& image, QWidget* parent = nullptr);

    // The "Advanced" button: the advanced Modbus dialog on this dialog's copy.
    bool EditAdvanced();

  protected:
    void Store() override;

  private:
    ParameterImage& image_;
    CModbusDialogModel model_;
    QLineEdit* address_;
    QComboBox* rate_;
    QComboBox* parity_;
    QComboBox* stop_;
    RadioPair mode_;
    QLineEdit* runLed_;
};

}  // namespace voltaro
