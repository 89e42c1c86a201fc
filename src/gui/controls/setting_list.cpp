#include "gui/controls/setting_list.h"

#include "gui/app/qt_text.h"

namespace voltaro {

namespace {
constexpr int kChoiceRole = Qt::UserRole + 1;
constexpr int kApplicableRole = Qt::UserRole + 2;
}  // namespace

std::string NumericCellText(const std::string& value, const std::string& unit) {
    return unit.empty() ? value : value + " (" + unit + ")";
}

std::string EditableNumber(const std::string& cellText) {
    return cellText.substr(0, cellText.find(' '));
}

CSettingList::CSettingList(CListCtrlInfoTip& list, std::vector<SettingColumn> columns)
    : QObject(&list),
      list_(list),
      columns_(std::move(columns)),
      choices_(columns_.size()),
      editor_(list.viewport()) {
    list_.setColumnCount(static_cast<int>(columns_.size()));
    QStringList headers;
    for (const SettingColumn& column : columns_) {
        headers << Text(column.headerId);
    }
    list_.setHeaderLabels(headers);
    std::vector<int> widths;
    for (const SettingColumn& column : columns_)
        widths.push_back(column.width);
    list_.SetColumnWidths(std::move(widths));
    connect(&list_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int column) {
        BeginEdit(list_.indexOfTopLevelItem(item), column);
    });
}

void CSettingList::SetRows(const QStringList& names) {
    editor_.Hide();
    list_.clear();
    for (const QString& name : names) {
        auto* item = new QTreeWidgetItem(&list_);
        item->setText(0, name);
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const Qt::Alignment align = columns_[i].alignment == 1 ? Qt::AlignRight : Qt::AlignLeft;
            item->setTextAlignment(static_cast<int>(i), align | Qt::AlignVCenter);
        }
        item->setData(0, kApplicableRole, true);
    }
}

void CSettingList::SetApplicable(int row, bool applicable) {
    QTreeWidgetItem* item = list_.topLevelItem(row);
    if (item == nullptr) {
        return;
    }
    item->setData(0, kApplicableRole, applicable);
    const QPalette& colours = list_.palette();
    const QBrush text = applicable ? colours.brush(QPalette::Active, QPalette::Text)
                                   : colours.brush(QPalette::Disabled, QPalette::Text);
    const QBrush back = applicable ? colours.brush(QPalette::Active, QPalette::Base)
                                   : colours.brush(QPalette::Button);
    for (int column = 0; column < list_.columnCount(); ++column) {
        item->setForeground(column, text);
        item->setBackground(column, back);
    }
}

bool CSettingList::IsApplicable(int row) const {
    const QTreeWidgetItem* item = list_.topLevelItem(row);
    return item != nullptr && item->data(0, kApplicableRole).toBool();
}

void CSettingList::SetCellText(int row, int column, const QString& text) {
    if (QTreeWidgetItem* item = list_.topLevelItem(row)) {
        item->setText(column, text);
    }
}

QString CSettingList::CellText(int row, int column) const {
    const QTreeWidgetItem* item = list_.topLevelItem(row);
    return item != nullptr ? item->text(column) : QString();
}

void CSettingList::SetColumnChoices(int column, const QStringList& choices) {
    if (column >= 0 && static_cast<std::size_t>(column) < choices_.size()) {
        choices_[static_cast<std::size_t>(column)] = choices;
    }
}

void CSettingList::SetChoice(int row, int column, int index) {
    QTreeWidgetItem* item = list_.topLevelItem(row);
    if (item == nullptr || column < 0 || static_cast<std::size_t>(column) >= choices_.size()) {
        return;
    }
    const QStringList& choices = choices_[static_cast<std::size_t>(column)];
    item->setData(column, kChoiceRole, index);
    item->setText(column, index >= 0 && index < choices.size() ? choices.at(index) : QString());
}

int CSettingList::Choice(int row, int column) const {
    const QTreeWidgetItem* item = list_.topLevelItem(row);
    return item != nullptr ? item->data(column, kChoiceRole).toInt() : -1;
}

bool CSettingList::IsEditable(int row, int column) const {
    if (column <= 0 || static_cast<std::size_t>(column) >= columns_.size() || !IsApplicable(row)) {
        return false;
    }
    const SettingColumn::Kind kind = columns_[static_cast<std::size_t>(column)].kind;
    return kind == SettingColumn::kNumber || kind == SettingColumn::kChoice;
}

bool CSettingList::BeginEdit(int row, int column) {
    editor_.Hide();
    if (!IsEditable(row, column)) {
        return false;
    }
    editRow_ = row;
    editColumn_ = column;
    QTreeWidgetItem* item = list_.topLevelItem(row);
    list_.scrollToItem(item);
    const QRect cell = list_.CellRect(item, column);
    if (columns_[static_cast<std::size_t>(column)].kind == SettingColumn::kNumber) {
        editor_.BeginTextEdit(cell, ToQString(EditableNumber(ToStdString(item->text(column)))));
    } else {
        editor_.BeginComboEdit(cell, choices_[static_cast<std::size_t>(column)],
                               Choice(row, column));
    }
    return true;
}

bool CSettingList::CancelEdit() {
    if (!editor_.Active()) {
        return false;
    }
    list_.setFocus(Qt::OtherFocusReason);
    editor_.Hide();
    return true;
}

}  // namespace voltaro
