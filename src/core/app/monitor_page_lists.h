#pragma once
// The display lists of the meter monitor's grids: label lists (string ids) and value lists
// (measurand indexes) of the max/min page, the energy page, the THD grid, the
// device-information grid and the analogue-output grid, by view.
#include <span>

#include "core/model/cell_binding.h"

namespace voltaro {

// Max/min page (views: TrendTab). Grid 1003: seven columns, eight rows, one label list.
std::span<const CellBinding> InstantaneousLabels();
std::span<const CellBinding> InstantaneousValues(int view);
// Grid 1004: six columns, nine rows; the header row depends on the view.
std::span<const CellBinding> DemandLabels(int view);
std::span<const CellBinding> DemandValues(int view);

// Energy page, grid 1005 (views 0 .. 4: two of each tariff, then the counters).
std::span<const CellBinding> EnergyLabels(int view);
std::span<const CellBinding> EnergyValues(int view);
// Group box text of the energy page: "Energy" for views 0 to 3, "Counter" for view 4.
int EnergyGroupTextId(int view);

// THD grid 1006, device-information grid 1007 (also the device information dialog),
// analogue-output grid 1009.
std::span<const CellBinding> ThdLabels();
std::span<const CellBinding> ThdValues();
std::span<const CellBinding> DeviceInfoLabels();
std::span<const CellBinding> DeviceInfoValues();
std::span<const CellBinding> AnalogOutputLabels();
std::span<const CellBinding> AnalogOutputValues();

// The measurand index of a value cell in a list, or -1.
int LookupIndex(std::span<const CellBinding> values, int column, int row);

}  // namespace voltaro
