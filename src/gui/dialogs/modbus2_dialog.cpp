#include "gui/dialogs/modbus2_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/platform/ui_text_ids.h"
#include "gui/app/qt_text.h"
#include "gui/controls/ip_address_ctrl_ext.h"

namespace voltaro {

CModbus2Dialog::CModbus2Dialog(ParameterImage& image, QWidget* parent)
    : CSettingDialog(kTextModbus2Caption, parent), model_(image) {
    const CModbus2DialogModel::Inputs in = model_.Initial();
    auto makeAddress = [this](const char* name, const Ipv4Octets& octets) {
        auto* control = new CIPAddressCtrlExt(this);
        control->setObjectName(name);
        control->SetAddress(octets);
        return control;
    };
    address_ = makeAddress(kAddress, in.address);
    mask_ = makeAddress(kMask, in.mask);
    gateway_ = makeAddress(kGateway, in.gateway);
    port_ = new QComboBox(this);
    port_->setObjectName(kPort);
    port_->setEditable(true);
    for (const std::string& choice : CModbus2DialogModel::PortChoices()) {
        port_->addItem(ToQString(choice));
    }
    port_->setEditText(ToQString(in.port));
    connectionTimeout_ = MakeEdit(this, kConnectionTimeout, in.connectionTimeout);
    runLed_ = MakeEdit(this, kRunLed, in.runLedTimeout);
    BindField(CModbus2DialogModel::PortField, port_);
    BindField(CModbus2DialogModel::ConnectionTimeoutField, connectionTimeout_);
    BindField(CModbus2DialogModel::RunLedTimeoutField, runLed_);

    auto* layout = new QGridLayout(this);
    int row = 0;
    auto addRow = [&](int labelId, QWidget* field, bool seconds) {
        layout->addWidget(MakeLabel(this, labelId), row, 0);
        layout->addWidget(field, row, 1);
        if (seconds) layout->addWidget(MakeLabel(this, kTextModbus2Sec), row, 2);
        ++row;
    };
    addRow(kTextModbus2IpAddress, address_, false);
    addRow(kTextModbus2SubnetMask, mask_, false);
    addRow(kTextModbus2DefaultGateway, gateway_, false);
    addRow(kTextModbus2Port, port_, false);
    addRow(kTextModbus2ConnectionTimeout, connectionTimeout_, true);
    addRow(kTextModbus2RunLedTimeout, runLed_, true);
    layout->addWidget(MakeButtons(), row, 0, 1, 3);
}

void CModbus2Dialog::Store() {
    CModbus2DialogModel::Inputs in;
    in.address = address_->Address();
    in.mask = mask_->Address();
    in.gateway = gateway_->Address();
    in.port = ToStdString(port_->currentText());
    in.connectionTimeout = TextOf(connectionTimeout_);
    in.runLedTimeout = TextOf(runLed_);
    model_.Accept(in);
}

}  // namespace voltaro
