#include "gui/dialogs/alarm_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/platform/ui_text_ids.h"
#include "gui/app/qt_text.h"
#include "gui/controls/list_ctrl_info_tip.h"
#include "gui/dialogs/list_dialog_binding.h"

namespace voltaro {

CAlarmDialog::CAlarmDialog(ParameterImage& image, QWidget* parent)
    : CSettingDialog(kTextAlarmCaption, parent), model_(image) {
    const CAlarmDialogModel::Inputs initial = model_.Initial();
    powerOnDelay_ = MakeEdit(this, kPowerOnDelay, initial.powerOnDelay);
    latching_ = new QCheckBox(Text(kTextAlarmLatching), this);
    latching_->setObjectName(kLatching);
    latching_->setChecked(initial.latching);
    BindField(CAlarmDialogModel::PowerOnDelayField, powerOnDelay_);

    auto* group = MakeGroup(this, kTextAlarmList);
    list_ = new CListCtrlInfoTip(group);
    list_->setObjectName(kList);
    list_->setMinimumSize(660, 320);
    binding_ = new CListDialogBinding(*list_, model_);
    (new QVBoxLayout(group))->addWidget(list_);

    auto* top = new QGridLayout;
    top->addWidget(MakeLabel(this, kTextAlarmPowerOnDelay), 0, 0);
    top->addWidget(powerOnDelay_, 0, 1);
    top->addWidget(MakeLabel(this, kTextAlarmSec), 0, 2);
    top->addWidget(latching_, 0, 3);
    top->setColumnStretch(4, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(group);
    layout->addWidget(MakeButtons());
}

void CAlarmDialog::Store() {
    model_.Accept({latching_->isChecked(), TextOf(powerOnDelay_)});
}

}  // namespace voltaro
