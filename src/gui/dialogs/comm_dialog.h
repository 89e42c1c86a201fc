#pragma once
// "Connect": confirms the PC side of the connection before every device command.
// Controls are named "id<control id>" (core/app/connect_model.h); the buttons "id1"
// (Connect) and "id2" (Cancel).
#include <QDialog>
#include <array>
#include <memory>

#include "core/app/connect_model.h"
#include "core/comm/com_settings.h"
#include "core/comm/port_list.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace voltaro {

class CModbusInterface;
class CUserProfile;

class CCommDialog : public QDialog {
    Q_OBJECT
  public:
    // Builds the port list (ports) and fills the controls from settings.
    CCommDialog(const CComSettings& settings, PortList ports, QWidget* parent = nullptr);

    // The settings as accepted (valid after OK).
    const CComSettings& Settings() const { return settings_; }

    void accept() override;

    // The download safety settings (backup, kept apart for infra-red, and verify) from and to
    // the profile; the backup box shows the setting of the link kind selected.
    void LoadSafeDownloadSettings(const CUserProfile& profile);
    void StoreSafeDownloadSettings(CUserProfile& profile);

  private:
    ConnectionMode SelectedMode() const;
    void ModeChanged();
    ConnectInput Input() const;
    // "Find devices...": scans the selected port or host and fills the dialog from the
    // device the user picks.
    void FindDevices();

    CComSettings settings_;
    PortList ports_;
    std::unique_ptr<CPortMemory> memory_;
    QLineEdit* address_;
    QRadioButton* infrared_;
    QRadioButton* rtu_;
    QRadioButton* tcp_;
    QComboBox* port_;
    QComboBox* baud_;
    QComboBox* parity_;
    QComboBox* stop_;
    QLineEdit* server_;
    QComboBox* service_;
    QCheckBox* backup_;
    QCheckBox* verify_;
    std::array<bool, 2> backupByLink_{};  // [0] wired links, [1] infra-red
    bool backupShownForInfrared_ = false;
};

// The step before every device transfer: loads the connection settings from the profile,
// runs the dialog and, on Connect, saves them and hands them to client. False when the
// user cancelled.
bool Connect(QWidget* parent, CModbusInterface& client);

}  // namespace voltaro
