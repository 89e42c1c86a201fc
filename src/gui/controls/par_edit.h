#pragma once
// In-place editing of one cell of a list or grid. CParEdit owns an edit box and a drop-down
// list (children of the list or grid, with its font), observes both and tells its own
// observer (the dialog) how an edit ended: Result 0 cancelled, 1 drop-down accepted
// (Selection holds the index), 2 edit box accepted (Text holds the text); Navigation is the
// ending editor's code. When the dialog has handled an accepted edit it notifies the
// CParEdit in turn, which hides both editors and returns to 0. An edit that ends without
// acceptance hides its editor at once and gives the focus back to the list or grid.
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <string>

#include "core/work/observer.h"
#include "gui/controls/edit_combo_box.h"
#include "gui/controls/edit_text.h"

namespace voltaro {

class CParEdit : public CObserver, public CObservable {
  public:
    enum Result { kCancelled = 0, kComboAccepted = 1, kEditAccepted = 2 };

    // The editors become children of host (the list's viewport or the grid).
    explicit CParEdit(QWidget* host);
    ~CParEdit() override;

    void Update(CObservable* source) override;

    // Shows the edit box over cell (inset by one pixel) with text, all selected, and the
    // focus; a typed first character (0 for none) replaces the selection at once.
    void BeginTextEdit(const QRect& cell, const QString& text, int firstChar = 0);
    // Fills the drop-down with choices, selects current, shows it over cell with the focus
    // and, when dropDown is set, opens the list at once.
    void BeginComboEdit(const QRect& cell, const QStringList& choices, int current,
                        bool dropDown = true);
    // Shows the edit box again where it was, its text selected and focused (after the
    // dialog refused the text of an accepted edit).
    void ResumeTextEdit();
    // Hides both editors without notifying; the result becomes cancelled.
    void Hide();
    bool Active() const;

    int GetResult() const { return result_; }
    const std::string& Text() const { return text_; }
    int Selection() const { return selection_; }
    int Navigation() const { return navigation_; }

    CEditText* Edit() const { return edit_; }
    CEditComboBox* Combo() const { return combo_; }

  private:
    void EndCancelled(QWidget* editor);

    QPointer<CEditText> edit_;
    QPointer<CEditComboBox> combo_;
    std::string text_;
    int selection_ = -1;
    int result_ = kCancelled;
    int navigation_ = 0;
};

}  // namespace voltaro
