#include "core/settings/pulse_dialog_model.h"

#include "core/platform/list_text_ids.h"
#include "core/platform/string_table.h"
#include "core/settings/discrete_io_dialog_models.h"

namespace voltaro {
namespace {

constexpr int kActiveUnit = 2200, kReactiveUnit = 2201, kApparentUnit = 2202;
constexpr int kDurationCount = 20;
// Totals; peak and off-peak counts are the same quantities plus 200 and 300.
constexpr int kEnergyQuantities[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 13};

}  // namespace

int PulseUnitTextId(int energyCode) {
    switch (energyCode % 100) {
        case 0:
        case 3:
        case 12:
            return kActiveUnit;
        case 2:
            return kApparentUnit;
        default:
            return kReactiveUnit;
    }
}

ChoiceList CPulseDialogModel::EnergyChoices() const {
    const int word = PulseEnergyWord(output_);
    if (!HasExtendedFunctionSet(image_.deviceType))
        return BoundChoices(ChoiceList::FromStrings(9, kTextsEnergy), image_, word);
    ChoiceList list;
    for (int offset : {0, 200, 300}) {
        for (int quantity : kEnergyQuantities) {
            const int code = offset + quantity;
            list.Add(LoadString(kTextsEnergyExtended + code), code);
        }
    }
    return BoundChoices(list, image_, word);
}

ChoiceList CPulseDialogModel::DurationChoices() {
    ChoiceList list;
    for (int code = 1; code <= kDurationCount; ++code)
        list.Add(std::to_string(code * 100), code);
    return list;
}

CPulseDialogModel::Inputs CPulseDialogModel::Initial() const {
    const int energy = EnergyChoices().IndexOfCode(image_.words[PulseEnergyWord(output_)]);
    return {energy,
            FormatScaledValue(static_cast<int32_t>(image_.Get32(PulseRateWord(output_))), 10),
            DurationChoices().IndexOfCode(image_.words[PulseDurationWord(output_)])};
}

std::string CPulseDialogModel::UnitText(int energySelection) const {
    const auto code = EnergyChoices().CodeAt(energySelection);
    return code ? LoadString(PulseUnitTextId(*code)) : std::string();
}

void CPulseDialogModel::Accept(const Inputs& inputs) {
    if (auto code = EnergyChoices().CodeAt(inputs.energy))
        image_.words[PulseEnergyWord(output_)] = static_cast<uint16_t>(*code);
    image_.Set32(PulseRateWord(output_), static_cast<uint32_t>(ReadField(
                                             PulseWeightField, inputs.weight, kPulseRateRange)));
    if (auto code = DurationChoices().CodeAt(inputs.duration))
        image_.words[PulseDurationWord(output_)] = static_cast<uint16_t>(*code);
}

}  // namespace voltaro
