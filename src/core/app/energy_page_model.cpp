#include "core/app/energy_page_model.h"

#include "core/app/meter_monitor_model.h"
#include "core/app/monitor_page_lists.h"

namespace voltaro {
namespace {}  // namespace

void CEnergyPageModel::SetView(int view) {
    if (view < 0 || view >= kEnergyTabCount) return;
    view_ = view;
}

int CEnergyPageModel::GroupTextId() const {
    return EnergyGroupTextId(view_);
}

std::span<const CellBinding> CEnergyPageModel::Labels() const {
    return EnergyLabels(view_);
}

std::span<const CellBinding> CEnergyPageModel::Values() const {
    return EnergyValues(view_);
}

bool CEnergyPageModel::Fill(const CMeasurandsKT2& store, const CDeviceType& type,
                            std::vector<MeasurandCell>& cells) {
    if (skipNextFill_) {
        skipNextFill_ = false;
        return false;
    }
    deviceType_ = type;
    cells = Cells(store);
    return true;
}

std::vector<MeasurandCell> CEnergyPageModel::Cells(const CMeasurandsKT2& store) const {
    return MeasurandCellTexts(store, Values());
}

int CEnergyPageModel::LookupIndex(int column, int row) const {
    return voltaro::LookupIndex(Values(), column, row);
}

int CEnergyPageModel::CounterCount() const {
    return deviceType_.ioConfig[kIoCounters];
}

const PresetEntry* CEnergyPageModel::EditableEntry(int column, int row) const {
    const int index = LookupIndex(column, row);
    if (index < 0) return nullptr;
    const PresetEntry* entry = FindPresetEntry(index);
    if (entry == nullptr) return nullptr;
    if (entry->kind == kPresetCounter && index - kIdxCounter1 >= CounterCount()) return nullptr;
    return entry;
}

bool CEnergyPageModel::Commit(CModbusInterface& client, IPasscodeInteraction& interaction,
                              CMeasurandsKT2& store, int column, int row, const std::string& text) {
    const PresetEntry* entry = EditableEntry(column, row);
    if (entry == nullptr) return false;
    const int64_t scaled = ParsePresetInput(*entry, text);
    const PresetWords words = PresetWordsOf(entry->kind, scaled);
    if (!WritePreset(client, interaction, *entry, channel, words, swapWords)) return false;
    StorePresetWords(store, *entry, words);
    skipNextFill_ = true;
    return true;
}

}  // namespace voltaro
