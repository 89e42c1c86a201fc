#include "gui/dialogs/list_dialog_binding.h"

#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"

namespace voltaro {
namespace {

// The list control takes the column layout; which editor a cell opens is the model's
// decision (the analog output list changes editors by row), so no column edits by itself.
std::vector<SettingColumn> SettingColumns(const std::vector<ColumnView>& views) {
    std::vector<SettingColumn> columns;
    for (std::size_t i = 0; i < views.size(); ++i) {
        columns.push_back({0, static_cast<int>(views[i].alignment), views[i].width,
                           i == 0 ? SettingColumn::kName : SettingColumn::kReadOnly});
    }
    return columns;
}

}  // namespace

CListDialogBinding::CListDialogBinding(CListCtrlInfoTip& list, ListDialogModel& model)
    : QObject(&list), list_(list), model_(model), setting_(list, SettingColumns(model.Columns())) {
    QStringList headers;
    for (const ColumnView& column : model_.Columns())
        headers << ToQString(column.header);
    list_.setHeaderLabels(headers);
    QStringList names;
    for (int row = 0; row < model_.RowCount(); ++row)
        names << ToQString(model_.CellText(row, 0));
    setting_.SetRows(names);
    for (int row = 0; row < model_.RowCount(); ++row) {
        setting_.SetApplicable(row, model_.RowApplies(row));
    }
    Refresh();
    Attach(setting_.Editor(), *this);
    connect(&list_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int column) {
        BeginEdit(list_.indexOfTopLevelItem(item), column);
    });
}

CListDialogBinding::~CListDialogBinding() {
    DetachAll();
}

void CListDialogBinding::Refresh() {
    const int columns = static_cast<int>(model_.Columns().size());
    for (int row = 0; row < model_.RowCount(); ++row) {
        for (int column = 1; column < columns; ++column) {
            setting_.SetCellText(row, column, ToQString(model_.CellText(row, column)));
        }
    }
}

bool CListDialogBinding::BeginEdit(int row, int column) {
    const CellEditor kind = model_.EditorAt(row, column);
    QTreeWidgetItem* item = list_.topLevelItem(row);
    if (kind == CellEditor::None || item == nullptr) return false;
    row_ = row;
    column_ = column;
    list_.scrollToItem(item);
    QRect cell = list_.CellRect(item, column);
    if (kind == CellEditor::Edit) {
        setting_.Editor().BeginTextEdit(cell, ToQString(model_.EditTextAt(row, column)));
        return true;
    }
    const ComboSetup setup = model_.ComboAt(row, column);
    if (cell.width() < setup.minWidth) cell.setLeft(cell.right() + 1 - setup.minWidth);
    QStringList texts;
    for (const std::string& text : setup.texts)
        texts << ToQString(text);
    setting_.Editor().BeginComboEdit(cell, texts, setup.selected);
    return true;
}

void CListDialogBinding::Update(CObservable* source) {
    CParEdit& editor = setting_.Editor();
    if (source != &editor || editor.GetResult() == CParEdit::kCancelled) return;
    try {
        if (editor.GetResult() == CParEdit::kEditAccepted) {
            model_.CommitText(row_, column_, editor.Text());
        } else {
            model_.CommitChoice(row_, column_, editor.Selection());
        }
    } catch (const CPrivateException& error) {
        ShowException(list_.window(), error);
    }
    list_.setFocus(Qt::OtherFocusReason);
    editor.Hide();
    Refresh();
}

}  // namespace voltaro
