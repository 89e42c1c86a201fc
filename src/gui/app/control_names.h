#pragma once
// Object names of dialog controls. A control with a numeric id is named "id<number>"
// ("id1032" for the Upload button) and carries a readable name in the property
// "controlName" ("upload"); controls without an id are named by their readable name alone.
// Tests and the error handling find controls through these names.
#include <QString>
#include <QWidget>

namespace voltaro {

class CPrivateException;

// Ids of the OK and the Cancel (or Close) button, the same in every dialog.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

QString ControlObjectName(int id);
// Names widget after id and gives it its readable name.
void NameControl(QWidget* widget, int id, const char* readableName);
// The child of root named after id, or nullptr.
QWidget* FindControl(const QWidget* root, int id);
template <typename T>
T* FindControlAs(const QWidget* root, int id) {
    return qobject_cast<T*>(FindControl(root, id));
}

// Puts the focus on control and selects its text (edit boxes and editable combos).
void FocusAndSelect(QWidget* control);
// FocusAndSelect on the control of id (the shown one when a page reuses the id).
void FocusControl(QWidget* root, int id);
// Shows a failure with the stop icon; a SettingFieldError first focuses its field.
void ReportFailure(QWidget* dialog, const CPrivateException& error);

}  // namespace voltaro
