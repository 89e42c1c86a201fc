#pragma once
// The pattern every parameter setting dialog follows. A dialog derives from
// CSettingDialog and implements two operations on its working copy of the image:
//   Initialise()   fill the controls from Working(), apply the device type's features;
//   AcceptValues() read the enabled controls back into Working() in the dialog's order,
//                  throwing SettingFieldError (or CPrivateException) at the first bad one.
// OK runs AcceptValues: a failure shows its message with the stop icon, focuses and selects
// the failing control (named "id<number>", see control_names.h) and keeps the dialog open.
// RunSettingDialog gives the dialog a copy of the main window's image and copies it back
// only when the dialog ends with OK.
#include <QDialog>

#include "core/model/parameter_image.h"

class QDialogButtonBox;

namespace voltaro {

class CSettingDialog : public QDialog {
    Q_OBJECT
public:
    explicit CSettingDialog(QWidget* parent = nullptr);

    ParameterImage& Working() { return working_; }
    const ParameterImage& Working() const { return working_; }
    const CDeviceType& Type() const { return working_.deviceType; }

    virtual void Initialise() = 0;
    virtual void AcceptValues() = 0;

    void accept() override;

protected:
    // The control that a SettingFieldError's field names; by default the child named
    // "id<field>". Dialogs whose models number their fields otherwise override it.
    virtual QWidget* FieldWidget(int field);

    // An OK / Cancel button box with the string-table texts (OK is the default button).
    QDialogButtonBox* MakeOkCancel();

private:
    ParameterImage working_;
};

// Copies image into the dialog, initialises and runs it, and copies the working copy back
// into image only on OK. Returns whether the dialog ended with OK.
bool RunSettingDialog(CSettingDialog& dialog, ParameterImage& image);

}  // namespace voltaro
