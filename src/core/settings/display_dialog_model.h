#pragma once
// Decisions of the display setting dialog: key lock, data and energy views, backlight,
// update rate and the "My Default" (preset) view with its timer.
#include <string>

#include "core/model/parameter_image.h"
#include "core/settings/setting_fields.h"

namespace voltaro {

// Energy display views: 20 views (code = index), or with the extended display 28 views
// with the tariff counts, stored as codes.
ChoiceList EnergyViewChoices(const CDeviceType& type);

class CDisplayDialogModel {
  public:
    enum Field {
        OffTimerField = 1,
        DataViewField,
        UpdateRateField,
        MyDefaultDataViewField,
        PresetTimerField,
    };
    static constexpr int kModeAuto = kBacklightModeAuto;

    struct Inputs {
        int keyLock = -1;        // word 0
        std::string dataView;    // word 1
        int energyView = -1;     // word 2, selection in EnergyViews()
        int unit = -1;           // word 3
        int operationMode = -1;  // word 179
        std::string offTimer;    // word 180
        int brightness = 1;      // word 181, slider 1 to 3
        std::string updateRate;  // word 182
        bool usePresetTimer = false;
        std::string presetTimer;        // word 183
        std::string myDefaultDataView;  // word 184
        int myDefaultEnergyView = -1;   // word 185
        int myDefaultUnit = -1;         // word 186
    };

    explicit CDisplayDialogModel(ParameterImage& image) : image_(image) {}

    // Each combo's list bound to its word (BoundChoices): a stored value that the list
    // lacks is kept and shown.
    ChoiceList OperationModes() const;
    ChoiceList Units() const;
    ChoiceList KeyLocks() const;
    ChoiceList EnergyViews() const;
    ChoiceList MyDefaultEnergyViews() const;
    ChoiceList MyDefaultUnits() const;
    static constexpr int kBrightnessMin = 1, kBrightnessMax = 3;

    bool UpdateRateEnabled() const { return HasExtendedDisplay(image_.deviceType); }
    static bool OffTimerEnabled(int operationMode) { return operationMode == kModeAuto; }
    static bool PresetTimerEnabled(bool usePresetTimer) { return usePresetTimer; }
    // Lowest "My Default" data view: -1 where the device accepts it, else 0.
    int MyDefaultDataViewMin() const;

    Inputs Initial() const;
    void Accept(const Inputs& inputs);

  private:
    ChoiceList Bound(const ChoiceList& list, int word) const {
        return BoundChoices(list, image_, word);
    }

    ParameterImage& image_;
};

}  // namespace voltaro
