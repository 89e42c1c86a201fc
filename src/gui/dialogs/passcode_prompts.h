#pragma once
// The Modbus passcode dialogs and the desktop program's answers to the passcode
// sequences: "Enter Modbus passcode" for a protected device (it can remember the passcode)
// and "Modbus passcode protection" for the Protect command.
#include <QDialog>
#include <cstdint>
#include <optional>

#include "core/device/passcode_interaction.h"

class QCheckBox;
class QLineEdit;

namespace voltaro {

// Masked field "passcode", check box "save_passcode".
class CEnterPasscodeDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CEnterPasscodeDialog(QWidget* parent = nullptr);
    // The passcode to send (valid after OK).
    uint32_t Passcode() const { return passcode_; }
    void accept() override;

  private:
    QLineEdit* field_;
    QCheckBox* save_;
    bool changed_ = false;
    uint32_t passcode_ = 0;
};

// Masked digit fields "current_passcode", "new_passcode", "confirm_passcode".
class CProtectDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CProtectDialog(QWidget* parent = nullptr);
    const ProtectionChange& Result() const { return result_; }
    void accept() override;

  private:
    QLineEdit* current_;
    QLineEdit* new_;
    QLineEdit* confirm_;
    ProtectionChange result_;
};

class CPasscodePrompts : public IPasscodeInteraction {
  public:
    explicit CPasscodePrompts(QWidget* parent) : parent_(parent) {}
    std::optional<uint32_t> AskPasscode() override;
    std::optional<ProtectionChange> AskProtection() override;
    void ShowError(const std::string& text) override;
    bool Confirm(const std::string& text) override;

  private:
    QWidget* parent_;
};

}  // namespace voltaro
