#include "core/settings/display_sigma_dialog_model.h"

#include "core/model/parameter_check.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

const ListColumn kColumns[] = {{3590, Alignment::Left, 80}, {3591, Alignment::Left, 320}};
constexpr int kRowNameBase = 15004;
constexpr int kLinesPerScreen = 4;

// Measurand choices of the older displays by line of the screen (lines 1 to 3).
constexpr int kLine1Codes[] = {0, 1};
constexpr int kLine2Codes[] = {0, 3, 4, 5};
constexpr int kLine3Codes[] = {0, 2, 6, 7};

}  // namespace

bool CDisplaySigmaDialogModel::SigmaCodeList() const {
    return image_.deviceType.HasFeature(0, FAM_KT6);
}

int CDisplaySigmaDialogModel::MeasurandCount() const {
    return image_.deviceType.HasFeature(FEAT_3P4W | FEAT_V3, 0) ? 43 : 41;
}

ChoiceList CDisplaySigmaDialogModel::RowChoices(int row) const {
    const int line = row % kLinesPerScreen;
    if (!SigmaCodeList()) {
        switch (line) {
            case 0:
                return ChoiceList::FromCodes(kLine1Codes, kTextsMeasurand);
            case 1:
                return ChoiceList::FromCodes(kLine2Codes, kTextsMeasurand);
            case 2:
                return ChoiceList::FromCodes(kLine3Codes, kTextsMeasurand);
            default:
                return {};
        }
    }
    ChoiceList list;
    const bool neutral = MeasurandCount() == 43;
    for (int code = 0; code <= 42; ++code) {
        if (!neutral && (code == 11 || code == 33)) continue;
        list.Add(CodeText(code), code);
    }
    if (line == kLinesPerScreen - 1) {
        for (int code = 100; code <= 119; ++code)
            list.Add(CodeText(code), code);
        if (image_.deviceType.HasFeature(0, FAM_KT6_G2)) {
            for (int code = 210; code <= 213; ++code)
                list.Add(CodeText(code), code);
            for (int code = 310; code <= 313; ++code)
                list.Add(CodeText(code), code);
        }
    }
    return list;
}

std::string CDisplaySigmaDialogModel::CodeText(int code) {
    return LoadString(IsExtendedEnergyCode(code) ? ExtendedEnergyTextId(code)
                                                 : kTextsMeasurand + code);
}

std::vector<ColumnView> CDisplaySigmaDialogModel::Columns() const {
    return ColumnViews(kColumns);
}

int CDisplaySigmaDialogModel::RowCount() const {
    return SigmaCodeList() ? 24 : 16;
}

bool CDisplaySigmaDialogModel::RowApplies(int row) const {
    if (row < 0 || row >= RowCount()) return false;
    if (SigmaCodeList()) return true;
    return image_.deviceType.HasFeature(0, FAM_KT2_G2) && row < 16 &&
           row % kLinesPerScreen != kLinesPerScreen - 1;
}

std::string CDisplaySigmaDialogModel::CellText(int row, int column) const {
    if (column == NameColumn) return LoadString(kRowNameBase + row);
    if (column != ValueColumn || !RowApplies(row)) return {};
    const int word = SigmaLineWord(row);
    return StoredValueText(image_.deviceType, word, image_.words[word]);
}

CellEditor CDisplaySigmaDialogModel::EditorAt(int row, int column) const {
    return column == ValueColumn && RowApplies(row) ? CellEditor::Combo : CellEditor::None;
}

ComboSetup CDisplaySigmaDialogModel::ComboAt(int row, int column) const {
    if (EditorAt(row, column) == CellEditor::None) return {};
    const ChoiceList choices = BoundChoices(RowChoices(row), image_, SigmaLineWord(row));
    return {choices.Texts(), choices.IndexOfCode(image_.words[SigmaLineWord(row)])};
}

void CDisplaySigmaDialogModel::CommitChoice(int row, int column, int index) {
    if (EditorAt(row, column) == CellEditor::None) return;
    if (auto code = RowChoices(row).CodeAt(index))
        image_.words[SigmaLineWord(row)] = static_cast<uint16_t>(*code);
}

}  // namespace voltaro
