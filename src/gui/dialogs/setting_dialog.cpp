#include "gui/dialogs/setting_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/platform/ui_text_ids.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"

namespace voltaro {

namespace {
// Number fields hold a few digits; they need not stretch with the dialog.
constexpr int kEditWidth = 120;
}  // namespace

QLabel* MakeLabel(QWidget* parent, int textId, const QString& name) {
    auto* label = new QLabel(WithLineBreaks(Text(textId)), parent);
    label->setObjectName(name.isEmpty() ? QStringLiteral("label%1").arg(textId) : name);
    return label;
}

QGroupBox* MakeGroup(QWidget* parent, int textId) {
    auto* group = new QGroupBox(Text(textId), parent);
    group->setObjectName(QStringLiteral("group%1").arg(textId));
    return group;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, const std::string& text) {
    auto* edit = new QLineEdit(ToQString(text), parent);
    edit->setObjectName(name);
    edit->setMaximumWidth(kEditWidth);
    return edit;
}

QComboBox* MakeCombo(QWidget* parent, const QString& name, const ChoiceList& choices,
                     int selection) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    for (const std::string& text : choices.Texts())
        combo->addItem(ToQString(text));
    combo->setCurrentIndex(selection);
    return combo;
}

void RadioPair::Set(bool secondChecked) {
    (secondChecked ? second : first)->setChecked(true);
}

bool RadioPair::SecondChecked() const {
    return second->isChecked();
}

void RadioPair::SetEnabled(bool enabled) {
    first->setEnabled(enabled);
    second->setEnabled(enabled);
}

RadioPair MakeRadioPair(QWidget* parent, const QString& name, int firstTextId, int secondTextId) {
    RadioPair pair;
    pair.first = new QRadioButton(Text(firstTextId), parent);
    pair.second =
        new QRadioButton(Text(secondTextId != 0 ? secondTextId : firstTextId + 1), parent);
    pair.first->setObjectName(name + QStringLiteral("First"));
    pair.second->setObjectName(name + QStringLiteral("Second"));
    auto* group = new QButtonGroup(parent);
    group->addButton(pair.first);
    group->addButton(pair.second);
    return pair;
}

int Selection(const QComboBox* combo) {
    return combo->currentIndex();
}

std::string TextOf(const QLineEdit* edit) {
    return ToStdString(edit->text());
}

CSettingDialog::CSettingDialog(int captionId, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Text(captionId));
}

QDialogButtonBox* CSettingDialog::MakeButtons() {
    auto* box = new QDialogButtonBox(this);
    box->setObjectName(QStringLiteral("buttons"));
    QPushButton* ok = box->addButton(Text(kTextOk), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = box->addButton(Text(kTextCancel), QDialogButtonBox::RejectRole);
    ok->setObjectName(ControlObjectName(kIdOk));
    cancel->setObjectName(ControlObjectName(kIdCancel));
    ok->setDefault(true);
    connect(box, &QDialogButtonBox::accepted, this, &CSettingDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &CSettingDialog::reject);
    return box;
}

bool CSettingDialog::Accept() {
    try {
        Store();
    } catch (const SettingFieldError& error) {
        ShowException(this, error);
        FocusField(error.Field());
        return false;
    } catch (const CPrivateException& error) {
        ShowException(this, error);
        return false;
    }
    done(QDialog::Accepted);
    return true;
}

void CSettingDialog::reject() {
    if (CancelInPlaceEdit()) return;
    QDialog::reject();
}

void CSettingDialog::FocusField(int field) {
    const auto it = fields_.find(field);
    if (it != fields_.end()) FocusAndSelect(it->second);
}

}  // namespace voltaro
