#include "gui/dialogs/list_setting_dialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "gui/controls/list_ctrl_info_tip.h"

namespace voltaro {

CListSettingDialog::CListSettingDialog(int captionId, bool escapeEndsEdit, QSize listSize,
                                       QWidget* parent)
    : CSettingDialog(captionId, parent), escapeEndsEdit_(escapeEndsEdit) {
    list_ = new CListCtrlInfoTip(this);
    list_->setObjectName(kList);
    list_->setMinimumSize(listSize);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(MakeButtons());
}

void CListSettingDialog::Bind(ListDialogModel& model) {
    binding_ = new CListDialogBinding(*list_, model);
}

bool CListSettingDialog::CancelInPlaceEdit() {
    return escapeEndsEdit_ && binding_->CancelEdit();
}

}  // namespace voltaro
