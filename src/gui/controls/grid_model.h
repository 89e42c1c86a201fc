#pragma once
// Everything the data grid decides without pixels: its size from the label list, which
// cells are labels, what a cell shows, which cell lies under a point and where the current
// cell moves. CDataGridView draws and forwards input; tests drive this class directly.
#include <string>
#include <vector>

#include "core/model/cell_binding.h"

namespace voltaro {

struct GridCell {
    int column;
    int row;
    std::string text;
};

// How a label text is drawn: "!" is not drawn; a leading "@" spans the cell and the one to
// its right, a leading "$" the cell and the one below (both may be given, in either order).
struct LabelText {
    bool visible = true;
    std::string text;
    int columnSpan = 1;
    int rowSpan = 1;
};
LabelText DecodeLabelText(const std::string& label);

class CGridModel {
  public:
    // Replaces the labels; columns = max(minColumns, largest label column + 1) and
    // rows = max(minRowIndex, largest label row) + 1. Value cells outside are not drawn.
    void SetLabels(const std::vector<CellBinding>& labels, int columnWidth, int minRowIndex,
                   int minColumns);
    void ClearCells();
    // Appends: a later text for the same cell does not replace the first one.
    void SetCellText(int column, int row, std::string text);

    bool IsLabelCell(int row, int column) const;
    // The first text set for the cell, empty when none.
    std::string CellText(int column, int row) const;

    // The cell under the pixel point; false outside the grid.
    bool HitTest(int x, int y, int& column, int& row) const;
    // True when the cell may become the current cell: inside the selectable range and
    // not a label.
    bool CanSelect(int column, int row) const;
    // Steps one cell in the direction, skipping labels; the current cell stays when no
    // selectable cell lies that way. Returns whether it moved.
    bool Move(int columnStep, int rowStep);
    // Makes the cell current when it can be selected.
    bool Select(int column, int row);

    int PixelWidth() const { return columns_ * columnWidth_ + 1; }
    int PixelHeight() const { return rows_ * rowHeight_ + 1; }

    const std::vector<CellBinding>& Labels() const { return labels_; }
    const std::vector<GridCell>& Cells() const { return cells_; }
    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    int ColumnWidth() const { return columnWidth_; }
    int RowHeight() const { return rowHeight_; }
    void SetRowHeight(int height) { rowHeight_ = height; }
    int CurrentRow() const { return currentRow_; }
    int CurrentColumn() const { return currentColumn_; }
    int FirstSelectableRow() const { return firstSelectableRow_; }
    int FirstSelectableColumn() const { return firstSelectableColumn_; }
    void SetFirstSelectable(int row, int column);

  private:
    std::vector<CellBinding> labels_;
    std::vector<GridCell> cells_;
    int columnWidth_ = 10;
    int rowHeight_ = 1;
    int columns_ = 1;
    int rows_ = 1;
    int currentRow_ = 1;
    int currentColumn_ = 1;
    int firstSelectableRow_ = 1;
    int firstSelectableColumn_ = 1;
};

}  // namespace voltaro
