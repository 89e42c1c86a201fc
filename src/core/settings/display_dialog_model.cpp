#include "core/settings/display_dialog_model.h"

#include <algorithm>

#include "core/model/parameter_words.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

constexpr int kDataViewName = 15001;

}  // namespace

bool HasExtendedDisplay(const CDeviceType& type) {
    return type.HasFeature(0, FAM_KT2_G2 | FAM_KT6_G2);
}

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
    const CDeviceType& type = image_.deviceType;
    return !type.HasFeature(0, FAM_KT2) || type.HasFeature(0, FAM_KT2_G2) ? -1 : 0;
}

int CDisplayDialogModel::EnergyViewSelection(uint16_t stored) const {
    const int index = EnergyViews().IndexOfCode(stored);
    return index < 0 && HasExtendedDisplay(image_.deviceType) ? 0 : index;
}

void CDisplayDialogModel::StoreEnergyView(uint16_t& word, int selection) const {
    if (auto code = EnergyViews().CodeAt(selection)) word = static_cast<uint16_t>(*code);
}

CDisplayDialogModel::Inputs CDisplayDialogModel::Initial() const {
    const auto& w = image_.words;
    Inputs in;
    in.keyLock = IndexSelection(w[kWordDisplayOperationMode], 3);
    in.dataView = std::to_string(w[kWordDataDisplayView]);
    in.energyView = EnergyViewSelection(w[kWordEnergyDisplayView]);
    in.unit = IndexSelection(w[kWordEnergyDisplayUnit], 2);
    in.operationMode = IndexSelection(w[kWordBacklightMode], 3);
    in.offTimer = std::to_string(w[kWordBacklightOffTimer]);
    in.brightness = std::clamp<int>(w[kWordBrightness], kBrightnessMin, kBrightnessMax);
    in.updateRate = std::to_string(w[kWordUpdateRate]);
    in.usePresetTimer = w[kWordDefaultTimer] != 0;
    in.presetTimer = in.usePresetTimer ? std::to_string(w[kWordDefaultTimer]) : "1";
    in.myDefaultDataView = std::to_string(static_cast<int16_t>(w[kWordDefaultDataView]));
    in.myDefaultEnergyView = EnergyViewSelection(w[kWordDefaultEnergyView]);
    in.myDefaultUnit = IndexSelection(w[kWordDefaultEnergyUnit], 2);
    return in;
}

void CDisplayDialogModel::Accept(const Inputs& in) {
    auto& w = image_.words;
    StoreIndex(w[kWordBacklightMode], in.operationMode, 3);
    if (OffTimerEnabled(in.operationMode))
        w[kWordBacklightOffTimer] =
            static_cast<uint16_t>(ReadField(OffTimerField, in.offTimer, 1, 999, 1, 15551));
    w[kWordBrightness] =
        static_cast<uint16_t>(std::clamp(in.brightness, kBrightnessMin, kBrightnessMax));
    w[kWordDataDisplayView] =
        static_cast<uint16_t>(ReadField(DataViewField, in.dataView, 0, 9999, 1, kDataViewName));
    StoreEnergyView(w[kWordEnergyDisplayView], in.energyView);
    StoreIndex(w[kWordEnergyDisplayUnit], in.unit, 2);
    StoreIndex(w[kWordDisplayOperationMode], in.keyLock, 3);
    if (UpdateRateEnabled())
        w[kWordUpdateRate] =
            static_cast<uint16_t>(ReadField(UpdateRateField, in.updateRate, 0, 60, 1, 15553));
    w[kWordDefaultDataView] =
        static_cast<uint16_t>(ReadField(MyDefaultDataViewField, in.myDefaultDataView,
                                        MyDefaultDataViewMin(), 9999, 1, kDataViewName));
    StoreEnergyView(w[kWordDefaultEnergyView], in.myDefaultEnergyView);
    StoreIndex(w[kWordDefaultEnergyUnit], in.myDefaultUnit, 2);
    w[kWordDefaultTimer] =
        in.usePresetTimer
            ? static_cast<uint16_t>(ReadField(PresetTimerField, in.presetTimer, 1, 999, 1, 15650))
            : 0;
}

}  // namespace voltaro
