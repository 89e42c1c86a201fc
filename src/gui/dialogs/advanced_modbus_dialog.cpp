#include "gui/dialogs/advanced_modbus_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "core/platform/ui_text_ids.h"
#include "gui/app/qt_text.h"

namespace voltaro {

CAdvancedModbusDialog::CAdvancedModbusDialog(ParameterImage& image, QWidget* parent)
    : CSettingDialog(kTextAdvModbusCaption, parent), model_(image) {
    const CAdvancedModbusDialogModel::Inputs in = model_.Initial();
    order_ = MakeRadioPair(this, kOrder, kTextAdvModbusNormal, kTextAdvModbusSwap);
    order_.Set(in.swap);
    t15_ = MakeEdit(this, kT15, in.t15);
    t35_ = MakeEdit(this, kT35, in.t35);
    BindField(CAdvancedModbusDialogModel::T15Field, t15_);
    BindField(CAdvancedModbusDialogModel::T35Field, t35_);
    QLabel* warning = MakeLabel(this, kTextAdvModbusWarning, kWarning);
    warning->setWordWrap(true);
    QPalette palette = warning->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    warning->setPalette(palette);

    auto* layout = new QGridLayout(this);
    layout->addWidget(MakeLabel(this, kTextAdvModbusLongRegister), 0, 0);
    layout->addWidget(order_.first, 0, 1);
    layout->addWidget(order_.second, 0, 2);
    layout->addWidget(MakeLabel(this, kTextAdvModbusT15), 1, 0);
    layout->addWidget(t15_, 1, 1);
    layout->addWidget(MakeLabel(this, kTextAdvModbusT35), 2, 0);
    layout->addWidget(t35_, 2, 1);
    layout->addWidget(warning, 3, 0, 1, 3);
    layout->addWidget(MakeButtons(), 4, 0, 1, 3);
}

void CAdvancedModbusDialog::Store() {
    model_.Accept({order_.SecondChecked(), TextOf(t15_), TextOf(t35_)});
}

}  // namespace voltaro
