#include "core/settings/display_option_models.h"

#include "core/model/parameter_words.h"
#include "core/settings/display_dialog_model.h"

namespace voltaro {

bool CDisplayExpressionDialogModel::PowerFormatEnabled() const {
    return HasExtendedDisplay(image_.deviceType);
}

CDisplayExpressionDialogModel::Inputs CDisplayExpressionDialogModel::Initial() const {
    const auto& w = image_.words;
    return {SecondRadioChecked(w[kWordLineIndication]), SecondRadioChecked(w[kWordPhaseDirection]),
            SecondRadioChecked(w[kWordPowerFormat])};
}

void CDisplayExpressionDialogModel::Accept(const Inputs& inputs) {
    auto& w = image_.words;
    if (IndicationEnabled()) {
        w[kWordLineIndication] = RadioWord(inputs.lineIndication);
        w[kWordPhaseDirection] = RadioWord(inputs.phaseIndication);
    }
    if (PowerFormatEnabled()) w[kWordPowerFormat] = RadioWord(inputs.powerFormat);
}

}  // namespace voltaro
