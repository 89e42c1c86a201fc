#include "gui/dialogs/modbus_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/platform/ui_text_ids.h"
#include "gui/app/qt_text.h"
#include "gui/dialogs/advanced_modbus_dialog.h"

namespace voltaro {

namespace {
constexpr int kModeTexts = 5650;  // "RTU (8bit)", "ASCII (7bit)"
}

CModbusDialog::CModbusDialog(ParameterImage& image, QWidget* parent)
    : CSettingDialog(kTextModbusCaption, parent), image_(image), model_(image) {
    const CModbusDialogModel::Inputs in = model_.Initial();
    address_ = MakeEdit(this, kAddress, in.address);
    rate_ = MakeCombo(this, kRate, model_.Rates(), in.rate);
    parity_ = MakeCombo(this, kParity, model_.Parities(), in.parity);
    stop_ = MakeCombo(this, kStop, model_.StopBits(), in.stop);
    mode_ = MakeRadioPair(this, kMode, kModeTexts);
    runLed_ = MakeEdit(this, kRunLed, in.runLedTimeout);
    auto* advanced = new QPushButton(Text(kTextModbusAdvanced), this);
    advanced->setObjectName(kAdvanced);
    connect(advanced, &QPushButton::clicked, this, [this] { EditAdvanced(); });
    BindField(CModbusDialogModel::AddressField, address_);
    BindField(CModbusDialogModel::RunLedTimeoutField, runLed_);

    QLabel* addressLabel = MakeLabel(this, kTextModbusDeviceAddress, kAddressLabel);
    QLabel* rateLabel = MakeLabel(this, kTextModbusTransferRate, kRateLabel);
    QLabel* modeLabel = MakeLabel(this, kTextModbusMode, kModeLabel);
    QLabel* runLedLabel = MakeLabel(this, kTextModbusRunLedTimeout, kRunLedLabel);
    QLabel* runLedUnit = MakeLabel(this, kTextModbusSec, kRunLedUnit);

    const bool addressAndRate = model_.AddressAndRateEnabled();
    for (QWidget* widget :
         std::initializer_list<QWidget*>{addressLabel, address_, rateLabel, rate_}) {
        widget->setEnabled(addressAndRate);
    }
    advanced->setEnabled(model_.AdvancedEnabled());
    const bool modeAndRunLed = model_.ModeAndRunLedEnabled();
    if (modeAndRunLed) mode_.Set(in.asciiMode);
    mode_.SetEnabled(modeAndRunLed);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{modeLabel, runLedLabel, runLed_, runLedUnit}) {
        widget->setEnabled(modeAndRunLed);
    }

    auto* layout = new QGridLayout(this);
    layout->addWidget(addressLabel, 0, 0);
    layout->addWidget(address_, 0, 1);
    layout->addWidget(rateLabel, 1, 0);
    layout->addWidget(rate_, 1, 1);
    layout->addWidget(MakeLabel(this, kTextModbusParity), 2, 0);
    layout->addWidget(parity_, 2, 1);
    layout->addWidget(MakeLabel(this, kTextModbusStop), 3, 0);
    layout->addWidget(stop_, 3, 1);
    layout->addWidget(modeLabel, 4, 0);
    layout->addWidget(mode_.first, 4, 1);
    layout->addWidget(mode_.second, 4, 2);
    layout->addWidget(runLedLabel, 5, 0);
    layout->addWidget(runLed_, 5, 1);
    layout->addWidget(runLedUnit, 5, 2);
    layout->addWidget(advanced, 6, 0);
    layout->addWidget(MakeButtons(), 7, 0, 1, 3);
}

bool CModbusDialog::EditAdvanced() {
    return RunDialogOn<CAdvancedModbusDialog>(image_, this);
}

void CModbusDialog::Store() {
    CModbusDialogModel::Inputs in;
    in.address = TextOf(address_);
    in.rate = Selection(rate_);
    in.parity = Selection(parity_);
    in.stop = Selection(stop_);
    in.asciiMode = mode_.SecondChecked();
    in.runLedTimeout = TextOf(runLed_);
    model_.Accept(in);
}

}  // namespace voltaro
