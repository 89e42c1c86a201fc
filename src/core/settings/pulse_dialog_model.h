#pragma once
// Decisions of the energy (pulse output) dialog of one discrete output.
#include <string>

#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"
#include "core/settings/setting_fields.h"

namespace voltaro {

// Unit text id beside the pulse weight for an energy count code: 2200 "kWh/pulse" for
// active energies, 2202 "kVAh/pulse" for apparent energy, 2201 "kvarh/pulse" otherwise.
// The quantity is the code's position within its energy set (code mod 100): 0 active in,
// 2 apparent, 3 active out, 12 active in-out; every other counted energy is reactive.
int PulseUnitTextId(int energyCode);

class CPulseDialogModel {
  public:
    enum Field { PulseWeightField = 1 };
    struct Inputs {
        int energy = -1;     // selection in EnergyChoices()
        std::string weight;  // pulse weight, one decimal
        int duration = -1;   // selection in DurationChoices()
    };

    // output: 0 to 3.
    CPulseDialogModel(ParameterImage& image, int output) : image_(image), output_(output) {}

    // Nine quantities (code = index) or, with the extended function set, the 36 totals,
    // peak and off-peak counts with their codes (text kTextsEnergyExtended + code).
    ChoiceList EnergyChoices() const;
    // "100" ... "2000"; the stored code is the index + 1.
    static ChoiceList DurationChoices();

    Inputs Initial() const;
    // The unit text beside the weight for an energy-count selection.
    std::string UnitText(int energySelection) const;
    // Energy code, then the weight (0.1 to 10000.0, name 15451), then the duration.
    void Accept(const Inputs& inputs);

  private:
    ParameterImage& image_;
    int output_;
};

}  // namespace voltaro
