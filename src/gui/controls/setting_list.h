#pragma once
// The list of a list-based setting dialog: one row per item, the item's name in column 0,
// its values in the other columns. Rows of features the device lacks are drawn in grey on
// the button face and cannot be edited. A click on a cell of an applicable row in an
// editable column starts the in-place editor of that column: the edit box with the number
// (the cell text without its unit) for a numeric column, the drop-down with the column's
// choices for an enumerated one. The dialog observes Editor() (and is observed by it) and
// reads EditRow() and EditColumn() when an edit ends.
#include <QObject>
#include <QStringList>
#include <string>
#include <vector>

#include "gui/controls/list_ctrl_info_tip.h"
#include "gui/controls/par_edit.h"

namespace voltaro {

struct SettingColumn {
    enum Kind { kName, kNumber, kChoice, kReadOnly };
    int headerId;   // string-table id of the header
    int alignment;  // 0 left, 1 right
    int width;      // pixels
    Kind kind;
};

// "value (unit)", or the value alone when there is no unit.
std::string NumericCellText(const std::string& value, const std::string& unit);
// The part of a numeric cell that the edit box shows: up to the first space.
std::string EditableNumber(const std::string& cellText);

class CSettingList : public QObject {
    Q_OBJECT
  public:
    CSettingList(CListCtrlInfoTip& list, std::vector<SettingColumn> columns);

    // Sets the rows: one per name; all applicable until SetApplicable says otherwise.
    void SetRows(const QStringList& names);
    void SetApplicable(int row, bool applicable);
    bool IsApplicable(int row) const;
    void SetCellText(int row, int column, const QString& text);
    QString CellText(int row, int column) const;
    void SetColumnChoices(int column, const QStringList& choices);
    // Shows choice index of the column's choices and remembers the index for editing.
    void SetChoice(int row, int column, int index);
    int Choice(int row, int column) const;

    // Starts the editor for the cell as a click would; false when the cell is not editable.
    bool BeginEdit(int row, int column);
    // Ends an active edit without acceptance by giving the focus back to the list; true when
    // an edit was active (the dialog then stays open instead of closing on Escape).
    bool CancelEdit();

    CParEdit& Editor() { return editor_; }
    int EditRow() const { return editRow_; }
    int EditColumn() const { return editColumn_; }

  private:
    bool IsEditable(int row, int column) const;

    CListCtrlInfoTip& list_;
    std::vector<SettingColumn> columns_;
    std::vector<QStringList> choices_;
    CParEdit editor_;
    int editRow_ = -1;
    int editColumn_ = -1;
};

}  // namespace voltaro
