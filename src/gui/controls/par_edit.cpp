#include "gui/controls/par_edit.h"

#include <algorithm>

#include "gui/app/qt_text.h"

namespace voltaro {

CParEdit::CParEdit(QWidget* host) : edit_(new CEditText(host)), combo_(new CEditComboBox(host)) {
    Attach(*edit_, *this);
    Attach(*combo_, *this);
}

CParEdit::~CParEdit() {
    DetachAll();
}

void CParEdit::Update(CObservable* source) {
    // The dialog may start the next edit while it handles this one, so what ended is
    // taken before it is told.
    if (edit_ != nullptr && source == static_cast<CObservable*>(edit_.data())) {
        const bool accepted = edit_->committed;
        text_ = ToStdString(edit_->text());
        navigation_ = edit_->navigation;
        result_ = accepted ? kEditAccepted : kCancelled;
        NotifyObservers(this);
        if (!accepted) EndCancelled(edit_);
    } else if (combo_ != nullptr && source == static_cast<CObservable*>(combo_.data())) {
        const bool accepted = combo_->committed;
        selection_ = combo_->currentIndex();
        navigation_ = combo_->navigation;
        result_ = accepted ? kComboAccepted : kCancelled;
        NotifyObservers(this);
        if (!accepted) EndCancelled(combo_);
    } else {
        // The dialog has handled the edit.
        Hide();
    }
}

void CParEdit::EndCancelled(QWidget* editor) {
    // An edit ended without acceptance (Escape, a list closed without a choice) is over for
    // every dialog: the editor goes, and the list or grid under it takes the focus back, so
    // that the next Escape reaches the dialog.
    if (editor == nullptr || !editor->isVisible()) return;
    const bool hadFocus = editor->hasFocus() || editor->window()->focusWidget() == editor;
    Hide();
    if (!hadFocus) return;
    QWidget* view = editor->parentWidget();
    while (view != nullptr && view->focusPolicy() == Qt::NoFocus)
        view = view->parentWidget();
    if (view != nullptr) view->setFocus(Qt::OtherFocusReason);
}

void CParEdit::Hide() {
    result_ = kCancelled;
    if (edit_ != nullptr) {
        edit_->hide();
    }
    if (combo_ != nullptr) {
        combo_->hide();
    }
}

bool CParEdit::Active() const {
    return (edit_ != nullptr && edit_->isVisible()) || (combo_ != nullptr && combo_->isVisible());
}

void CParEdit::BeginTextEdit(const QRect& cell, const QString& text, int firstChar) {
    Hide();
    if (edit_ == nullptr) {
        return;
    }
    edit_->setGeometry(cell.adjusted(1, 1, -1, -1));
    edit_->setText(text);
    edit_->selectAll();
    edit_->show();
    edit_->raise();
    edit_->setFocus(Qt::OtherFocusReason);
    if (firstChar != 0) {
        const char32_t ch = static_cast<char32_t>(firstChar);
        edit_->insert(QString::fromUcs4(&ch, 1));
    }
}

void CParEdit::ResumeTextEdit() {
    if (edit_ == nullptr) return;
    edit_->show();
    edit_->raise();
    edit_->selectAll();
    edit_->setFocus(Qt::OtherFocusReason);
}

void CParEdit::BeginComboEdit(const QRect& cell, const QStringList& choices, int current,
                              bool dropDown) {
    Hide();
    if (combo_ == nullptr) {
        return;
    }
    combo_->clear();
    combo_->addItems(choices);
    combo_->setGeometry(cell.x(), cell.y(), cell.width(),
                        std::max(cell.height(), combo_->sizeHint().height()));
    combo_->setCurrentIndex(current);
    combo_->show();
    combo_->raise();
    combo_->setFocus(Qt::OtherFocusReason);
    if (dropDown) {
        combo_->showPopup();
    }
}

}  // namespace voltaro
