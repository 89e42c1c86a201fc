#include "core/settings/input2_page_model.h"

#include "core/platform/list_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

// Within a block of three columns: labels, sensor values, primary values.
enum BlockColumn { LabelColumn, SensorColumn, PrimaryColumn };

}  // namespace

void CInput2PageModel::Load(const ParameterImage& image) {
    CopyParameterImage(image_, image);
}

CInput2PageModel::VtInputs CInput2PageModel::InitialVt() const {
    return {std::to_string(static_cast<int32_t>(image_.Get32(kWordPrimaryVoltage))),
            std::to_string(image_.words[kWordSecondaryVoltage])};
}

void CInput2PageModel::Save(ParameterImage& image, const VtInputs& vt) const {
    const int64_t primary = ReadField(VtPrimaryField, vt.primary, kVtPrimaryRange);
    const int64_t secondary = ReadField(VtSecondaryField, vt.secondary, kVtSecondaryRange);
    image.Set32(kWordPrimaryVoltage, static_cast<uint32_t>(primary));
    image.words[kWordSecondaryVoltage] = static_cast<uint16_t>(secondary);
    // Only the words this page edits: the low-end cutouts between them belong to the
    // other-setting dialog and must not be overwritten with this page's older copy.
    for (int input = 1; input <= kInputCount; ++input) {
        image.words[PrimaryCurrentWord(input)] = image_.words[PrimaryCurrentWord(input)];
        image.words[CtSensorWord(input)] = image_.words[CtSensorWord(input)];
    }
}

int CInput2PageModel::BlockRows() const {
    switch (InputCount()) {
        case 2:
            return 2;
        case 8:
        case 16:
            return 8;
        default:
            return 1;
    }
}

int CInput2PageModel::GridRowCount() const {
    return 1 + BlockRows();
}

int CInput2PageModel::InputAt(int row, int column) const {
    if (row < 1 || row > BlockRows() || column < 0 || column >= GridColumnCount()) return 0;
    if (column % 3 == LabelColumn) return 0;
    return row + 8 * (column / 3);
}

int CInput2PageModel::LabelIdAt(int row, int column) const {
    if (column < 0 || column >= GridColumnCount() || row < 0 || row >= GridRowCount()) return 0;
    if (row == 0) {
        switch (column % 3) {
            case SensorColumn:
                return kTextSensorHeader;
            case PrimaryColumn:
                return kTextPrimaryHeader;
            default:
                return kTextBlank;
        }
    }
    return column % 3 == LabelColumn ? InputLabelId(row + 8 * (column / 3)) : 0;
}

std::vector<CellBinding> CInput2PageModel::GridLabels() const {
    std::vector<CellBinding> labels;
    for (int column = 0; column < GridColumnCount(); ++column) {
        for (int row = 0; row < GridRowCount(); ++row) {
            if (const int id = LabelIdAt(row, column)) labels.push_back({id, column, row});
        }
    }
    return labels;
}

std::string CInput2PageModel::GridCellText(int row, int column) const {
    if (column < 0 || column >= GridColumnCount() || row < 0 || row >= GridRowCount()) return {};
    if (const int id = LabelIdAt(row, column)) return LoadString(id);
    const int input = InputAt(row, column);
    return image_.ValueText(column % 3 == SensorColumn ? CtSensorWord(input)
                                                       : PrimaryCurrentWord(input));
}

CellEditor CInput2PageModel::GridEditorAt(int row, int column) const {
    if (InputAt(row, column) == 0 || GridCellText(row, column).empty()) return CellEditor::None;
    return column % 3 == SensorColumn ? CellEditor::Combo : CellEditor::Edit;
}

ComboSetup CInput2PageModel::GridComboAt(int row, int column) const {
    if (GridEditorAt(row, column) != CellEditor::Combo) return {};
    const int word = CtSensorWord(InputAt(row, column));
    const ChoiceList choices = BoundChoices(SensorChoices(), image_, word);
    return {choices.Texts(), choices.IndexOfCode(image_.words[word])};
}

void CInput2PageModel::CommitGridText(int row, int column, const std::string& text) {
    if (GridEditorAt(row, column) != CellEditor::Edit) return;
    image_.words[PrimaryCurrentWord(InputAt(row, column))] =
        static_cast<uint16_t>(ParseScaledValue(text, kCtPrimaryRange));
}

void CInput2PageModel::CommitGridChoice(int row, int column, int index) {
    if (GridEditorAt(row, column) != CellEditor::Combo) return;
    StoreIndex(image_.words[CtSensorWord(InputAt(row, column))], index, kSensorCount);
}

}  // namespace voltaro
