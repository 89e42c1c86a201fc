#include "gui/dialogs/discrete_input_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QRadioButton>

#include "core/platform/list_text_ids.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro {

CDiscreteInputDialog::CDiscreteInputDialog(ParameterImage& image, QWidget* parent)
    : CSettingDialog(kTextDiCaption, parent), model_(image) {
    const CDiscreteInputDialogModel::Inputs initial = model_.Initial();
    function_ = MakeCombo(this, kFunction, model_.Functions(), initial.function);
    contact_ = MakeRadioPair(this, kContact, kTextsContact);
    contact_.Set(initial.normalClose);

    auto* layout = new QGridLayout(this);
    layout->addWidget(MakeLabel(this, kTextDiFunction), 0, 0);
    layout->addWidget(function_, 0, 1, 1, 2);
    layout->addWidget(MakeLabel(this, kTextDiContact), 1, 0);
    layout->addWidget(contact_.first, 1, 1);
    layout->addWidget(contact_.second, 1, 2);
    layout->addWidget(MakeButtons(), 2, 0, 1, 3);
}

void CDiscreteInputDialog::Store() {
    model_.Accept({Selection(function_), contact_.SecondChecked()});
}

}  // namespace voltaro
