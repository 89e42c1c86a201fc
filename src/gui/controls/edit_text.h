#pragma once
// The in-place edit box of list- and grid-based setting dialogs. Every ending of an edit
// sets Committed and Navigation and notifies the observers (the CParEdit):
// Enter accepts (navigation none); Down and Up accept with down and up; Left accepts with
// left only when the caret stands at 0 with nothing selected, Right with right only at the
// end with nothing selected (otherwise they move the caret); losing the focus while visible
// to another control hides the box and ends without acceptance.
#include <QLineEdit>

#include "core/work/observer.h"

namespace voltaro {

enum EditNavigation {
    kNavigateNone = 0,
    kNavigateDown = 1,
    kNavigateUp = 2,
    kNavigateLeft = 3,
    kNavigateRight = 4
};

// True when a focus loss means the user went to another control of the window; losing it
// to a popup or because the whole window went inactive (another window, a message box)
// keeps the edit going, and it has the focus again when the window comes back.
inline bool FocusMovedAway(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

class CEditText : public QLineEdit, public CObservable {
    Q_OBJECT
  public:
    explicit CEditText(QWidget* parent = nullptr);

    bool committed = false;
    int navigation = kNavigateNone;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void End(bool accepted, int navigationCode);
};

}  // namespace voltaro
