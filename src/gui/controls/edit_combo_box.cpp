#include "gui/controls/edit_combo_box.h"

#include <QAbstractItemView>
#include <QKeyEvent>

#include "gui/controls/edit_text.h"

namespace voltaro {

CEditComboBox::CEditComboBox(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("parEditCombo"));
    hide();
    // Only a choice from the open list confirms; arrow keys on the closed box change the
    // selection (QComboBox reports that as activated too) and Enter confirms it.
    connect(this, &QComboBox::activated, this, [this] {
        if (awaitingChoice_) {
            awaitingChoice_ = false;
            End(true, kNavigateNone);
        }
    });
}

void CEditComboBox::End(bool accepted, int navigationCode) {
    committed = accepted;
    navigation = navigationCode;
    NotifyObservers(this);
}

void CEditComboBox::showPopup() {
    awaitingChoice_ = true;
    QComboBox::showPopup();
}

void CEditComboBox::hidePopup() {
    QComboBox::hidePopup();
    // A choice made from the list is reported (activated) only after the list closed, so
    // whether this was a cancel is decided once the events of the closing are handled.
    QMetaObject::invokeMethod(this, &CEditComboBox::PopupClosed, Qt::QueuedConnection);
}

void CEditComboBox::PopupClosed() {
    if (awaitingChoice_) {
        awaitingChoice_ = false;
        End(false, kNavigateNone);
    }
}

void CEditComboBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            End(true, kNavigateNone);
            return;
        case Qt::Key_Escape:
            End(false, kNavigateNone);
            return;
        case Qt::Key_Left:
            End(true, kNavigateLeft);
            return;
        case Qt::Key_Right:
            End(true, kNavigateRight);
            return;
        default:
            QComboBox::keyPressEvent(event);
    }
}

void CEditComboBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // The open drop-down takes the focus while the box still edits.
    if (isVisible() && FocusMovedAway(event->reason()) && !view()->isVisible()) {
        hide();
        End(false, kNavigateNone);
    }
}

}  // namespace voltaro
