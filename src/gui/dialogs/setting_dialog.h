#pragma once
// The frame every setting dialog shares: caption from the string table, OK and Cancel,
// and the Accept path. Accept reads the controls into the working copy through the
// dialog's view-model; a refused field shows its message with the stop icon, gets the
// focus with its text selected, and the dialog stays open.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <map>

#include "core/settings/run_setting_dialog.h"
#include "core/settings/setting_fields.h"
#include "gui/app/control_names.h"

class QDialogButtonBox;
class QGroupBox;

namespace voltaro {

// Controls with a template id are named by ControlObjectName and found by FindControlAs
// (gui/app/control_names.h).

// Static texts and group boxes are named after their text: "label<textId>", "group<textId>".
QLabel* MakeLabel(QWidget* parent, int textId, const QString& name = {});
QGroupBox* MakeGroup(QWidget* parent, int textId);
QLineEdit* MakeEdit(QWidget* parent, const QString& name, const std::string& text = {});
// A drop-down list with the choices' texts and the selection (-1: none).
QComboBox* MakeCombo(QWidget* parent, const QString& name, const ChoiceList& choices,
                     int selection);

// Two radio buttons that store 0 for the first and 1 for the second.
struct RadioPair {
    QRadioButton* first = nullptr;
    QRadioButton* second = nullptr;
    void Set(bool secondChecked);
    bool SecondChecked() const;
    void SetEnabled(bool enabled);
};
// Radio pair in a button group of its own with the texts firstTextId and secondTextId
// (by default firstTextId + 1: an enumeration's two entries), named name + "First" and
// name + "Second".
RadioPair MakeRadioPair(QWidget* parent, const QString& name, int firstTextId,
                        int secondTextId = 0);

class CSettingDialog : public QDialog {
    Q_OBJECT
  public:
    CSettingDialog(int captionId, QWidget* parent);

    // Reads every enabled control back through the model; true when the dialog closed with
    // OK. The OK button lands here.
    bool Accept();
    void accept() override { Accept(); }
    // Escape and Cancel: a dialog with an in-place edit in progress ends the edit instead.
    void reject() override;

  protected:
    // Store the controls in the working copy; throws the model's SettingFieldError.
    virtual void Store() = 0;
    // Ends an active in-place edit (focus back to the list or grid); true when one was active.
    virtual bool CancelInPlaceEdit() { return false; }

    // The widget that shows a model field, focused and selected when the field is refused.
    void BindField(int field, QWidget* widget) { fields_[field] = widget; }
    // The OK / Cancel row (objectNames "id1", "id2").
    QDialogButtonBox* MakeButtons();

  private:
    void FocusField(int field);
    std::map<int, QWidget*> fields_;
};

// Runs Dialog(copy, args..., parent) modally on a copy of image through the copy protocol:
// image takes the edited copy back only when the dialog ends with OK (the result).
template <typename Dialog, typename... Args>
bool RunDialogOn(ParameterImage& image, QWidget* parent, Args... args) {
    return RunSettingDialog(image, [&](ParameterImage& copy) {
        Dialog dialog(copy, args..., parent);
        return dialog.exec() == QDialog::Accepted;
    });
}

// Combo selection as the models take it.
int Selection(const QComboBox* combo);
std::string TextOf(const QLineEdit* edit);

}  // namespace voltaro
