#include "gui/controls/grid_model.h"

#include <algorithm>

namespace voltaro {

LabelText DecodeLabelText(const std::string& label) {
    LabelText result;
    if (label == "!") {
        result.visible = false;
        return result;
    }
    std::size_t start = 0;
    while (start < label.size() && (label[start] == '@' || label[start] == '$')) {
        if (label[start] == '@') {
            result.columnSpan = 2;
        } else {
            result.rowSpan = 2;
        }
        ++start;
    }
    result.text = label.substr(start);
    return result;
}

void CGridModel::SetLabels(const std::vector<CellBinding>& labels, int columnWidth, int minRowIndex,
                           int minColumns) {
    labels_ = labels;
    columnWidth_ = columnWidth;
    int largestColumn = -1;
    int largestRow = 0;
    for (const CellBinding& label : labels_) {
        largestColumn = std::max(largestColumn, static_cast<int>(label.column));
        largestRow = std::max(largestRow, static_cast<int>(label.row));
    }
    columns_ = std::max(minColumns, largestColumn + 1);
    rows_ = std::max(minRowIndex, largestRow) + 1;
    // A current cell left outside a smaller grid could never be moved back in.
    if (currentRow_ >= rows_ || currentColumn_ >= columns_) {
        currentRow_ = firstSelectableRow_;
        currentColumn_ = firstSelectableColumn_;
    }
}

void CGridModel::ClearCells() {
    cells_.clear();
}

void CGridModel::SetCellText(int column, int row, std::string text) {
    cells_.push_back({column, row, std::move(text)});
}

bool CGridModel::IsLabelCell(int row, int column) const {
    return std::any_of(labels_.begin(), labels_.end(), [&](const CellBinding& label) {
        return label.row == row && label.column == column;
    });
}

std::string CGridModel::CellText(int column, int row) const {
    for (const GridCell& cell : cells_) {
        if (cell.column == column && cell.row == row) {
            return cell.text;
        }
    }
    return {};
}

bool CGridModel::HitTest(int x, int y, int& column, int& row) const {
    if (x < 0 || y < 0 || columnWidth_ <= 0 || rowHeight_ <= 0) {
        return false;
    }
    column = x / columnWidth_;
    row = y / rowHeight_;
    return column < columns_ && row < rows_;
}

bool CGridModel::CanSelect(int column, int row) const {
    return row >= firstSelectableRow_ && row < rows_ && column >= firstSelectableColumn_ &&
           column < columns_ && !IsLabelCell(row, column);
}

bool CGridModel::Move(int columnStep, int rowStep) {
    if (columnStep == 0 && rowStep == 0) {
        return false;
    }
    int column = currentColumn_ + columnStep;
    int row = currentRow_ + rowStep;
    while (row >= firstSelectableRow_ && row < rows_ && column >= firstSelectableColumn_ &&
           column < columns_) {
        if (!IsLabelCell(row, column)) {
            currentColumn_ = column;
            currentRow_ = row;
            return true;
        }
        column += columnStep;
        row += rowStep;
    }
    return false;
}

bool CGridModel::Select(int column, int row) {
    if (!CanSelect(column, row)) {
        return false;
    }
    currentColumn_ = column;
    currentRow_ = row;
    return true;
}

void CGridModel::SetFirstSelectable(int row, int column) {
    firstSelectableRow_ = row;
    firstSelectableColumn_ = column;
}

}  // namespace voltaro
