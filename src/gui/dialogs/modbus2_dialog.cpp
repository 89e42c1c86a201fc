#include "gui/dialogs/modbus2_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/platform/ui_text_ids.h"
#include "gui/app/qt_text.h"
#include "gui/controls/ip_address_ctrl_ext.h"

namespace voltaro {

namespace {

// The field with its unit right beside it (the room to their right stays empty).
QHBoxLayout* WithUnit(QWidget* field, QLabel* unit) {
    auto* row = new QHBoxLayout;
    row->addWidget(field);
    row->addWidget(unit);
    row->addStretch(1);
    return row;
}

}  // namespace

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

    // Fields keep the width their numbers need and the units sit beside them; a wider
    // dialog gives the room to the empty column on the right.
    const int fieldWidth = address_->fontMetrics().horizontalAdvance(QStringLiteral("255")) * 8;
    for (QWidget* field : {static_cast<QWidget*>(address_), static_cast<QWidget*>(mask_),
                           static_cast<QWidget*>(gateway_), static_cast<QWidget*>(port_)}) {
        field->setMaximumWidth(fieldWidth);
        field->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    auto* layout = new QGridLayout(this);
    int row = 0;
    auto addRow = [&](int labelId, QWidget* field, bool seconds) {
        layout->addWidget(MakeLabel(this, labelId), row, 0);
        if (seconds) {
            layout->addLayout(WithUnit(field, MakeLabel(this, kTextModbus2Sec)), row, 1);
        } else {
            layout->addWidget(field, row, 1);
        }
        ++row;
    };
    addRow(kTextModbus2IpAddress, address_, false);
    addRow(kTextModbus2SubnetMask, mask_, false);
    addRow(kTextModbus2DefaultGateway, gateway_, false);
    addRow(kTextModbus2Port, port_, false);
    addRow(kTextModbus2ConnectionTimeout, connectionTimeout_, true);
    addRow(kTextModbus2RunLedTimeout, runLed_, true);
    layout->setColumnStretch(2, 1);
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
