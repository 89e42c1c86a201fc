#include "gui/dialogs/display_sigma_dialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "core/platform/ui_text_ids.h"
#include "gui/controls/list_ctrl_info_tip.h"
#include "gui/dialogs/list_dialog_binding.h"

namespace voltaro {

CDisplaySigmaDialog::CDisplaySigmaDialog(ParameterImage& image, QWidget* parent)
    : CSettingDialog(kTextSigmaCaption, parent), model_(image) {
    list_ = new CListCtrlInfoTip(this);
    list_->setObjectName(kList);
    list_->setMinimumSize(420, 420);
    binding_ = new CListDialogBinding(*list_, model_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(MakeButtons());
}

}  // namespace voltaro
