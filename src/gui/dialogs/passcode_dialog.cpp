#include "gui/dialogs/passcode_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/platform/ui_text_ids.h"
#include "gui/app/qt_text.h"

namespace voltaro {

namespace {

QLineEdit* MakeDigitField(QWidget* parent, const char* name) {
    QLineEdit* edit = MakeEdit(parent, QString::fromLatin1(name));
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(CPasscodeDialogModel::kDigits);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

}  // namespace

CPasscodeDialog::CPasscodeDialog(ParameterImage& image, QWidget* parent)
    : CSettingDialog(kTextPasscodeCaption, parent), model_(image) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeLabel(this, kTextPasscodeEnter4Digits));
    auto* form = new QFormLayout;
    newPasscode_ = MakeDigitField(this, "new_passcode");
    confirm_ = MakeDigitField(this, "confirm_passcode");
    BindField(CPasscodeDialogModel::NewPasscodeField, newPasscode_);
    BindField(CPasscodeDialogModel::ConfirmField, confirm_);
    form->addRow(MakeLabel(this, kTextPasscodeNew), newPasscode_);
    form->addRow(MakeLabel(this, kTextPasscodeConfirm), confirm_);
    layout->addLayout(form);
    layout->addWidget(MakeButtons());
}

void CPasscodeDialog::Store() {
    model_.Accept(TextOf(newPasscode_), TextOf(confirm_));
}

}  // namespace voltaro
