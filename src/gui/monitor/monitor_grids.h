#pragma once
// Filling the monitor's grids: cell texts come from the measurand store's formatting
// (core/monitor/measurand_format.h); the grid is cleared first and repainted once.
#include <span>
#include <vector>

#include "core/model/cell_binding.h"
#include "core/monitor/measurand_format.h"

class QWidget;

namespace voltaro {

class CDataGridView;
class CGridFrame;

void ShowCells(CDataGridView& grid, const std::vector<MeasurandCell>& cells);
void FillGrid(CDataGridView& grid, const CMeasurandsKT2& store,
              std::span<const CellBinding> values);

std::vector<CellBinding> ToVector(std::span<const CellBinding> list);

// A grid frame whose grid is named after its control id.
CGridFrame* MakeGridFrame(QWidget* parent, int id, const char* name);

}  // namespace voltaro
