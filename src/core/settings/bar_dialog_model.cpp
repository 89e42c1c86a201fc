#include "core/settings/bar_dialog_model.h"

#include "core/platform/list_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

// The zero-percent scale's range of the model's table (a full scale is not negative).
constexpr ListItem Item(int item, int unitId) {
    const MeasurandRange& range = kBarScales[item];
    return {kBarNameFirst + item, range.max, range.min, range.scale, unitId, 0, 0};
}

const ListItem kItems[CBarDialogModel::kItemCount] = {
    Item(0, kTextUnitAmpere), Item(1, kTextUnitVolt),       Item(2, kTextUnitWatt),
    Item(3, kTextUnitVar),    Item(4, kTextUnitVoltAmpere), Item(5, kTextUnitCosPhi),
    Item(6, kTextUnitHertz),  Item(7, kTextUnitPercent),    Item(8, kTextUnitDegree),
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
    return static_cast<int32_t>(BarScaleRange(item, column == ZeroColumn).min);
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
    const int64_t value = ParseScaledValue(text, BarScaleRange(row, column == ZeroColumn));
    image_.Set32(BarScaleWord(row, column == ZeroColumn), static_cast<uint32_t>(value));
}

}  // namespace voltaro
