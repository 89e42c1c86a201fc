#pragma once
// What the list-based setting dialogs have in common: item and column tables, which
// rows apply to the device type, and one interface through which the window shows the
// cells and commits in-place edits, whatever the dialog.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/model/cell_binding.h"
#include "core/model/device_type.h"
#include "core/settings/setting_fields.h"

namespace voltaro {

// One row of an item table; limits are in scaled units, masks test the two flag words.
struct ListItem {
    int nameId;
    int32_t max;
    int32_t min;
    int32_t scale;
    int unitId;
    uint32_t mask1;
    uint32_t mask2;
};

enum class Alignment { Left = 0, Right = 1 };

struct ListColumn {
    int headerId;
    Alignment alignment;
    int width;
};

struct ColumnView {
    std::string header;
    Alignment alignment;
    int width;
};

bool ItemApplies(const ListItem& item, const CDeviceType& type);
std::vector<ColumnView> ColumnViews(std::span<const ListColumn> columns);

enum class CellEditor { None, Edit, Combo };

// How a combo editor starts: its entries, the selected entry (-1: none) and the least
// width in pixels it is widened to (0: the cell's width).
struct ComboSetup {
    std::vector<std::string> texts;
    int selected = -1;
    int minWidth = 0;
};

class ListDialogModel {
  public:
    virtual ~ListDialogModel() = default;

    virtual std::vector<ColumnView> Columns() const = 0;
    virtual int RowCount() const = 0;
    // Applicable rows are drawn normally and can be edited; others are greyed.
    virtual bool RowApplies(int row) const = 0;
    virtual std::string CellText(int row, int column) const = 0;
    // The editor a click on the cell opens (None for greyed rows and column 0).
    virtual CellEditor EditorAt(int row, int column) const = 0;
    virtual ComboSetup ComboAt(int row, int column) const = 0;
    // The text an edit box starts with: the cell text without its unit.
    std::string EditTextAt(int row, int column) const {
        return EditableText(CellText(row, column));
    }
    // Validate and store an accepted edit box text; a CPrivateException stores nothing.
    virtual void CommitText(int row, int column, const std::string& text) = 0;
    // Store an accepted combo selection.
    virtual void CommitChoice(int row, int column, int index) = 0;
};

// The same for grids of label and value cells (the ZC channel grid, the CT input page):
// no header row, cells addressed by (row, column) of the grid.
class GridModel {
  public:
    virtual ~GridModel() = default;
    virtual int GridColumnCount() const = 0;
    virtual int GridRowCount() const = 0;
    // The label cells: their string ids and places. GridCellText shows the same texts.
    virtual std::vector<CellBinding> GridLabels() const = 0;
    virtual std::string GridCellText(int row, int column) const = 0;
    virtual CellEditor GridEditorAt(int row, int column) const = 0;
    virtual ComboSetup GridComboAt(int, int) const { return {}; }
    // Validate and store an accepted edit; a CPrivateException stores nothing.
    virtual void CommitGridText(int row, int column, const std::string& text) = 0;
    virtual void CommitGridChoice(int, int, int) {}
};

}  // namespace voltaro
