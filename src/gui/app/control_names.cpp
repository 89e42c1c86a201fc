#include "gui/app/control_names.h"

#include <QComboBox>
#include <QLineEdit>

#include "core/settings/setting_fields.h"
#include "gui/app/message_box.h"

namespace voltaro {

QString ControlObjectName(int id) {
    return QStringLiteral("id%1").arg(id);
}

void NameControl(QWidget* widget, int id, const char* readableName) {
    widget->setObjectName(ControlObjectName(id));
    widget->setProperty("controlName", QString::fromLatin1(readableName));
}

QWidget* FindControl(const QWidget* root, int id) {
    return root->findChild<QWidget*>(ControlObjectName(id));
}

void FocusControl(QWidget* root, int id) {
    // A page may reuse the ids of controls it replaces: take the one that is shown.
    QWidget* control = nullptr;
    for (QWidget* candidate : root->findChildren<QWidget*>(ControlObjectName(id))) {
        if (control == nullptr || candidate->isVisibleTo(root)) control = candidate;
        if (candidate->isVisibleTo(root)) break;
    }
    if (control != nullptr) FocusAndSelect(control);
}

void FocusAndSelect(QWidget* control) {
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->selectAll();
    } else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit()) {
        combo->lineEdit()->selectAll();
    }
}

void ReportFailure(QWidget* dialog, const CPrivateException& error) {
    if (const auto* field = dynamic_cast<const SettingFieldError*>(&error)) {
        FocusControl(dialog, field->Field());
    }
    ShowException(dialog, error);
}

}  // namespace voltaro
