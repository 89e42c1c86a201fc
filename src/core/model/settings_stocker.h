#pragma once
// Values kept apart per output kind and per meter family across model changes, and
// the adjustment of a parameter image to a newly chosen device type.
#include <array>

#include "core/model/parameter_image.h"

namespace voltaro {

class CSettingsStocker {
  public:
    // Slots of images: analogue output levels per output kind, display lines per family.
    static constexpr int kAo4To20mA = 0;
    static constexpr int kAo1To5V = 1;
    static constexpr int kUnused = 2;
    static constexpr int kDisplayKt6 = 3;
    static constexpr int kDisplayKt2G2 = 4;

    std::array<ParameterImage, 5> images{};
};

// Makes `row` the image's device type and adjusts the words that the new type cannot
// hold or keeps per family; with freshDefaults also resets the type-dependent defaults.
// A row that the table does not carry leaves the type unchanged. Never fails.
void ChangeDeviceType(CSettingsStocker& store, int row, ParameterImage& image, bool freshDefaults);

// A default image made the image of `row` with fresh defaults (a stocker of its own).
ParameterImage DefaultImageOfRow(int row);

}  // namespace voltaro
