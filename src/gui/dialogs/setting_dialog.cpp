#include "gui/dialogs/setting_dialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

#include "core/platform/ui_text_ids.h"
#include "core/settings/run_setting_dialog.h"
#include "core/settings/setting_fields.h"
#include "gui/app/message_box.h"
#include "core/work/private_exception.h"
#include "gui/app/control_names.h"
#include "gui/app/qt_text.h"

namespace voltaro {

CSettingDialog::CSettingDialog(QWidget* parent) : QDialog(parent) {}

void CSettingDialog::accept()
{
    try {
        AcceptValues();
    } catch (const SettingFieldError& error) {
        if (QWidget* field = FieldWidget(error.Field())) {
            field->setFocus(Qt::OtherFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
        }
        ShowException(this, error);
        return;
    } catch (const CPrivateException& error) {
        ReportFailure(this, error);
        return;
    }
    QDialog::accept();
}

QWidget* CSettingDialog::FieldWidget(int field)
{
    return FindControl(this, field);
}

QDialogButtonBox* CSettingDialog::MakeOkCancel()
{
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    box->setObjectName(QStringLiteral("buttons"));
    QPushButton* ok = box->button(QDialogButtonBox::Ok);
    ok->setText(Text(kTextOk));
    ok->setObjectName(ControlObjectName(1));
    ok->setDefault(true);
    QPushButton* cancel = box->button(QDialogButtonBox::Cancel);
    cancel->setText(Text(kTextCancel));
    cancel->setObjectName(ControlObjectName(2));
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return box;
}

bool RunSettingDialog(CSettingDialog& dialog, ParameterImage& image)
{
    return RunSettingDialog(image, [&dialog](ParameterImage& working) {
        CopyParameterImage(dialog.Working(), working);
        dialog.Initialise();
        if (dialog.exec() != QDialog::Accepted) return false;
        CopyParameterImage(working, dialog.Working());
        return true;
    });
}

}  // namespace voltaro
