#include "core/settings/display_dialog_model.h"

#include <algorithm>

#include "core/model/parameter_words.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
ChoiceList EnergyViewChoices(const CDeviceType& type) {
    if (!HasExtendedDisplay(type)) return ChoiceList::FromStrings(20, kTextsEnergy);
    ChoiceList list;
    auto add = [&list](int firstCode, int lastCode, int textBase) {
        for (int code = firstCode; code <= lastCode; ++code)
            list.Add(LoadString(textBase + code), code);
    };
    add(0, 8, kTextsEnergy);
    add(210, 213, kTextsEnergyExtended);
    add(9, 9, kTextsEnergy);
    add(10, 18, kTextsEnergy);
    add(310, 313, kTextsEnergyExtended);
    add(19, 19, kTextsEnergy);
    return list;
}

int CDisplayDialogModel::MyDefaultDataViewMin() const {
    return static_cast<int>(DefaultDataViewRange(image_.deviceType).min);
}

ChoiceList CDisplayDialogModel::OperationModes() const {
    return Bound(ChoiceList::FromStrings(3, 1850), kWordBacklightMode);
}
ChoiceList CDisplayDialogModel::Units() const {
    return Bound(ChoiceList::FromStrings(2, 2600), kWordEnergyDisplayUnit);
}
ChoiceList CDisplayDialogModel::KeyLocks() const {
    return Bound(ChoiceList::FromStrings(3, 2650), kWordDisplayOperationMode);
}
ChoiceList CDisplayDialogModel::EnergyViews() const {
    return Bound(EnergyViewChoices(image_.deviceType), kWordEnergyDisplayView);
}
ChoiceList CDisplayDialogModel::MyDefaultEnergyViews() const {
    return Bound(EnergyViewChoices(image_.deviceType), kWordDefaultEnergyView);
}
ChoiceList CDisplayDialogModel::MyDefaultUnits() const {
    return Bound(ChoiceList::FromStrings(2, 2600), kWordDefaultEnergyUnit);
}

namespace {
// The selection of a bound list's stored code, and the code of a selection (no selection
// keeps the word).
int SelectionOf(const ChoiceList& bound, uint16_t stored) {
    return bound.IndexOfCode(stored);
}
void Store(uint16_t& word, const ChoiceList& bound, int selection) {
    if (auto code = bound.CodeAt(selection)) word = static_cast<uint16_t>(*code);
}
}  // namespace

CDisplayDialogModel::Inputs CDisplayDialogModel::Initial() const {
    const auto& w = image_.words;
    Inputs in;
    in.keyLock = SelectionOf(KeyLocks(), w[kWordDisplayOperationMode]);
    in.dataView = std::to_string(w[kWordDataDisplayView]);
    in.energyView = SelectionOf(EnergyViews(), w[kWordEnergyDisplayView]);
    in.unit = SelectionOf(Units(), w[kWordEnergyDisplayUnit]);
    in.operationMode = SelectionOf(OperationModes(), w[kWordBacklightMode]);
    in.offTimer = std::to_string(w[kWordBacklightOffTimer]);
    in.brightness = std::clamp<int>(w[kWordBrightness], kBrightnessMin, kBrightnessMax);
    in.updateRate = std::to_string(w[kWordUpdateRate]);
    in.usePresetTimer = w[kWordDefaultTimer] != 0;
    in.presetTimer = in.usePresetTimer ? std::to_string(w[kWordDefaultTimer]) : "1";
    in.myDefaultDataView = std::to_string(static_cast<int16_t>(w[kWordDefaultDataView]));
    in.myDefaultEnergyView = SelectionOf(MyDefaultEnergyViews(), w[kWordDefaultEnergyView]);
    in.myDefaultUnit = SelectionOf(MyDefaultUnits(), w[kWordDefaultEnergyUnit]);
    return in;
}

void CDisplayDialogModel::Accept(const Inputs& in) {
    auto& w = image_.words;
    Store(w[kWordBacklightMode], OperationModes(), in.operationMode);
    if (OffTimerEnabled(in.operationMode))
        w[kWordBacklightOffTimer] =
            static_cast<uint16_t>(ReadField(OffTimerField, in.offTimer, kBacklightOffTimerRange));
    w[kWordBrightness] =
        static_cast<uint16_t>(std::clamp(in.brightness, kBrightnessMin, kBrightnessMax));
    w[kWordDataDisplayView] =
        static_cast<uint16_t>(ReadField(DataViewField, in.dataView, kDataViewRange));
    Store(w[kWordEnergyDisplayView], EnergyViews(), in.energyView);
    Store(w[kWordEnergyDisplayUnit], Units(), in.unit);
    Store(w[kWordDisplayOperationMode], KeyLocks(), in.keyLock);
    if (UpdateRateEnabled())
        w[kWordUpdateRate] =
            static_cast<uint16_t>(ReadField(UpdateRateField, in.updateRate, kUpdateRateRange));
    w[kWordDefaultDataView] = static_cast<uint16_t>(ReadField(
        MyDefaultDataViewField, in.myDefaultDataView, DefaultDataViewRange(image_.deviceType)));
    Store(w[kWordDefaultEnergyView], MyDefaultEnergyViews(), in.myDefaultEnergyView);
    Store(w[kWordDefaultEnergyUnit], MyDefaultUnits(), in.myDefaultUnit);
    w[kWordDefaultTimer] =
        in.usePresetTimer
            ? static_cast<uint16_t>(ReadField(PresetTimerField, in.presetTimer, kPresetTimerRange))
            : 0;
}

}  // namespace voltaro
