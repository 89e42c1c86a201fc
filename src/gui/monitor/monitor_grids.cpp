#include "gui/monitor/monitor_grids.h"

#include "gui/app/control_names.h"
#include "gui/app/qt_text.h"
#include "gui/controls/data_grid_view.h"
#include "gui/controls/grid_frame.h"

namespace voltaro {

void ShowCells(CDataGridView& grid, const std::vector<MeasurandCell>& cells) {
    grid.ClearCells();
    for (const MeasurandCell& cell : cells)
        grid.SetCellText(cell.column, cell.row, cell.text);
    grid.update();
}

void FillGrid(CDataGridView& grid, const CMeasurandsKT2& store,
              std::span<const CellBinding> values) {
    ShowCells(grid, MeasurandCellTexts(store, values));
}

std::vector<CellBinding> ToVector(std::span<const CellBinding> list) {
    return {list.begin(), list.end()};
}

CGridFrame* MakeGridFrame(QWidget* parent, int id, const char* name) {
    auto* frame = new CGridFrame(parent);
    NameControl(frame->Grid(), id, name);
    frame->setObjectName(QString::fromLatin1(name) + QStringLiteral("_frame"));
    return frame;
}

}  // namespace voltaro
