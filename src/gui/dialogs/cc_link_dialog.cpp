#include "gui/dialogs/cc_link_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>

#include "core/platform/ui_text_ids.h"

namespace voltaro {

CCCLinkDialog::CCCLinkDialog(ParameterImage& image, QWidget* parent)
    : CSettingDialog(kTextCcLinkCaption, parent), model_(image) {
    const CCCLinkDialogModel::Inputs in = model_.Initial();
    node_ = MakeEdit(this, kNode, in.node);
    rate_ = MakeCombo(this, kRate, model_.Rates(), in.rate);
    BindField(CCCLinkDialogModel::NodeField, node_);
    auto* layout = new QGridLayout(this);
    layout->addWidget(MakeLabel(this, kTextCcLinkNodeAddress), 0, 0);
    layout->addWidget(node_, 0, 1);
    layout->addWidget(MakeLabel(this, kTextCcLinkTransferRate), 1, 0);
    layout->addWidget(rate_, 1, 1);
    layout->addWidget(MakeButtons(), 2, 0, 1, 2);
}

void CCCLinkDialog::Store() {
    model_.Accept({TextOf(node_), Selection(rate_)});
}

}  // namespace voltaro
