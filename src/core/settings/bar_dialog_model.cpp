#include "core/settings/bar_dialog_model.h"

#include <algorithm>

#include "core/platform/list_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

const ListItem kItems[CBarDialogModel::kItemCount] = {
    {4000, 20000000, 0, 1000, kTextUnitAmpere, 0, 0},
    {4001, 40000000, 0, 100, kTextUnitVolt, 0, 0},
    {4002, 2000000000, -2000000000, 1, kTextUnitWatt, 0, 0},
    {4003, 2000000000, -2000000000, 1, kTextUnitVar, 0, 0},
    {4004, 2000000000, 0, 1, kTextUnitVoltAmpere, 0, 0},
    {4005, 10000, -10000, 10000, kTextUnitCosPhi, 0, 0},
    {4006, 6500, 4500, 100, kTextUnitHertz, 0, 0},
    {4007, 9999, 0, 10, kTextUnitPercent, 0, 0},
    {4008, 180, -180, 1, kTextUnitDegree, 0, 0},
};

const ListColumn kColumns[] = {
    {3950, Alignment::Left, 80},
    {3951, Alignment::Right, 100},
    {3952, Alignment::Right, 100},
};

}  // namespace

std::span<const ListItem> CBarDialogModel::Items() {
    return kItems;
}

int32_t CBarDialogModel::ColumnMinimum(int item, int column) {
    const int32_t min = kItems[item].min;
    return column == FullColumn ? std::max<int32_t>(min, 0) : min;
}

std::vector<ColumnView> CBarDialogModel::Columns() const {
    return ColumnViews(kColumns);
}

std::string CBarDialogModel::CellText(int row, int column) const {
    const ListItem& item = kItems[row];
    if (column == NameColumn) return LoadString(item.nameId);
    if (EditorAt(row, column) == CellEditor::None) return {};
    const auto value = static_cast<int32_t>(image_.Get32(BarScaleWord(row, column == ZeroColumn)));
    return ScaledCellText(value, item.scale, item.unitId);
}

CellEditor CBarDialogModel::EditorAt(int row, int column) const {
    const bool valid =
        row >= 0 && row < kItemCount && (column == FullColumn || column == ZeroColumn);
    return valid ? CellEditor::Edit : CellEditor::None;
}

void CBarDialogModel::CommitText(int row, int column, const std::string& text) {
    if (EditorAt(row, column) == CellEditor::None) return;
    const ListItem& item = kItems[row];
    const int64_t value =
        ParseScaledValue(text, ColumnMinimum(row, column), item.max, item.scale, item.nameId);
    image_.Set32(BarScaleWord(row, column == ZeroColumn), static_cast<uint32_t>(value));
}

}  // namespace voltaro
