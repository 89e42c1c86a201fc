#pragma once
// The meter monitor as text, for a display without widgets (voltaro-cli monitor): the
// window's grids (monitor_page_lists.h) as titled sections of cell texts, every view of
// the tabbed pages at once, plus harmonic spectra; and their layout as lines of text.
#include <string>
#include <vector>

#include <span>

#include "core/model/cell_binding.h"
#include "core/model/device_type.h"
#include "core/monitor/measurand_store.h"

namespace voltaro {

struct TextSection {
    std::string title;
    std::vector<std::vector<std::string>> rows;  // cell texts, [row][column]
    bool labelColumn = true;                     // column 0 holds row labels (left-aligned)
};

// The sections, most looked-at first (a small screen shows the top): instantaneous values
// (Trend, Max, Min); demand (Trend, Max); the four energy views; the counters when the
// device type has them; THD; the analogue outputs when it has them; device information;
// then the spectra of harmonicSets (0 .. 9).
std::vector<TextSection> MonitorTextSections(const CMeasurandsKT2& store, const CDeviceType& type,
                                             const std::vector<int>& harmonicSets);

// A grid from its label and value lists, cells as the window's grid shows them; a section
// without rows when every value cell is blank.
TextSection GridTextSection(const std::string& title, std::span<const CellBinding> labels,
                            std::span<const CellBinding> values, const CMeasurandsKT2& store);
// The spectrum of harmonic set (0 .. 9): orders and percentages, ten orders a line pair.
TextSection SpectrumTextSection(const CMeasurandsKT2& store, int set);

// The display width of UTF-8 text in terminal columns (wide East Asian characters count 2).
int TextWidth(const std::string& text);

// A section's lines: its title, then its rows with the columns two spaces apart, the
// label column left-aligned and the others right-aligned.
std::vector<std::string> RenderTextSection(const TextSection& section);

// Blocks of lines placed side by side, two spaces apart, while a row of blocks fits in
// width columns (a block wider than width stands alone); a blank line follows each row.
std::vector<std::string> ArrangeTextBlocks(const std::vector<std::vector<std::string>>& blocks,
                                           int width);

}  // namespace voltaro
