#include "gui/controls/edit_text.h"

#include <QKeyEvent>

namespace voltaro {

CEditText::CEditText(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("parEditText"));
    hide();
}

void CEditText::End(bool accepted, int navigationCode) {
    committed = accepted;
    navigation = navigationCode;
    NotifyObservers(this);
}

void CEditText::keyPressEvent(QKeyEvent* event) {
    const bool noSelection = !hasSelectedText();
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            End(true, kNavigateNone);
            return;
        case Qt::Key_Down:
            End(true, kNavigateDown);
            return;
        case Qt::Key_Up:
            End(true, kNavigateUp);
            return;
        case Qt::Key_Left:
            if (noSelection && cursorPosition() == 0 && event->modifiers() == Qt::NoModifier) {
                End(true, kNavigateLeft);
                return;
            }
            break;
        case Qt::Key_Right:
            if (noSelection && cursorPosition() == text().size() &&
                event->modifiers() == Qt::NoModifier) {
                End(true, kNavigateRight);
                return;
            }
            break;
        default:
            break;
    }
    QLineEdit::keyPressEvent(event);
}

void CEditText::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (isVisible() && FocusMovedAway(event->reason())) {
        hide();
        End(false, kNavigateNone);
    }
}

}  // namespace voltaro
