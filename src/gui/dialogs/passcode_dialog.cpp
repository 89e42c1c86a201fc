#include "gui/dialogs/passcode_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/platform/ui_text_ids.h"
#include "core/settings/passcode_dialog_model.h"
#include "gui/app/qt_text.h"

namespace voltaro {

namespace {

QLineEdit* MakeDigitField(QWidget* parent, const char* name, int maxLength)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(maxLength);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

}  // namespace

CPasscodeDialog::CPasscodeDialog(QWidget* parent) : CSettingDialog(parent)
{
    setWindowTitle(Text(kTextPasscodeCaption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Text(kTextPasscodeEnter4Digits), this));
    auto* form = new QFormLayout;
    newPasscode_ = MakeDigitField(this, "new_passcode", CPasscodeDialogModel::kDigits);
    confirm_ = MakeDigitField(this, "confirm_passcode", CPasscodeDialogModel::kDigits);
    form->addRow(Text(kTextPasscodeNew), newPasscode_);
    form->addRow(Text(kTextPasscodeConfirm), confirm_);
    layout->addLayout(form);
    layout->addWidget(MakeOkCancel());
}

void CPasscodeDialog::AcceptValues()
{
    CPasscodeDialogModel(Working()).Accept(ToStdString(newPasscode_->text()),
                                           ToStdString(confirm_->text()));
}

QWidget* CPasscodeDialog::FieldWidget(int field)
{
    return field == CPasscodeDialogModel::ConfirmField ? confirm_ : newPasscode_;
}

}  // namespace voltaro
