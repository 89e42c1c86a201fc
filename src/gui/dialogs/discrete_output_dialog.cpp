#include "gui/dialogs/discrete_output_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/platform/list_text_ids.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/qt_text.h"
#include "gui/dialogs/pulse_dialog.h"

namespace voltaro {

CDiscreteOutputDialog::CDiscreteOutputDialog(ParameterImage& image, QWidget* parent)
    : CSettingDialog(kTextDoCaption, parent), image_(image), model_(image) {
    const CDiscreteOutputDialogModel::Inputs initial = model_.Initial();
    auto* layout = new QVBoxLayout(this);
    for (int n = 0; n < CDiscreteOutputDialogModel::kOutputCount; ++n) {
        const OutputIds& ids = kOutputIds[static_cast<std::size_t>(n)];
        const bool present = model_.Present(n);
        auto* group = new QGroupBox(Text(kTextDoOutput1 + n), this);
        group->setObjectName(ControlObjectName(ids.group));
        QComboBox*& function = functions_[static_cast<std::size_t>(n)];
        RadioPair& contact = contacts_[static_cast<std::size_t>(n)];
        function = MakeCombo(group, ControlObjectName(ids.function), model_.Functions(n),
                             present ? initial[n].function : -1);
        contact = MakeRadioPair(group, QString(), kTextsContact);
        contact.first->setObjectName(ControlObjectName(ids.normalOpen));
        contact.second->setObjectName(ControlObjectName(ids.normalClose));
        if (present) contact.Set(initial[n].normalClose);
        QLabel* functionLabel =
            MakeLabel(group, kTextDoFunction, ControlObjectName(ids.functionLabel));
        QLabel* contactLabel =
            MakeLabel(group, kTextDoContact, ControlObjectName(ids.contactLabel));
        auto* energy = new QPushButton(Text(kTextDoEnergy), group);
        energy->setObjectName(ControlObjectName(ids.energy));
        connect(energy, &QPushButton::clicked, this, [this, n] { EditPulseOutput(n); });

        auto* grid = new QGridLayout(group);
        grid->addWidget(functionLabel, 0, 0);
        grid->addWidget(function, 0, 1, 1, 2);
        grid->addWidget(energy, 0, 3);
        grid->addWidget(contactLabel, 1, 0);
        grid->addWidget(contact.first, 1, 1);
        grid->addWidget(contact.second, 1, 2);
        layout->addWidget(group);
        if (!present) {
            for (QWidget* widget :
                 std::initializer_list<QWidget*>{group, functionLabel, contactLabel, function,
                                                 contact.first, contact.second, energy}) {
                widget->setEnabled(false);
            }
        }
    }
    layout->addWidget(MakeButtons());
}

bool CDiscreteOutputDialog::EditPulseOutput(int output) {
    return RunDialogOn<CPulseDialog>(image_, this, output);
}

void CDiscreteOutputDialog::Store() {
    CDiscreteOutputDialogModel::Inputs inputs{};
    for (int n = 0; n < CDiscreteOutputDialogModel::kOutputCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        inputs[i] = {Selection(functions_[i]), contacts_[i].SecondChecked()};
    }
    model_.Accept(inputs);
}

}  // namespace voltaro
