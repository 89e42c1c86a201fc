#include "core/app/zc_energy_page_model.h"

#include "core/app/monitor_page_lists.h"
#include "core/app/zc_page_lists.h"
#include "core/monitor/zc_registers.h"

namespace voltaro {

void CZcEnergyPageModel::SetView(int view) {
    if (view >= 0 && view < kZcViewCount) view_ = view;
}

std::span<const CellBinding> CZcEnergyPageModel::Labels() const {
    return ZcEnergyLabels(view_);
}

std::span<const CellBinding> CZcEnergyPageModel::Values() const {
    return ZcEnergyValues(view_);
}

bool CZcEnergyPageModel::Fill(const CMeasurandsKT2& store, std::vector<MeasurandCell>& cells) {
    if (skipNextFill_) {
        skipNextFill_ = false;
        return false;
    }
    cells = Cells(store);
    return true;
}

std::vector<MeasurandCell> CZcEnergyPageModel::Cells(const CMeasurandsKT2& store) const {
    return MeasurandCellTexts(store, Values());
}

const PresetEntry* CZcEnergyPageModel::EditableEntry(int column, int row) const {
    const int index = LookupIndex(Values(), column, row);
    return index < 0 ? nullptr : FindZcPresetEntry(index);
}

bool CZcEnergyPageModel::Commit(CModbusInterface& client, CMeasurandsKT2& store, int column,
                                int row, const std::string& text) {
    const PresetEntry* entry = EditableEntry(column, row);
    if (entry == nullptr) return false;
    const int64_t value = ParseZcPresetInput(*entry, view_, text);
    PresetZcValue(client, store, *entry, view_, value);
    skipNextFill_ = true;
    return true;
}

}  // namespace voltaro
