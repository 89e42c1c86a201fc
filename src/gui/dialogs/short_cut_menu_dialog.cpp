#include "gui/dialogs/short_cut_menu_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QRadioButton>

#include "core/platform/list_text_ids.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro {

CShortCutMenuDialog::CShortCutMenuDialog(ParameterImage& image, QWidget* parent)
    : CSettingDialog(kTextShortCutCaption, parent), model_(image) {
    clearAlarm_ = MakeRadioPair(this, kClearAlarm, kTextsDisableEnable);
    clearAlarm_.Set(model_.Initial());
    auto* layout = new QGridLayout(this);
    layout->addWidget(MakeLabel(this, kTextShortCutClearAlarm), 0, 0);
    layout->addWidget(clearAlarm_.first, 0, 1);
    layout->addWidget(clearAlarm_.second, 0, 2);
    layout->addWidget(MakeButtons(), 1, 0, 1, 3);
}

}  // namespace voltaro
