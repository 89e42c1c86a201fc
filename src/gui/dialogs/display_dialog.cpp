#include "gui/dialogs/display_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QVBoxLayout>

#include "core/platform/ui_text_ids.h"
#include "gui/app/qt_text.h"

namespace voltaro {

CDisplayDialog::CDisplayDialog(ParameterImage& image, QWidget* parent)
    : CSettingDialog(kTextDisplayCaption, parent), model_(image) {
    using Model = CDisplayDialogModel;
    const Model::Inputs in = model_.Initial();
    keyLock_ = MakeCombo(this, kKeyLock, model_.KeyLocks(), in.keyLock);
    dataView_ = MakeEdit(this, kDataView, in.dataView);
    energyView_ = MakeCombo(this, kEnergyView, model_.EnergyViews(), in.energyView);
    unit_ = MakeCombo(this, kUnit, model_.Units(), in.unit);
    operationMode_ = MakeCombo(this, kOperationMode, model_.OperationModes(), in.operationMode);
    offTimer_ = MakeEdit(this, kOffTimer, in.offTimer);
    brightness_ = new QSlider(Qt::Horizontal, this);
    brightness_->setObjectName(kBrightness);
    brightness_->setRange(Model::kBrightnessMin, Model::kBrightnessMax);
    brightness_->setValue(in.brightness);
    updateRate_ = MakeEdit(this, kUpdateRate, in.updateRate);
    usePresetTimer_ = new QCheckBox(Text(kTextDisplayUsePresetTimer), this);
    usePresetTimer_->setObjectName(kUsePresetTimer);
    usePresetTimer_->setChecked(in.usePresetTimer);
    presetTimer_ = MakeEdit(this, kPresetTimer, in.presetTimer);
    myDefaultDataView_ = MakeEdit(this, kMyDefaultDataView, in.myDefaultDataView);
    myDefaultEnergyView_ = MakeCombo(this, kMyDefaultEnergyView, model_.MyDefaultEnergyViews(),
                                     in.myDefaultEnergyView);
    myDefaultUnit_ = MakeCombo(this, kMyDefaultUnit, model_.MyDefaultUnits(), in.myDefaultUnit);

    BindField(Model::OffTimerField, offTimer_);
    BindField(Model::DataViewField, dataView_);
    BindField(Model::UpdateRateField, updateRate_);
    BindField(Model::MyDefaultDataViewField, myDefaultDataView_);
    BindField(Model::PresetTimerField, presetTimer_);

    auto* view = new QGridLayout;
    view->addWidget(MakeLabel(this, kTextDisplayKeyLock), 0, 0);
    view->addWidget(keyLock_, 0, 1, 1, 2);
    view->addWidget(MakeLabel(this, kTextDisplayDataView), 1, 0);
    view->addWidget(dataView_, 1, 1);
    view->addWidget(MakeLabel(this, kTextDisplayEnergyView), 2, 0);
    view->addWidget(energyView_, 2, 1, 1, 2);
    view->addWidget(MakeLabel(this, kTextDisplayEnergyUnit), 3, 0);
    view->addWidget(unit_, 3, 1);
    QLabel* updateLabel = MakeLabel(this, kTextDisplayUpdateRate, kUpdateRateLabel);
    QLabel* updateUnit = MakeLabel(this, kTextDisplaySec, kUpdateRateUnit);
    view->addWidget(updateLabel, 4, 0);
    view->addWidget(updateRate_, 4, 1);
    view->addWidget(updateUnit, 4, 2);
    const bool updateRate = model_.UpdateRateEnabled();
    for (QWidget* widget : std::initializer_list<QWidget*>{updateLabel, updateRate_, updateUnit}) {
        widget->setEnabled(updateRate);
    }

    auto* backlight = MakeGroup(this, kTextDisplayBacklight);
    auto* light = new QGridLayout(backlight);
    light->addWidget(MakeLabel(backlight, kTextDisplayOperationMode), 0, 0);
    light->addWidget(operationMode_, 0, 1, 1, 2);
    light->addWidget(MakeLabel(backlight, kTextDisplayOffTimer), 1, 0);
    light->addWidget(offTimer_, 1, 1);
    light->addWidget(MakeLabel(backlight, kTextDisplaySec), 1, 2);
    light->addWidget(MakeLabel(backlight, kTextDisplayBrightness), 2, 0);
    light->addWidget(brightness_, 2, 1, 1, 2);

    auto* myDefault = MakeGroup(this, kTextDisplayMyDefault);
    auto* preset = new QGridLayout(myDefault);
    preset->addWidget(MakeLabel(myDefault, kTextDisplayDataView), 0, 0);
    preset->addWidget(myDefaultDataView_, 0, 1);
    preset->addWidget(MakeLabel(myDefault, kTextDisplayEnergyView), 1, 0);
    preset->addWidget(myDefaultEnergyView_, 1, 1, 1, 2);
    preset->addWidget(MakeLabel(myDefault, kTextDisplayEnergyUnit), 2, 0);
    preset->addWidget(myDefaultUnit_, 2, 1);
    preset->addWidget(usePresetTimer_, 3, 0);
    preset->addWidget(presetTimer_, 3, 1);
    preset->addWidget(MakeLabel(myDefault, kTextDisplaySec), 3, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(view);
    layout->addWidget(backlight);
    layout->addWidget(myDefault);
    layout->addWidget(MakeButtons());

    connect(operationMode_, &QComboBox::currentIndexChanged, this, [this] { FollowControls(); });
    connect(usePresetTimer_, &QCheckBox::toggled, this, [this] { FollowControls(); });
    FollowControls();
}

void CDisplayDialog::FollowControls() {
    offTimer_->setEnabled(CDisplayDialogModel::OffTimerEnabled(Selection(operationMode_)));
    presetTimer_->setEnabled(CDisplayDialogModel::PresetTimerEnabled(usePresetTimer_->isChecked()));
}

void CDisplayDialog::Store() {
    CDisplayDialogModel::Inputs in;
    in.keyLock = Selection(keyLock_);
    in.dataView = TextOf(dataView_);
    in.energyView = Selection(energyView_);
    in.unit = Selection(unit_);
    in.operationMode = Selection(operationMode_);
    in.offTimer = TextOf(offTimer_);
    in.brightness = brightness_->value();
    in.updateRate = TextOf(updateRate_);
    in.usePresetTimer = usePresetTimer_->isChecked();
    in.presetTimer = TextOf(presetTimer_);
    in.myDefaultDataView = TextOf(myDefaultDataView_);
    in.myDefaultEnergyView = Selection(myDefaultEnergyView_);
    in.myDefaultUnit = Selection(myDefaultUnit_);
    model_.Accept(in);
}

}  // namespace voltaro
