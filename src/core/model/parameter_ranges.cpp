// Which number words the dialogs range-check, and with which range.
#include "core/model/parameter_ranges.h"

#include <algorithm>

#include "core/model/parameter_words.h"
#include "core/model/value_helpers.h"

namespace voltaro {
namespace {

constexpr int kAlarmHighName = 15502, kAlarmLowName = 15503;

FieldRange Of(const MeasurandRange& range, int nameId) {
    return {range.min, range.max, range.scale, nameId};
}

// The range of a word within the analogue output, bargraph and alarm setpoint blocks.
std::optional<FieldRange> BlockRangeOf(const CDeviceType& type, int word) {
    const int aoOffset = word - kWordAnalogOutputFirst;
    if (aoOffset >= 0 && aoOffset < kAnalogOutputCount * kAnalogOutputWords)
        return AnalogOutputRange(aoOffset % kAnalogOutputWords, HasVoltageOutputs(type));
    for (int item = 0; item < kBarScaleCount; ++item) {
        if (word == BarScaleWord(item, true)) return BarScaleRange(item, true);
        if (word == BarScaleWord(item, false)) return BarScaleRange(item, false);
    }
    for (int item = 0; item < kAlarmItemCount; ++item) {
        if (word == AlarmHighWord(item)) return AlarmSetpointRange(item, true);
        if (word == AlarmLowWord(item)) return AlarmSetpointRange(item, false);
        if (word == AlarmHysteresisWord(item)) return kAlarmHysteresisRange;
        if (word == AlarmDelayWord(item)) return kAlarmDelayRange;
    }
    return std::nullopt;
}

}  // namespace

bool HasExtendedDisplay(const CDeviceType& type) {
    return type.HasFeature(0, FAM_KT2_G2 | FAM_KT6_G2);
}

FieldRange DefaultDataViewRange(const CDeviceType& type) {
    const bool fromMinusOne = !type.HasFeature(0, FAM_KT2) || type.HasFeature(0, FAM_KT2_G2);
    return {fromMinusOne ? -1 : 0, kDataViewRange.max, 1, kDataViewRange.nameId};
}

bool HasVoltageOutputs(const CDeviceType& type) {
    return type.HasFeature(FEAT_AO_1_5V, 0);
}

FieldRange BarScaleRange(int item, bool zeroPercent) {
    FieldRange range = Of(kBarScales[item], kBarNameFirst + item);
    if (!zeroPercent) range.min = std::max<int64_t>(range.min, 0);
    return range;
}

FieldRange AlarmSetpointRange(int item, bool high) {
    return Of(kAlarmSetpointScales[item], high ? kAlarmHighName : kAlarmLowName);
}

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
        case kWordDeviceAddress:
            return kDeviceAddressRange;
        case kWordDataDisplayView:
            return kDataViewRange;
        case kWordDefaultDataView:
            return DefaultDataViewRange(image.deviceType);
        case kWordUpdateRate:
            if (!HasExtendedDisplay(image.deviceType)) return std::nullopt;
            return kUpdateRateRange;
        case kWordBacklightOffTimer:
            if (image.words[kWordBacklightMode] != kBacklightModeAuto) return std::nullopt;
            return kBacklightOffTimerRange;
        case kWordDefaultTimer:
            if (image.words[kWordDefaultTimer] == 0) return std::nullopt;
            return kPresetTimerRange;
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
    return BlockRangeOf(image.deviceType, word);
}

std::string FieldRangeText(const FieldRange& range) {
    std::string text = std::to_string(range.min) + " - " + std::to_string(range.max);
    if (range.scale == 1) return text;
    const int decimals = ScaleDecimals(range.scale);
    return text + " (" + FormatScaledBound(decimals, range.min) + " - " +
           FormatScaledBound(decimals, range.max) + ")";
}

}  // namespace voltaro
