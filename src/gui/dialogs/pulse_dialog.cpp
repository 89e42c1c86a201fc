#include "gui/dialogs/pulse_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/platform/ui_text_ids.h"
#include "gui/app/qt_text.h"

namespace voltaro {

CPulseDialog::CPulseDialog(ParameterImage& image, int output, QWidget* parent)
    : CSettingDialog(kTextPulseCaption, parent), model_(image, output) {
    const CPulseDialogModel::Inputs initial = model_.Initial();
    energy_ = MakeCombo(this, kEnergy, model_.EnergyChoices(), initial.energy);
    weight_ = MakeEdit(this, kWeight, initial.weight);
    unit_ = new QLabel(ToQString(model_.UnitText(initial.energy)), this);
    unit_->setObjectName(kUnit);
    duration_ = MakeCombo(this, kDuration, CPulseDialogModel::DurationChoices(), initial.duration);
    BindField(CPulseDialogModel::PulseWeightField, weight_);
    connect(energy_, &QComboBox::currentIndexChanged, this,
            [this](int index) { unit_->setText(ToQString(model_.UnitText(index))); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(MakeLabel(this, kTextPulseEnergyCount), 0, 0);
    layout->addWidget(energy_, 0, 1, 1, 2);
    layout->addWidget(MakeLabel(this, kTextPulseRate), 1, 0);
    layout->addWidget(weight_, 1, 1);
    layout->addWidget(unit_, 1, 2);
    layout->addWidget(MakeLabel(this, kTextPulseDuration), 2, 0);
    layout->addWidget(duration_, 2, 1);
    layout->addWidget(MakeLabel(this, kTextPulseMs), 2, 2);
    layout->addWidget(MakeButtons(), 3, 0, 1, 3);
}

void CPulseDialog::Store() {
    model_.Accept({Selection(energy_), TextOf(weight_), Selection(duration_)});
}

}  // namespace voltaro
