#pragma once
// The ZC energy page of the preset dialog without its widgets: the module view and its
// lists, the fill (skipped once after a preset, whose value would otherwise be replaced by
// a read made before the write), which cell may be edited, and committing an edit.
#include <span>
#include <string>
#include <vector>

#include "core/model/cell_binding.h"
#include "core/monitor/measurand_format.h"
#include "core/monitor/zc_preset.h"

namespace voltaro {

class CModbusInterface;

class CZcEnergyPageModel {
  public:
    void SetView(int view);
    int View() const { return view_; }
    std::span<const CellBinding> Labels() const;
    std::span<const CellBinding> Values() const;

    // The dialog cycle's fill: false (and the skip flag cleared) after a preset,
    // otherwise true with the cells to show.
    bool Fill(const CMeasurandsKT2& store, std::vector<MeasurandCell>& cells);
    std::vector<MeasurandCell> Cells(const CMeasurandsKT2& store) const;

    // The preset entry of a value cell of the current view, or nullptr.
    const PresetEntry* EditableEntry(int column, int row) const;
    // Checks and writes the text typed for an editable cell; on success the store holds the
    // new value and the next fill is skipped. Input and communication failures throw
    // CPrivateException (nothing changed); false for a cell that is not editable.
    bool Commit(CModbusInterface& client, CMeasurandsKT2& store, int column, int row,
                const std::string& text);
    bool SkipNextFill() const { return skipNextFill_; }

  private:
    int view_ = 0;
    bool skipNextFill_ = false;
};

}  // namespace voltaro
