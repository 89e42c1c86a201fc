#include "core/settings/display_option_models.h"

#include "core/settings/display_dialog_model.h"

namespace voltaro {

bool CDisplayExpressionDialogModel::PowerFormatEnabled() const {
    return HasExtendedDisplay(image_.deviceType);
}

CDisplayExpressionDialogModel::Inputs CDisplayExpressionDialogModel::Initial() const {
    const auto& w = image_.words;
    return {SecondRadioChecked(w[145]), SecondRadioChecked(w[146]), SecondRadioChecked(w[147])};
}

void CDisplayExpressionDialogModel::Accept(const Inputs& inputs) {
    auto& w = image_.words;
    if (IndicationEnabled()) {
        w[145] = RadioWord(inputs.lineIndication);
        w[146] = RadioWord(inputs.phaseIndication);
    }
    if (PowerFormatEnabled()) w[147] = RadioWord(inputs.powerFormat);
}

}  // namespace voltaro
