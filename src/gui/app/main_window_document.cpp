// The main window's document: the changed state behind the title and the close question,
// the status line, and where closing, Escape and the file commands ask first.
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "core/app/main_window_status.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_text.h"
#include "gui/dialogs/input2_page.h"

namespace voltaro {

void CBasicParameterDialog::keyPressEvent(QKeyEvent* event) {
    // QDialog closes on Escape; the main window holds the user's work and does not.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CBasicParameterDialog::closeEvent(QCloseEvent* event) {
    if (!ConfirmDiscardChanges()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

MainWindowInput CBasicParameterDialog::QuietInput() const {
    MainWindowInput input = CollectInput();
    input.storeInputPage = [page = inputPage_](ParameterImage& image) { page->SaveQuietly(image); };
    return input;
}

bool CBasicParameterDialog::IsModified() const {
    ParameterImage current;
    CopyParameterImage(current, model_.Image());
    try {
        ReadMainWindowControls(QuietInput(), current);
    } catch (...) {
        return true;  // a value that does not read back was typed after the last save
    }
    return session_.document.IsModified(current);
}

void CBasicParameterDialog::MarkClean(DocumentEvent event, const std::string& path) {
    ParameterImage clean;
    CopyParameterImage(clean, model_.Image());
    try {
        ReadMainWindowControls(QuietInput(), clean);
    } catch (...) {
        CopyParameterImage(clean, model_.Image());
    }
    session_.document.MarkClean(clean, event, path);
    UpdateTitle();
}

void CBasicParameterDialog::WatchForEdits() {
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (!filling_) UpdateTitle();
        });
    }
    for (QComboBox* combo : findChildren<QComboBox*>()) {
        connect(combo, &QComboBox::currentIndexChanged, this, [this] {
            if (!filling_) UpdateTitle();
        });
    }
}

void CBasicParameterDialog::UpdateTitle() {
    if (status_ == nullptr) return;  // still being built
    setWindowTitle(
        ToQString(MainWindowTitle(ToStdString(ProductTitle()), session_.document.FileName(),
                                  IsModified(), DeviceText(session_.device, session_.serial))));
}

void CBasicParameterDialog::SetStatus(const QString& text) {
    status_->setText(text);
}

QString CBasicParameterDialog::StatusText() const {
    return status_->text();
}

bool CBasicParameterDialog::ConfirmDiscardChanges() {
    if (!IsModified()) return true;
    QMessageBox box(QMessageBox::Warning, ProductTitle(), Text(kTextAskSaveChanges),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("unsaved_changes"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            SaveFile();
            return !IsModified();  // not saved (cancelled or failed): stay
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

}  // namespace voltaro
