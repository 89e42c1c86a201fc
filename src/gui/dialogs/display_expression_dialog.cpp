#include "gui/dialogs/display_expression_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

#include "core/platform/ui_text_ids.h"

namespace voltaro {

CDisplayExpressionDialog::CDisplayExpressionDialog(ParameterImage& image, QWidget* parent)
    : CSettingDialog(kTextExpressionCaption, parent), model_(image) {
    const CDisplayExpressionDialogModel::Inputs in = model_.Initial();
    auto* layout = new QGridLayout(this);
    auto addPair = [&](RadioPair& pair, const char* name, int labelId, int firstText, bool value,
                       bool enabled) {
        const int row = layout->rowCount();
        QLabel* label = MakeLabel(this, labelId, QString::fromLatin1(name) + "Label");
        pair = MakeRadioPair(this, QString::fromLatin1(name), firstText);
        // A disabled pair keeps its word and shows no choice.
        if (enabled) pair.Set(value);
        pair.SetEnabled(enabled);
        label->setEnabled(enabled);
        layout->addWidget(label, row, 0);
        layout->addWidget(pair.first, row, 1);
        layout->addWidget(pair.second, row, 2);
    };
    const bool indication = model_.IndicationEnabled();
    addPair(line_, kLine, kTextExpressionInputLine, 2800, in.lineIndication, indication);
    addPair(phase_, kPhase, kTextExpressionPhaseDirection, 2850, in.phaseIndication, indication);
    addPair(powerFormat_, kPowerFormat, kTextExpressionPowerFormat, 4200, in.powerFormat,
            model_.PowerFormatEnabled());
    layout->addWidget(MakeButtons(), layout->rowCount(), 0, 1, 3);
}

void CDisplayExpressionDialog::Store() {
    model_.Accept({line_.SecondChecked(), phase_.SecondChecked(), powerFormat_.SecondChecked()});
}

}  // namespace voltaro
