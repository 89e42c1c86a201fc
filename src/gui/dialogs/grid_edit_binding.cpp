#include "gui/dialogs/grid_edit_binding.h"

#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"
#include "gui/controls/edit_text.h"

namespace voltaro {

CGridEditBinding::CGridEditBinding(CDataGridView& grid, GridModel& model)
    : QObject(&grid), grid_(grid), model_(model), editor_(&grid) {
    Attach(grid_, *this);
    Attach(editor_, *this);
}

CGridEditBinding::~CGridEditBinding() {
    DetachAll();
}

void CGridEditBinding::Layout(int columnWidth, int firstRow, int firstColumn) {
    grid_.SetLabels(model_.GridLabels(), columnWidth, model_.GridRowCount() - 1,
                    model_.GridColumnCount());
    grid_.SetSelectable(true);
    grid_.SetFirstSelectable(firstRow, firstColumn);
    // Start on the first value cell of the first selectable row.
    for (int row = grid_.CurrentRow(); row > firstRow; --row)
        grid_.MoveUp();
    Fill();
}

void CGridEditBinding::Fill() {
    grid_.ClearCells();
    for (int row = 0; row < model_.GridRowCount(); ++row) {
        for (int column = 0; column < model_.GridColumnCount(); ++column) {
            if (!grid_.IsLabelCell(row, column)) {
                grid_.SetCellText(column, row, model_.GridCellText(row, column));
            }
        }
    }
    grid_.update();
}

bool CGridEditBinding::CancelEdit() {
    if (!editor_.Active()) return false;
    grid_.setFocus(Qt::OtherFocusReason);
    editor_.Hide();
    return true;
}

void CGridEditBinding::BeginEdit() {
    row_ = grid_.CurrentRow();
    column_ = grid_.CurrentColumn();
    const QRect cell = grid_.CellRect(column_, row_);
    switch (model_.GridEditorAt(row_, column_)) {
        case CellEditor::Edit:
            editor_.BeginTextEdit(cell, ToQString(grid_.RequestText()), grid_.RequestChar());
            break;
        case CellEditor::Combo: {
            const ComboSetup setup = model_.GridComboAt(row_, column_);
            QStringList texts;
            for (const std::string& text : setup.texts)
                texts << ToQString(text);
            editor_.BeginComboEdit(cell, texts, setup.selected);
            break;
        }
        case CellEditor::None:
            break;
    }
}

void CGridEditBinding::EndEdit() {
    const int result = editor_.GetResult();
    if (result == CParEdit::kCancelled) return;
    try {
        if (result == CParEdit::kEditAccepted) {
            model_.CommitGridText(row_, column_, editor_.Text());
        } else {
            model_.CommitGridChoice(row_, column_, editor_.Selection());
        }
    } catch (const CPrivateException& error) {
        ShowException(grid_.window(), error);
        if (result == CParEdit::kEditAccepted) {
            editor_.ResumeTextEdit();
        } else {
            grid_.setFocus(Qt::OtherFocusReason);
            editor_.Hide();
        }
        return;
    }
    const int navigation = editor_.Navigation();
    Fill();
    NotifyObservers(this);
    grid_.setFocus(Qt::OtherFocusReason);
    editor_.Hide();
    if (grid_.MoveBy(navigation)) grid_.Activate(0);
}

void CGridEditBinding::Update(CObservable* source) {
    if (source == &grid_) {
        BeginEdit();
    } else if (source == &editor_) {
        EndEdit();
    }
}

}  // namespace voltaro
