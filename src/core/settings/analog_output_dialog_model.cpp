#include "core/settings/analog_output_dialog_model.h"

#include <array>

#include "core/platform/list_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

// The rows of a current or a voltage output: the ranges of the model's table, with the
// unit each row shows; the input and linearizer rows are combos.
constexpr std::array<ListItem, CAnalogOutputDialogModel::kRowCount> MakeItems(bool volts) {
    std::array<ListItem, CAnalogOutputDialogModel::kRowCount> items{};
    for (int setting = 0; setting < CAnalogOutputDialogModel::kRowCount; ++setting) {
        const std::optional<FieldRange> range = AnalogOutputRange(setting, volts);
        const int unit = !AoSettingIsLevel(setting) ? kTextUnitPercent
                         : volts                    ? kTextUnitVolt
                                                    : kTextUnitMilliampere;
        items[static_cast<std::size_t>(setting)] =
            range ? ListItem{range->nameId,
                             static_cast<int32_t>(range->max),
                             static_cast<int32_t>(range->min),
                             static_cast<int32_t>(range->scale),
                             unit,
                             0,
                             0}
                  : ListItem{kAoNameFirst + setting, 0, 0, 1, 0, 0, 0};
    }
    return items;
}

constexpr auto kCurrentItems = MakeItems(false);
constexpr auto kVoltageItems = MakeItems(true);

// Codes of the standard list; the extended list adds 11 and 33 in code order.
constexpr int kStandardCodes[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 12, 13, 14,
                                  15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28,
                                  29, 30, 31, 32, 34, 35, 36, 37, 38, 39, 43, 44};
constexpr int kExtendedCodes[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                  14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27,
                                  28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 43, 44};

const ListColumn kNameColumn = {3800, Alignment::Left, 80};
constexpr int kOutputHeader = 3801;
constexpr int kOutputWidth = 150;
constexpr int kInputComboWidth = 220;

}  // namespace

int CAnalogOutputDialogModel::OutputCount() const {
    const CDeviceType& type = image_.deviceType;
    int count = 4;
    if (!type.HasFeature(FEAT_AO4, 0)) count = 3;
    if (!type.HasFeature(FEAT_AO3, 0)) count = 2;
    if (!type.HasFeature(FEAT_AO2, 0)) count = 1;
    if (!type.HasFeature(FEAT_AO1, 0)) count = 0;
    return count;
}

std::span<const ListItem> CAnalogOutputDialogModel::Items() const {
    return VoltageOutputs() ? std::span<const ListItem>(kVoltageItems)
                            : std::span<const ListItem>(kCurrentItems);
}

bool CAnalogOutputDialogModel::ExtendedInputList() const {
    return image_.deviceType.HasFeature(FEAT_3P4W | FEAT_V3, FAM_KT2_G2);
}

ChoiceList CAnalogOutputDialogModel::InputChoices() const {
    return ExtendedInputList() ? ChoiceList::FromCodes(kExtendedCodes, kTextsMeasurand)
                               : ChoiceList::FromCodes(kStandardCodes, kTextsMeasurand);
}

std::vector<ColumnView> CAnalogOutputDialogModel::Columns() const {
    std::vector<ListColumn> columns{kNameColumn};
    for (int n = 0; n < OutputCount(); ++n)
        columns.push_back({kOutputHeader + n, Alignment::Left, kOutputWidth});
    return ColumnViews(columns);
}

std::string CAnalogOutputDialogModel::CellText(int row, int column) const {
    const ListItem& item = Items()[static_cast<std::size_t>(row)];
    if (column == 0) return LoadString(item.nameId);
    if (column > OutputCount()) return {};
    const uint16_t value = Word(row, column);
    if (row == kAoInput) return LoadString(kTextsMeasurand + value);
    if (row == kAoLinearizer) return LoadString(kTextsLinearizer + value);
    return ScaledCellText(static_cast<int16_t>(value), item.scale, item.unitId);
}

CellEditor CAnalogOutputDialogModel::EditorAt(int row, int column) const {
    if (column < 1 || column > OutputCount() || row < 0 || row >= kRowCount)
        return CellEditor::None;
    return row == kAoInput || row == kAoLinearizer ? CellEditor::Combo : CellEditor::Edit;
}

ComboSetup CAnalogOutputDialogModel::ComboAt(int row, int column) const {
    if (EditorAt(row, column) != CellEditor::Combo) return {};
    const int word = AnalogOutputWord(column - 1, row);
    if (row == kAoInput) {
        const ChoiceList choices = BoundChoices(InputChoices(), image_, word);
        return {choices.Texts(), choices.IndexOfCode(Word(row, column)), kInputComboWidth};
    }
    const ChoiceList choices =
        BoundChoices(ChoiceList::FromStrings(2, kTextsLinearizer), image_, word);
    return {choices.Texts(), choices.IndexOfCode(Word(row, column))};
}

void CAnalogOutputDialogModel::CommitText(int row, int column, const std::string& text) {
    if (EditorAt(row, column) != CellEditor::Edit) return;
    const ListItem& item = Items()[static_cast<std::size_t>(row)];
    Word(row, column) =
        static_cast<uint16_t>(ParseScaledValue(text, item.min, item.max, item.scale, item.nameId));
}

void CAnalogOutputDialogModel::CommitChoice(int row, int column, int index) {
    if (EditorAt(row, column) != CellEditor::Combo) return;
    if (row == kAoInput) {
        if (auto code = InputChoices().CodeAt(index))
            Word(row, column) = static_cast<uint16_t>(*code);
    } else {
        StoreIndex(Word(row, column), index, 2);
    }
}

}  // namespace voltaro
