#include "gui/dialogs/passcode_prompts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/app/protect_input.h"
#include "core/device/passcode_store.h"
#include "core/platform/profile.h"
#include "core/platform/ui_text_ids.h"
#include "core/settings/setting_fields.h"
#include "gui/app/control_names.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"

namespace voltaro {

namespace {

// The template id of the "Enter passcode" prompt (its object name "id145").
constexpr int kEnterPasscodeTemplate = 145;

QLineEdit* MaskedField(QWidget* parent, const char* name, bool digitsOnly) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setEchoMode(QLineEdit::Password);
    if (digitsOnly) {
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    }
    return edit;
}

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    box->button(QDialogButtonBox::Ok)->setText(Text(kTextOk));
    box->button(QDialogButtonBox::Ok)->setObjectName(ControlObjectName(kIdOk));
    box->button(QDialogButtonBox::Cancel)->setText(Text(kTextCancel));
    box->button(QDialogButtonBox::Cancel)->setObjectName(ControlObjectName(kIdCancel));
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

}  // namespace

CEnterPasscodeDialog::CEnterPasscodeDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(ControlObjectName(kEnterPasscodeTemplate));
    setWindowTitle(Text(kTextEnterPasscodeCaption));
    auto* top = new QVBoxLayout(this);
    top->addWidget(new QLabel(WithLineBreaks(Text(kTextEnterPasscodeText)), this));
    field_ = MaskedField(this, "passcode", false);
    top->addWidget(field_);
    save_ = new QCheckBox(Text(kTextEnterPasscodeSave), this);
    save_->setObjectName(QStringLiteral("save_passcode"));
    top->addWidget(save_);
    top->addWidget(OkCancel(this));

    CUserProfile profile;
    CEnterPasscodeModel model(profile);
    save_->setChecked(model.SaveChecked());
    field_->setText(ToQString(model.FieldText()));
    connect(field_, &QLineEdit::textEdited, this, [this] { changed_ = true; });
}

void CEnterPasscodeDialog::accept() {
    CUserProfile profile;
    CEnterPasscodeModel model(profile);
    passcode_ = model.Accept(changed_, ToStdString(field_->text()), save_->isChecked());
    QDialog::accept();
}

CProtectDialog::CProtectDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("id146"));
    setWindowTitle(Text(kTextProtectCaption));
    auto* top = new QVBoxLayout(this);
    top->addWidget(new QLabel(WithLineBreaks(Text(kTextProtectText)), this));
    auto* form = new QFormLayout;
    current_ = MaskedField(this, "current_passcode", true);
    new_ = MaskedField(this, "new_passcode", true);
    confirm_ = MaskedField(this, "confirm_passcode", true);
    for (QLineEdit* edit : {current_, new_, confirm_})
        edit->setMaxLength(9);
    form->addRow(Text(kTextProtectCurrent), current_);
    form->addRow(Text(kTextProtectNew), new_);
    form->addRow(Text(kTextProtectConfirm), confirm_);
    top->addLayout(form);
    top->addWidget(OkCancel(this));
}

void CProtectDialog::accept() {
    try {
        result_ = ReadProtectionInput(ToStdString(current_->text()), ToStdString(new_->text()),
                                      ToStdString(confirm_->text()));
    } catch (const SettingFieldError& error) {
        QLineEdit* field = error.Field() == kProtectCurrentField ? current_ : new_;
        FocusAndSelect(field);
        ShowException(this, error);
        return;
    }
    QDialog::accept();
}

std::optional<uint32_t> CPasscodePrompts::AskPasscode() {
    const NormalCursor normal;
    CEnterPasscodeDialog dialog(parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Passcode();
}

std::optional<ProtectionChange> CPasscodePrompts::AskProtection() {
    const NormalCursor normal;
    CProtectDialog dialog(parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
}

void CPasscodePrompts::ShowError(const std::string& text) {
    voltaro::ShowError(parent_, text);
}

bool CPasscodePrompts::Confirm(const std::string& text) {
    return Ask(parent_, ToQString(text));
}

}  // namespace voltaro
