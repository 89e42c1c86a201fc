#pragma once
// The power management monitor as text, for a display without widgets (voltaro-cli
// monitor on a ZC device): the grids of the ZC main page or of the channel detail as
// titled sections (monitor_text_view.h lays them out).
#include <vector>

#include "core/app/monitor_text_view.h"

namespace voltaro {

// A page pass of view (ZcModuleView): the hourly grid and the present values of the
// view's eight columns, the device clock and the device information. A detail pass of
// channel (0 .. 15; view ignored): its instantaneous and demand grids of Trend, Max and
// Min, its THD grid, then the spectra of harmonicSets.
std::vector<TextSection> ZcMonitorTextSections(const CMeasurandsKT2& store, int view,
                                               int detailChannel,
                                               const std::vector<int>& harmonicSets);

}  // namespace voltaro
