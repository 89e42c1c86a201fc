#include "gui/monitor/grid_cell_editing.h"

#include "core/platform/private_exception.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"
#include "gui/controls/data_grid_view.h"

namespace voltaro {

CGridCellEditing::CGridCellEditing(CDataGridView* grid, Page page)
    : grid_(grid), page_(std::move(page)), editor_(std::make_unique<CParEdit>(grid)) {
    Attach(*grid_, *this);
    Attach(*editor_, *this);
}

CGridCellEditing::~CGridCellEditing() {
    DetachAll();
}

void CGridCellEditing::Cancel() {
    if (!editor_->Active()) return;
    grid_->setFocus(Qt::OtherFocusReason);
    editor_->Hide();
}

void CGridCellEditing::Update(CObservable* source) {
    if (source == grid_) {
        BeginEdit();
    } else if (source == editor_.get()) {
        EndEdit();
    }
}

void CGridCellEditing::BeginEdit() {
    column_ = grid_->CurrentColumn();
    row_ = grid_->CurrentRow();
    if (!page_.editable(column_, row_)) return;
    editor_->BeginTextEdit(grid_->CellRect(column_, row_), ToQString(grid_->RequestText()),
                           grid_->RequestChar());
}

void CGridCellEditing::EndEdit() {
    if (editor_->GetResult() != CParEdit::kEditAccepted) return;
    bool written = false;
    try {
        WaitCursor wait;
        written = page_.commit(column_, row_, editor_->Text());
    } catch (const CPrivateException& error) {
        ShowException(grid_->window(), error);
    }
    if (!written) {
        editor_->ResumeTextEdit();
        return;
    }
    const int navigation = editor_->Navigation();
    page_.written();
    grid_->setFocus(Qt::OtherFocusReason);
    editor_->Hide();
    if (grid_->MoveBy(navigation)) grid_->Activate(0);
}

}  // namespace voltaro
