#include "gui/dialogs/comm_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/app/find_devices_model.h"
#include "core/comm/modbus_interface.h"
#include "core/files/safe_download.h"
#include "core/model/value_helpers.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/profile.h"
#include "core/platform/safe_download_text_ids.h"
#include "core/platform/scan_text_ids.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/control_names.h"
#include "gui/app/qt_text.h"
#include "gui/dialogs/find_devices_dialog.h"

namespace voltaro {

namespace {

QLabel* MakeLabel(QWidget* parent, int id, const char* name, int textId) {
    auto* label = new QLabel(Text(textId), parent);
    NameControl(label, id, name);
    return label;
}

QComboBox* MakeList(QWidget* parent, int id, const char* name, int count, int firstId) {
    auto* combo = new QComboBox(parent);
    NameControl(combo, id, name);
    for (const std::string& text : StringList(count, firstId))
        combo->addItem(ToQString(text));
    return combo;
}

}  // namespace

CCommDialog::CCommDialog(const CComSettings& settings, PortList ports, QWidget* parent)
    : QDialog(parent), settings_(settings), ports_(std::move(ports)) {
    setObjectName(QStringLiteral("id138"));
    setWindowTitle(Text(kTextConnectCaption));
    auto* top = new QVBoxLayout(this);

    auto* target = new QGroupBox(Text(kTextConnectTo), this);
    auto* targetRow = new QGridLayout(target);
    address_ = new QLineEdit(target);
    NameControl(address_, kIdConnectAddress, "device_address");
    targetRow->addWidget(MakeLabel(target, kIdConnectAddressLabel, "device_address_label",
                                   kTextConnectDeviceAddress),
                         0, 0);
    targetRow->addWidget(address_, 0, 1);
    top->addWidget(target);

    auto* pc = new QGroupBox(Text(kTextConnectPortSetting), this);
    auto* grid = new QGridLayout(pc);
    infrared_ = new QRadioButton(Text(kTextConnectInfrared), pc);
    NameControl(infrared_, kIdConnectInfrared, "infrared");
    rtu_ = new QRadioButton(Text(kTextConnectModbusRtu), pc);
    NameControl(rtu_, kIdConnectModbusRtu, "modbus_rtu");
    tcp_ = new QRadioButton(Text(kTextConnectModbusTcp), pc);
    NameControl(tcp_, kIdConnectModbusTcp, "modbus_tcp");
    grid->addWidget(infrared_, 0, 0, 1, 2);
    grid->addWidget(rtu_, 1, 0, 1, 2);
    port_ = new QComboBox(pc);
    NameControl(port_, kIdConnectPort, "com_port");
    for (const PortEntry& entry : ports_)
        port_->addItem(ToQString(entry.displayName));
    baud_ = MakeList(pc, kIdConnectBaud, "baud_rate", kBaudRateTextCount, kTextsBaudRate);
    parity_ = MakeList(pc, kIdConnectParity, "parity", kParityTextCount, kTextsParity);
    stop_ = MakeList(pc, kIdConnectStop, "stop_bits", kStopBitsTextCount, kTextsStopBits);
    grid->addWidget(MakeLabel(pc, kIdConnectPortLabel, "com_port_label", kTextConnectComPort), 2,
                    0);
    grid->addWidget(port_, 2, 1);
    grid->addWidget(MakeLabel(pc, kIdConnectBaudLabel, "baud_rate_label", kTextConnectBaudRate), 3,
                    0);
    grid->addWidget(baud_, 3, 1);
    grid->addWidget(MakeLabel(pc, kIdConnectParityLabel, "parity_label", kTextConnectParity), 4, 0);
    grid->addWidget(parity_, 4, 1);
    grid->addWidget(MakeLabel(pc, kIdConnectStopLabel, "stop_bits_label", kTextConnectStop), 5, 0);
    grid->addWidget(stop_, 5, 1);
    grid->addWidget(tcp_, 6, 0, 1, 2);
    server_ = new QLineEdit(pc);
    NameControl(server_, kIdConnectServer, "server_address");
    service_ = new QComboBox(pc);
    NameControl(service_, kIdConnectService, "service_port");
    service_->setEditable(true);
    service_->addItem(QStringLiteral("502"));
    grid->addWidget(
        MakeLabel(pc, kIdConnectServerLabel, "server_address_label", kTextConnectStationAddress), 7,
        0);
    grid->addWidget(server_, 7, 1);
    grid->addWidget(MakeLabel(pc, kIdConnectServiceLabel, "service_port_label", kTextConnectPort),
                    8, 0);
    grid->addWidget(service_, 8, 1);
    top->addWidget(pc);

    auto* safety = new QGroupBox(Text(kTextSafeSettingsGroup), this);
    auto* safetyRows = new QVBoxLayout(safety);
    backup_ = new QCheckBox(Text(kTextSafeBackupSetting), safety);
    backup_->setObjectName(QStringLiteral("backup_before_download"));
    verify_ = new QCheckBox(Text(kTextSafeVerifySetting), safety);
    verify_->setObjectName(QStringLiteral("verify_after_download"));
    safetyRows->addWidget(backup_);
    safetyRows->addWidget(verify_);
    top->addWidget(safety);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(Text(kTextConnectButton), QDialogButtonBox::AcceptRole);
    ok->setObjectName(ControlObjectName(kIdOk));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(Text(kTextCancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName(ControlObjectName(kIdCancel));
    QPushButton* find =
        buttons->addButton(Text(kUiFindDevicesButton), QDialogButtonBox::ActionRole);
    NameControl(find, kIdConnectFindDevices, "find_devices");
    connect(find, &QPushButton::clicked, this, &CCommDialog::FindDevices);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    top->addWidget(buttons);

    backupByLink_ = {DefaultSafeDownloadOptions(ModbusTcp).backup,
                     DefaultSafeDownloadOptions(Infrared).backup};
    backup_->setChecked(backupByLink_[0]);
    verify_->setChecked(DefaultSafeDownloadOptions(ModbusTcp).verify);

    // Fill from the settings.
    if (!ports_.empty()) port_->setCurrentIndex(0);
    memory_ = std::make_unique<CPortMemory>(ports_, settings_);
    address_->setText(QString::number(settings_.address));
    switch (settings_.mode) {
        case ModbusTcp:
            tcp_->setChecked(true);
            break;
        case Infrared:
            infrared_->setChecked(true);
            break;
        default:
            rtu_->setChecked(true);
            break;
    }
    baud_->setCurrentIndex(BaudSelection(settings_.baudrate));
    parity_->setCurrentIndex(ParitySelection(settings_.parity));
    stop_->setCurrentIndex(StopSelection(settings_.stop));
    server_->setText(ToQString(settings_.serverAddress));
    service_->setEditText(ToQString(settings_.servicePort));
    ModeChanged();

    for (QRadioButton* radio : {infrared_, rtu_, tcp_}) {
        connect(radio, &QRadioButton::clicked, this, &CCommDialog::ModeChanged);
    }
    connect(port_, &QComboBox::activated, this,
            [this](int index) { memory_->Selected(SelectedMode(), index); });
}

ConnectionMode CCommDialog::SelectedMode() const {
    if (tcp_->isChecked()) return ModbusTcp;
    if (infrared_->isChecked()) return Infrared;
    return ModbusRtu;
}

void CCommDialog::ModeChanged() {
    const ConnectionMode mode = SelectedMode();
    for (int id : ConnectManagedControls()) {
        if (QWidget* control = FindControl(this, id)) {
            control->setEnabled(ConnectControlEnabled(id, mode));
        }
    }
    port_->setCurrentIndex(memory_->Reselect(mode, port_->currentIndex()));
    // Infra-red keeps its own backup setting (off unless asked for).
    backupByLink_[backupShownForInfrared_ ? 1 : 0] = backup_->isChecked();
    backupShownForInfrared_ = mode == Infrared;
    backup_->setChecked(backupByLink_[backupShownForInfrared_ ? 1 : 0]);
}

void CCommDialog::LoadSafeDownloadSettings(const CUserProfile& profile) {
    backupByLink_ = {LoadSafeDownloadOptions(profile, ModbusTcp).backup,
                     LoadSafeDownloadOptions(profile, Infrared).backup};
    backupShownForInfrared_ = SelectedMode() == Infrared;
    backup_->setChecked(backupByLink_[backupShownForInfrared_ ? 1 : 0]);
    verify_->setChecked(LoadSafeDownloadOptions(profile, SelectedMode()).verify);
}

void CCommDialog::StoreSafeDownloadSettings(CUserProfile& profile) {
    backupByLink_[backupShownForInfrared_ ? 1 : 0] = backup_->isChecked();
    StoreSafeDownloadOptions(profile, ModbusTcp, {backupByLink_[0], verify_->isChecked()});
    StoreSafeDownloadOptions(profile, Infrared, {backupByLink_[1], verify_->isChecked()});
}

ConnectInput CCommDialog::Input() const {
    ConnectInput input;
    input.mode = SelectedMode();
    input.address = ToStdString(address_->text());
    input.port = port_->currentIndex();
    input.baudrate = baud_->currentIndex();
    input.parity = parity_->currentIndex();
    input.stop = stop_->currentIndex();
    input.serverAddress = ToStdString(server_->text());
    input.servicePort = ToStdString(service_->currentText());
    return input;
}

void CCommDialog::FindDevices() {
    CFindDevicesDialog finder(ScanTargetOf(settings_, Input(), ports_), this);
    if (finder.exec() != QDialog::Accepted || !finder.Choice()) return;
    const ConnectChoice& choice = *finder.Choice();
    address_->setText(QString::number(choice.address));
    (choice.mode == ModbusTcp ? tcp_ : rtu_)->setChecked(true);
    if (choice.mode == ModbusRtu) {
        baud_->setCurrentIndex(choice.baudrate);
        parity_->setCurrentIndex(choice.parity);
        stop_->setCurrentIndex(choice.stop);
    }
    ModeChanged();
}

void CCommDialog::accept() {
    const ConnectInput input = Input();
    try {
        settings_ = AcceptConnectInput(settings_, input, ports_);
    } catch (const CPrivateException& error) {
        ReportFailure(this, error);
        return;
    }
    QDialog::accept();
}

bool Connect(QWidget* parent, CModbusInterface& client) {
    CUserProfile profile;
    CCommDialog dialog(CComSettings(profile), BuildPortList(), parent);
    dialog.LoadSafeDownloadSettings(profile);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.Settings().Save(profile);
    dialog.StoreSafeDownloadSettings(profile);
    profile.Save();
    client.settings = dialog.Settings();
    return true;
}

}  // namespace voltaro
