#pragma once
// The energy page's decisions without its widgets: the view and its lists, the fill (with
// the skip after a preset), which cell may be edited, and committing an edit (input check,
// arithmetic, unlock, writes, store update). The page widget places the editor and shows
// the messages.
#include <span>
#include <string>

#include "core/model/cell_binding.h"
#include "core/model/device_type.h"
#include "core/monitor/energy_preset.h"
#include "core/monitor/measurand_format.h"

namespace voltaro {

class CModbusInterface;
class IPasscodeInteraction;

class CEnergyPageModel {
  public:
    // Views 0 .. 4 (kEnergyTabCount); others are ignored.
    void SetView(int view);
    int View() const { return view_; }
    int GroupTextId() const;
    std::span<const CellBinding> Labels() const;
    std::span<const CellBinding> Values() const;

    // The monitor cycle's fill: false (and the skip flag cleared) when a preset asked to
    // skip it; otherwise takes the device type and returns the cells to show.
    bool Fill(const CMeasurandsKT2& store, const CDeviceType& type,
              std::vector<MeasurandCell>& cells);
    // The cells of the current view from store (no skip, no type change).
    std::vector<MeasurandCell> Cells(const CMeasurandsKT2& store) const;

    // The measurand index of a value cell of the current view, or -1.
    int LookupIndex(int column, int row) const;
    // The preset entry of a cell that may be edited, or nullptr: the cell holds a value
    // with a preset entry, and a counter lies below the device's number of counters.
    const PresetEntry* EditableEntry(int column, int row) const;

    // Commits the text typed for an editable cell: checks it, writes it (see WritePreset),
    // and on success updates the store and sets the skip flag. False when nothing was
    // written because the unlock was cancelled or refused (already reported through
    // interaction). Input and communication failures throw CPrivateException (the store
    // is then unchanged); a cell that is not editable throws nothing and returns false.
    bool Commit(CModbusInterface& client, IPasscodeInteraction& interaction, CMeasurandsKT2& store,
                int column, int row, const std::string& text);

    // 0 or 1: the input whose registers a preset writes (+4000 for kinds 1 to 3).
    int channel = 0;
    // The device's word order of 32-bit values (the monitoring thread's flag).
    bool swapWords = false;
    bool SkipNextFill() const { return skipNextFill_; }
    const CDeviceType& DeviceType() const { return deviceType_; }
    // The number of counters of the device type last filled with (its fifth I/O word).
    int CounterCount() const;

  private:
    int view_ = 0;
    bool skipNextFill_ = false;
    CDeviceType deviceType_;
};

}  // namespace voltaro
