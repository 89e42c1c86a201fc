#include "core/settings/alarm_dialog_model.h"

#include <algorithm>

#include "core/platform/list_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

constexpr uint32_t kAll = 0x80000000u;
constexpr uint32_t kNeutral = 0x20100000u;

// An item's row: its setpoint range from the model's table, its unit and which types have it.
constexpr ListItem Item(int item, int unitId, uint32_t mask1, uint32_t mask2) {
    const MeasurandRange& range = kAlarmSetpointScales[item];
    return {2300 + item, range.max, range.min, range.scale, unitId, mask1, mask2};
}

const ListItem kItems[CAlarmDialogModel::kItemCount] = {
    Item(0, kTextUnitAmpere, kAll, 0xA0),      Item(1, kTextUnitAmpere, kNeutral, 0xA1),
    Item(2, kTextUnitVolt, kAll, 0xA0),        Item(3, kTextUnitVolt, kAll, 0xA0),
    Item(4, kTextUnitWatt, kAll, 0xA0),        Item(5, kTextUnitVar, kAll, 0xA0),
    Item(6, kTextUnitVoltAmpere, kAll, 0xA0),  Item(7, kTextUnitCosPhi, kAll, 0xA0),
    Item(8, kTextUnitHertz, kAll, 0xA0),       Item(9, kTextUnitAmpere, kAll, 0xA0),
    Item(10, kTextUnitAmpere, kNeutral, 0xA1), Item(11, kTextUnitWatt, kAll, 0xA0),
    Item(12, kTextUnitVar, kAll, 0xA0),        Item(13, kTextUnitVoltAmpere, kAll, 0xA0),
    Item(14, kTextUnitPercent, kAll, 0xA0),    Item(15, kTextUnitPercent, kNeutral, 0xA1),
    Item(16, kTextUnitPercent, kAll, 0xA0),    Item(17, kTextUnitPercent, kAll, 0xA0),
    Item(18, kTextUnitDegree, 0, 0xA6),
};

const ListColumn kColumns[] = {
    {2250, Alignment::Left, 180}, {2251, Alignment::Right, 100}, {2252, Alignment::Right, 100},
    {2253, Alignment::Right, 70}, {2254, Alignment::Right, 70},  {2255, Alignment::Left, 130},
};

constexpr int kOutputFamilySize = 6;

int32_t Signed32(const ParameterImage& image, int word) {
    return static_cast<int32_t>(image.Get32(word));
}

}  // namespace

std::span<const ListItem> CAlarmDialogModel::Items() {
    return kItems;
}

CAlarmDialogModel::Inputs CAlarmDialogModel::Initial() const {
    return {image_.words[kWordAlarmLatching] == 1,
            std::to_string(image_.words[kWordAlarmPowerOnDelay])};
}

void CAlarmDialogModel::Accept(const Inputs& inputs) {
    image_.words[kWordAlarmLatching] = inputs.latching ? 1 : 0;
    image_.words[kWordAlarmPowerOnDelay] = static_cast<uint16_t>(
        ReadField(PowerOnDelayField, inputs.powerOnDelay, kPowerOnDelayRange));
}

int CAlarmDialogModel::OutputChoiceCount(int item) const {
    const CDeviceType& type = image_.deviceType;
    int count = 2;
    if (type.HasFeature(FEAT_DO4, 0))
        count = 6;
    else if (type.HasFeature(FEAT_DO3, 0))
        count = 5;
    else if (type.HasFeature(FEAT_DO2, 0))
        count = 4;
    else if (type.HasFeature(FEAT_DO1, 0))
        count = 3;
    // Widen the list so that a stored output through an absent Do can still be shown,
    // but never beyond the six texts the family has.
    const int stored = image_.words[AlarmOutputWord(item)];
    if (stored >= count) count = std::min(stored + 1, kOutputFamilySize);
    return count;
}

std::vector<ColumnView> CAlarmDialogModel::Columns() const {
    return ColumnViews(kColumns);
}

bool CAlarmDialogModel::RowApplies(int row) const {
    return ItemApplies(kItems[row], image_.deviceType);
}

std::string CAlarmDialogModel::CellText(int row, int column) const {
    const ListItem& item = kItems[row];
    if (column == NameColumn) return LoadString(item.nameId);
    if (!RowApplies(row)) return {};
    switch (column) {
        case HighColumn:
            return ScaledCellText(Signed32(image_, AlarmHighWord(row)), item.scale, item.unitId);
        case LowColumn:
            return ScaledCellText(Signed32(image_, AlarmLowWord(row)), item.scale, item.unitId);
        case HysteresisColumn:
            return ScaledCellText(static_cast<int16_t>(image_.words[AlarmHysteresisWord(row)]), 10,
                                  kTextUnitPercent);
        case DelayColumn:
            return ScaledCellText(static_cast<int16_t>(image_.words[AlarmDelayWord(row)]), 1,
                                  kTextUnitSecond);
        case OutputColumn: {
            const int stored = image_.words[AlarmOutputWord(row)];
            return stored < kOutputFamilySize ? LoadString(OutputTextBase() + stored)
                                              : std::to_string(stored);
        }
        default:
            return {};
    }
}

CellEditor CAlarmDialogModel::EditorAt(int row, int column) const {
    if (column <= NameColumn || column > OutputColumn || !RowApplies(row)) return CellEditor::None;
    return column == OutputColumn ? CellEditor::Combo : CellEditor::Edit;
}

ComboSetup CAlarmDialogModel::ComboAt(int row, int column) const {
    if (EditorAt(row, column) != CellEditor::Combo) return {};
    const int word = AlarmOutputWord(row);
    const ChoiceList choices = BoundChoices(
        ChoiceList::FromStrings(OutputChoiceCount(row), OutputTextBase()), image_, word);
    return {choices.Texts(), choices.IndexOfCode(image_.words[word])};
}

void CAlarmDialogModel::CommitText(int row, int column, const std::string& text) {
    if (EditorAt(row, column) != CellEditor::Edit) return;
    switch (column) {
        case HighColumn:
            image_.Set32(AlarmHighWord(row), static_cast<uint32_t>(ParseScaledValue(
                                                 text, AlarmSetpointRange(row, true))));
            break;
        case LowColumn:
            image_.Set32(AlarmLowWord(row), static_cast<uint32_t>(ParseScaledValue(
                                                text, AlarmSetpointRange(row, false))));
            break;
        case HysteresisColumn:
            image_.words[AlarmHysteresisWord(row)] =
                static_cast<uint16_t>(ParseScaledValue(text, kAlarmHysteresisRange));
            break;
        case DelayColumn:
            image_.words[AlarmDelayWord(row)] =
                static_cast<uint16_t>(ParseScaledValue(text, kAlarmDelayRange));
            break;
        default:
            break;
    }
}

void CAlarmDialogModel::CommitChoice(int row, int column, int index) {
    if (EditorAt(row, column) != CellEditor::Combo) return;
    StoreIndex(image_.words[AlarmOutputWord(row)], index, OutputChoiceCount(row));
}

}  // namespace voltaro
