#pragma once
// The display lists of the power management monitor's pages: the ZC main page's upper
// (hourly) and lower (present values) grids by module view, the channel detail's
// instantaneous and demand grids by Trend / Max / Min, and the ZC energy page of the
// preset dialog by module view.
#include <span>

#include "core/model/cell_binding.h"

namespace voltaro {

// ZC main page, grid 1158: nine columns, 26 rows.
constexpr int kZcUpperColumns = 9;
constexpr int kZcUpperRows = 26;
std::span<const CellBinding> ZcUpperLabels(int view);
std::span<const CellBinding> ZcUpperValues(int view);
// ZC main page, grid 1159: nine columns, seven rows.
constexpr int kZcLowerColumns = 9;
constexpr int kZcLowerRows = 7;
std::span<const CellBinding> ZcLowerLabels(int view);
std::span<const CellBinding> ZcLowerValues(int view);

// Channel detail, grid 1003 (the meter monitor's labels, InstantaneousLabels) and grid
// 1004: two columns, nine rows (views: ZcDetailRead).
std::span<const CellBinding> ZcInstantaneousValues(int view);
constexpr int kZcDemandColumns = 2;
std::span<const CellBinding> ZcDemandLabels(int view);
std::span<const CellBinding> ZcDemandValues(int view);

// ZC energy page of the preset dialog, grid 1159: nine columns, three rows.
constexpr int kZcEnergyColumns = 9;
constexpr int kZcEnergyRows = 3;
std::span<const CellBinding> ZcEnergyLabels(int view);
std::span<const CellBinding> ZcEnergyValues(int view);

// Whether the main page's eight "Detail" buttons are enabled in a view (not for the
// discrete inputs), and the channel (0 .. 15) that button i (0 .. 7) opens.
bool ZcDetailEnabled(int view);
int ZcDetailChannel(int view, int i);

// The string id of the header of page column k (0 .. 7) in a view: "1ch" .., "9ch" ..,
// or "DI1" ...
int ZcColumnLabelId(int view, int k);

}  // namespace voltaro
