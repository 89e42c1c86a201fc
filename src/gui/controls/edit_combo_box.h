#pragma once
// The in-place drop-down list of list- and grid-based setting dialogs. A confirmed choice
// (or Enter) accepts; a drop-down closed without a choice, or Escape, ends without
// acceptance; Left and Right accept with left and right; losing the focus to another
// control while visible hides the box and ends without acceptance. Every ending sets
// committed and navigation and notifies the observers (the CParEdit).
#include <QComboBox>

#include "core/work/observer.h"

namespace voltaro {

class CEditComboBox : public QComboBox, public CObservable {
    Q_OBJECT
  public:
    explicit CEditComboBox(QWidget* parent = nullptr);

    bool committed = false;
    int navigation = 0;

    void showPopup() override;
    void hidePopup() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void End(bool accepted, int navigationCode);
    void PopupClosed();

    // Set while the drop-down is open and no choice was confirmed from it yet.
    bool awaitingChoice_ = false;
};

}  // namespace voltaro
