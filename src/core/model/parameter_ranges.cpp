// Which number words the dialogs range-check, and with which range.
#include "core/model/parameter_ranges.h"

#include "core/model/parameter_words.h"
#include "core/model/value_helpers.h"

namespace voltaro {

std::optional<FieldRange> DialogRangeOf(const ParameterImage& image, int word) {
    switch (word) {
        case kWordPrimaryVoltage:
            return kVtPrimaryRange;
        case kWordSecondaryVoltage:
            return kVtSecondaryRange;
        case kWordLowEndCutoutVoltage:
            return kVoltageCutoutRange;
        case kWordT15:
            return kT15Range;
        case kWordT35:
            return T35RangeAbove(image.words[kWordT15]);
        case kWordPort:
            return kPortRange;
        case kWordConnectionTimeout:
            return kConnectionTimeoutRange;
        case kWordRunLedTimeout:
            return kRunLedTimeoutRange;
        case kWordCcLinkNode:
            return kCcLinkNodeRange;
        case kWordAlarmPowerOnDelay:
            return kPowerOnDelayRange;
        default:
            break;
    }
    for (int input = 1; input <= kInputCount; ++input) {
        if (word == PrimaryCurrentWord(input)) {
            // A CT sensor of a multi-circuit type sets the current: no field shows the word.
            const bool sensor = image.deviceType.HasFeature(0, FAM_ZB | FAM_ZC) &&
                                image.words[CtSensorWord(input)] != 0;
            if (sensor) return std::nullopt;
            return kCtPrimaryRange;
        }
        if (word == LowEndCutoutCurrentWord(input)) return kCurrentCutoutRange;
    }
    for (int output = 0; output < kPulseOutputCount; ++output)
        if (word == PulseRateWord(output)) return kPulseRateRange;
    for (int item = 0; item < kAlarmItemCount; ++item) {
        if (word == AlarmHysteresisWord(item)) return kAlarmHysteresisRange;
        if (word == AlarmDelayWord(item)) return kAlarmDelayRange;
    }
    return std::nullopt;
}

std::string FieldRangeText(const FieldRange& range) {
    std::string text = std::to_string(range.min) + " - " + std::to_string(range.max);
    if (range.scale == 1) return text;
    const int decimals = ScaleDecimals(range.scale);
    return text + " (" + FormatScaledBound(decimals, range.min) + " - " +
           FormatScaledBound(decimals, range.max) + ")";
}

}  // namespace voltaro
