#include "core/settings/discrete_io_dialog_models.h"

namespace voltaro {

ChoiceList CDiscreteInputDialogModel::Functions() const {
    return BoundChoices(
        ChoiceList::FromStrings(HasExtendedFunctionSet(image_.deviceType) ? 5 : 3, 1700), image_,
        kWordDiscreteInputFunction);
}

CDiscreteInputDialogModel::Inputs CDiscreteInputDialogModel::Initial() const {
    return {Functions().IndexOfCode(image_.words[kWordDiscreteInputFunction]),
            SecondRadioChecked(image_.words[kWordDiscreteInputContact])};
}

void CDiscreteInputDialogModel::Accept(const Inputs& inputs) {
    if (auto code = Functions().CodeAt(inputs.function))
        image_.words[kWordDiscreteInputFunction] = static_cast<uint16_t>(*code);
    image_.words[kWordDiscreteInputContact] = RadioWord(inputs.normalClose);
}

bool CDiscreteOutputDialogModel::Present(int output) const {
    return image_.deviceType.HasFeature(FEAT_DO1 << output, 0);
}

CDiscreteOutputDialogModel::Inputs CDiscreteOutputDialogModel::Initial() const {
    Inputs inputs{};
    for (int n = 0; n < kOutputCount; ++n) {
        if (!Present(n)) continue;
        inputs[n] = {Functions(n).IndexOfCode(image_.words[DiscreteOutputFunctionWord(n)]),
                     SecondRadioChecked(image_.words[DiscreteOutputContactWord(n)])};
    }
    return inputs;
}

void CDiscreteOutputDialogModel::Accept(const Inputs& inputs) {
    for (int n = 0; n < kOutputCount; ++n) {
        if (!Present(n)) continue;
        StoreIndex(image_.words[DiscreteOutputFunctionWord(n)], inputs[n].function, 3);
        image_.words[DiscreteOutputContactWord(n)] = RadioWord(inputs[n].normalClose);
    }
}

}  // namespace voltaro
