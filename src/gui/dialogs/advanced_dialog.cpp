#include "gui/dialogs/advanced_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/platform/list_text_ids.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/qt_text.h"
#include "gui/controls/data_grid_view.h"
#include "gui/dialogs/grid_edit_binding.h"

namespace voltaro {

namespace {
constexpr int kGridColumnWidth = 70;
constexpr std::array<int, 4> kCalculationLabels{
    kTextOtherPowerFactorSign, kTextOtherReactivePowerSign, kTextOtherPhaseReactivePower,
    kTextOtherApparentPower};
constexpr std::array<int, 4> kCalculationTexts{2750, 2900, 3000, 3050};
}  // namespace

CAdvancedDialog::CAdvancedDialog(ParameterImage& image, QWidget* parent)
    : CSettingDialog(kTextOtherCaption, parent), model_(image) {
    const CAdvancedDialogModel::Inputs in = model_.Initial();
    voltageCutout_ = MakeEdit(this, kVoltageCutout, in.voltageCutout);
    currentCutout1_ = MakeEdit(this, kCurrentCutout1, in.currentCutout1);
    currentCutout2_ = MakeEdit(this, kCurrentCutout2, in.currentCutout2);
    BindField(CAdvancedDialogModel::VoltageCutoutField, voltageCutout_);
    BindField(CAdvancedDialogModel::CurrentCutout1Field, currentCutout1_);
    BindField(CAdvancedDialogModel::CurrentCutout2Field, currentCutout2_);

    auto* cutout = MakeGroup(this, kTextOtherLowEndCutout);
    auto* cutoutGrid = new QGridLayout(cutout);
    auto addCutout = [&](int row, int labelId, QLineEdit* edit, bool visible) {
        QLabel* label = MakeLabel(cutout, labelId);
        QLabel* unit = MakeLabel(cutout, kTextOtherPercent);
        cutoutGrid->addWidget(label, row, 0);
        cutoutGrid->addWidget(edit, row, 1);
        cutoutGrid->addWidget(unit, row, 2);
        for (QWidget* widget : std::initializer_list<QWidget*>{label, edit, unit}) {
            widget->setVisible(visible);
        }
    };
    addCutout(0, kTextOtherVoltage, voltageCutout_, true);
    addCutout(1, kTextOtherCurrent1, currentCutout1_, model_.CurrentFieldsVisible());
    addCutout(2, kTextOtherCurrent2, currentCutout2_, model_.Channel2Visible());
    grid_ = new CDataGridView(cutout);
    grid_->setObjectName(kChannelGrid);
    cutoutGrid->addWidget(grid_, 3, 0, 1, 3);
    grid_->setVisible(model_.IsZc());
    if (model_.IsZc()) LayOutChannelGrid();

    QLabel* frequencyLabel = MakeLabel(this, kTextOtherFrequencyInput, kFrequencyLabel);
    frequencyInput_ =
        MakeCombo(this, kFrequencyInput,
                  model_.FrequencyInputEnabled() ? model_.FrequencyInputs() : ChoiceList(),
                  in.frequencyInput);
    frequencyLabel->setEnabled(model_.FrequencyInputEnabled());
    frequencyInput_->setEnabled(model_.FrequencyInputEnabled());

    QLabel* tariffLabel = MakeLabel(this, kTextOtherTariffFunction, kTariffLabel);
    tariffFunction_ = MakeRadioPair(this, kTariffFunction, kTextsDisableEnable);
    const bool tariff = model_.TariffFunctionEnabled();
    if (tariff) tariffFunction_.Set(in.tariffEnabled);
    tariffFunction_.SetEnabled(tariff);
    tariffLabel->setEnabled(tariff);

    auto* options = MakeGroup(this, kTextOtherCalculationOption);
    auto* optionGrid = new QGridLayout(options);
    for (std::size_t i = 0; i < calculation_.size(); ++i) {
        const int row = static_cast<int>(i);
        calculation_[i] = MakeRadioPair(options, kCalculation[i], kCalculationTexts[i]);
        calculation_[i].Set(in.calculation[i]);
        optionGrid->addWidget(MakeLabel(options, kCalculationLabels[i]), row, 0);
        optionGrid->addWidget(calculation_[i].first, row, 1);
        optionGrid->addWidget(calculation_[i].second, row, 2);
    }

    auto* middle = new QGridLayout;
    middle->addWidget(frequencyLabel, 0, 0);
    middle->addWidget(frequencyInput_, 0, 1, 1, 2);
    middle->addWidget(tariffLabel, 1, 0);
    middle->addWidget(tariffFunction_.first, 1, 1);
    middle->addWidget(tariffFunction_.second, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cutout);
    layout->addLayout(middle);
    layout->addWidget(options);
    layout->addWidget(MakeButtons());
}

void CAdvancedDialog::LayOutChannelGrid() {
    gridBinding_ = new CGridEditBinding(*grid_, model_);
    // Rows start at 0 (no header row); only the value columns can take the current cell.
    gridBinding_->Layout(kGridColumnWidth, 0, 1);
}

bool CAdvancedDialog::CancelInPlaceEdit() {
    return gridBinding_ != nullptr && gridBinding_->CancelEdit();
}

void CAdvancedDialog::Store() {
    CAdvancedDialogModel::Inputs in;
    in.voltageCutout = TextOf(voltageCutout_);
    in.currentCutout1 = TextOf(currentCutout1_);
    in.currentCutout2 = TextOf(currentCutout2_);
    in.frequencyInput = Selection(frequencyInput_);
    in.tariffEnabled = tariffFunction_.SecondChecked();
    for (std::size_t i = 0; i < calculation_.size(); ++i) {
        in.calculation[i] = calculation_[i].SecondChecked();
    }
    model_.Accept(in);
}

}  // namespace voltaro
