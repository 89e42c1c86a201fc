#include "core/settings/tariff_dialog_models.h"

#include "core/platform/list_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {

bool CAdvancedDialogModel::Channel2Visible() const {
    return !IsZc() && image_.deviceType.HasFeature(0, FAM_ZB_INPUT);
}

ChoiceList CAdvancedDialogModel::FrequencyInputs() const {
    return BoundChoices(
        ChoiceList::FromStrings(image_.deviceType.HasFeature(0, FAM_KT2_240) ? 4 : 2, 2150), image_,
        kWordFrequencyInput);
}

bool CAdvancedDialogModel::TariffFunctionEnabled() const {
    return !image_.deviceType.HasFeature(0, FAM_ZB | FAM_ZC | FAM_HKT2X);
}

CAdvancedDialogModel::Inputs CAdvancedDialogModel::Initial() const {
    const auto& w = image_.words;
    Inputs in;
    in.voltageCutout = TenthsText(w[kWordLowEndCutoutVoltage]);
    in.currentCutout1 = TenthsText(w[LowEndCutoutCurrentWord(1)]);
    in.currentCutout2 = TenthsText(w[LowEndCutoutCurrentWord(2)]);
    in.frequencyInput =
        FrequencyInputEnabled() ? FrequencyInputs().IndexOfCode(w[kWordFrequencyInput]) : -1;
    in.tariffEnabled = w[kWordTariffFunction] != 0;
    for (int i = 0; i < kCalculationOptionCount; ++i)
        in.calculation[i] = SecondRadioChecked(w[kWordCalculationOptionFirst + i]);
    return in;
}

void CAdvancedDialogModel::Accept(const Inputs& in) {
    auto& w = image_.words;
    w[kWordLowEndCutoutVoltage] =
        static_cast<uint16_t>(ReadField(VoltageCutoutField, in.voltageCutout, kVoltageCutoutRange));
    if (IsZc()) {
        w[kWordFrequencyInput] = 0;
    } else {
        w[LowEndCutoutCurrentWord(1)] = static_cast<uint16_t>(
            ReadField(CurrentCutout1Field, in.currentCutout1, kCurrentCutoutRange));
        if (Channel2Visible()) {
            w[LowEndCutoutCurrentWord(2)] = static_cast<uint16_t>(
                ReadField(CurrentCutout2Field, in.currentCutout2, kCurrentCutoutRange));
        }
        if (auto code = FrequencyInputs().CodeAt(in.frequencyInput))
            w[kWordFrequencyInput] = static_cast<uint16_t>(*code);
    }
    if (TariffFunctionEnabled()) w[kWordTariffFunction] = in.tariffEnabled ? 1 : 0;
    for (int i = 0; i < kCalculationOptionCount; ++i)
        w[kWordCalculationOptionFirst + i] = RadioWord(in.calculation[i]);
}

int CAdvancedDialogModel::ChannelCount() const {
    return image_.deviceType.HasFeature(0, FAM_ZC_EXT) ? 16 : 8;
}

int CAdvancedDialogModel::ChannelAt(int row, int column) const {
    if (!IsZc() || row < 0 || row >= GridRowCount() || column < 0 || column >= GridColumnCount())
        return 0;
    return row + 1 + 8 * (column / 2);
}

std::vector<CellBinding> CAdvancedDialogModel::GridLabels() const {
    std::vector<CellBinding> labels;
    for (int column = 0; column < GridColumnCount(); column += 2) {
        for (int row = 0; row < GridRowCount(); ++row) {
            if (const int channel = ChannelAt(row, column))
                labels.push_back({InputLabelId(channel), column, row});
        }
    }
    return labels;
}

std::string CAdvancedDialogModel::GridCellText(int row, int column) const {
    const int channel = ChannelAt(row, column);
    if (channel == 0) return {};
    if (column % 2 == 0) return LoadString(InputLabelId(channel));
    return TenthsText(image_.words[LowEndCutoutCurrentWord(channel)]);
}

CellEditor CAdvancedDialogModel::GridEditorAt(int row, int column) const {
    return ChannelAt(row, column) != 0 && column % 2 == 1 ? CellEditor::Edit : CellEditor::None;
}

void CAdvancedDialogModel::CommitGridText(int row, int column, const std::string& text) {
    if (GridEditorAt(row, column) == CellEditor::None) return;
    image_.words[LowEndCutoutCurrentWord(ChannelAt(row, column))] =
        static_cast<uint16_t>(ParseScaledValue(text, kCurrentCutoutRange));
}

}  // namespace voltaro
