#pragma once
// "Passcode Setting": the device's 4-digit front-panel passcode (image word 29).
#include "gui/dialogs/setting_dialog.h"

class QLineEdit;

namespace voltaro {

class CPasscodeDialog : public CSettingDialog {
    Q_OBJECT
public:
    explicit CPasscodeDialog(QWidget* parent = nullptr);

    void Initialise() override {}
    void AcceptValues() override;

protected:
    QWidget* FieldWidget(int field) override;

private:
    QLineEdit* newPasscode_;
    QLineEdit* confirm_;
};

}  // namespace voltaro
