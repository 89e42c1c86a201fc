#pragma once
// The numbers that the setting dialogs accept for the number words they edit, in one place
// for the dialogs and for every other way a value gets into an image (an imported
// configuration): the range in the word's own units, the scale between the word and the
// number shown (10: the word holds tenths) and the string id of the name a refusal shows.
#include <cstdint>
#include <optional>
#include <string>

#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"

namespace voltaro {

struct FieldRange {
    int64_t min;
    int64_t max;
    int64_t scale;
    int nameId;
};

// VT and CT ratings, in the main window and on the CT/VT page.
constexpr FieldRange kVtPrimaryRange{50, 400000, 1, 15153};
constexpr FieldRange kVtSecondaryRange{50, 500, 1, 15154};
constexpr FieldRange kCtPrimaryRange{1, 20000, 1, 15151};
// Low-end cutouts, 0.0 to 99.9 %.
constexpr FieldRange kCurrentCutoutRange{0, 999, 10, 15156};
constexpr FieldRange kVoltageCutoutRange{0, 999, 10, 15157};
// Modbus frame gaps in tenths of a character time; t3.5 lies above t1.5.
constexpr FieldRange kT15Range{1, 59, 10, 15204};
constexpr FieldRange T35RangeAbove(int64_t t15) {
    return {t15 + 1, 60, 10, 15205};
}
// Modbus-TCP and the RUN LED, in tenths of a second.
constexpr FieldRange kPortRange{0, 65535, 1, 15213};
constexpr FieldRange kConnectionTimeoutRange{10, 32000, 10, 15212};
constexpr FieldRange kRunLedTimeoutRange{0, 32000, 10, 15208};
constexpr FieldRange kCcLinkNodeRange{1, 64, 1, 15690};
// Pulse output weight in tenths.
constexpr FieldRange kPulseRateRange{1, 100000, 10, 15451};
// Alarms: the delay after power on, and per item the hysteresis (tenths) and ON delay.
constexpr FieldRange kPowerOnDelayRange{0, 999, 1, 15500};
constexpr FieldRange kAlarmHysteresisRange{0, 999, 10, 15505};
constexpr FieldRange kAlarmDelayRange{0, 999, 1, 15506};

// Modbus unit address of a single device (0 broadcasts; above 247 is reserved), of the
// device's own word and of every connection.
constexpr int kMinDeviceAddress = 1;
constexpr int kMaxDeviceAddress = 247;
constexpr FieldRange kDeviceAddressRange{kMinDeviceAddress, kMaxDeviceAddress, 1, 15200};

// Display: data view number, update rate, backlight off timer and the "My Default" timer
// (0 in its word turns the timer off; the dialog asks for 1 to 999 when it is on).
constexpr FieldRange kDataViewRange{0, 9999, 1, 15001};
constexpr FieldRange kUpdateRateRange{0, 60, 1, 15553};
constexpr FieldRange kBacklightOffTimerRange{1, 999, 1, 15551};
constexpr FieldRange kPresetTimerRange{1, 999, 1, 15650};
constexpr int kBacklightModeAuto = 0;  // the only mode that uses the off timer
// Types whose family word has KT2_G2 or KT6_G2 have the extended display (update rate).
bool HasExtendedDisplay(const CDeviceType& type);
// The "My Default" data view, from -1 where the device accepts it.
FieldRange DefaultDataViewRange(const CDeviceType& type);

// Analogue outputs: inputs and adjustments in hundredths of a percent, output levels in
// hundredths of a mA (current outputs, 1.60 - 22.40) or thousandths of a V (voltage
// outputs, 0.400 - 5.600). The name of a setting is kAoNameFirst + its position.
constexpr int kAoNameFirst = 3850;
constexpr bool AoSettingIsLevel(int setting) {
    return setting == kAoOutputZero || setting == kAoOutputFull ||
           (setting >= AoTableX(0) && (setting - AoTableY(0)) % 2 == 0);
}
constexpr std::optional<FieldRange> AnalogOutputRange(int setting, bool voltageOutputs) {
    const int name = kAoNameFirst + setting;
    if (setting == kAoInput || setting == kAoLinearizer) return std::nullopt;
    if (setting == kAoAdjustZero) return FieldRange{-500, 500, 100, name};
    if (setting == kAoAdjustSpan) return FieldRange{9500, 10500, 100, name};
    if (!AoSettingIsLevel(setting)) return FieldRange{-1500, 14000, 100, name};
    return voltageOutputs ? FieldRange{400, 5600, 1000, name} : FieldRange{160, 2240, 100, name};
}
bool HasVoltageOutputs(const CDeviceType& type);

// Measurand scales of the bargraph (zero and full) and of the alarm setpoints (high and
// low), in the units of their 32-bit words. A full scale is never negative.
struct MeasurandRange {
    int32_t min;
    int32_t max;
    int32_t scale;
};
constexpr MeasurandRange kCurrentScale{0, 20000000, 1000};
constexpr MeasurandRange kVoltageScale{0, 40000000, 100};
constexpr MeasurandRange kPowerScale{-2000000000, 2000000000, 1};
constexpr MeasurandRange kApparentPowerScale{0, 2000000000, 1};
constexpr MeasurandRange kPowerFactorScale{-10000, 10000, 10000};
constexpr MeasurandRange kFrequencyScale{4500, 6500, 100};
constexpr MeasurandRange kDistortionScale{0, 9999, 10};
constexpr MeasurandRange kPhaseAngleScale{-180, 180, 1};
// Per bargraph item; the item's name is kBarNameFirst + item.
constexpr int kBarNameFirst = 4000;
constexpr MeasurandRange kBarScales[kBarScaleCount] = {
    kCurrentScale,     kVoltageScale,   kPowerScale,      kPowerScale,     kApparentPowerScale,
    kPowerFactorScale, kFrequencyScale, kDistortionScale, kPhaseAngleScale};
FieldRange BarScaleRange(int item, bool zeroPercent);
// Per alarm item.
constexpr MeasurandRange kAlarmSetpointScales[kAlarmItemCount] = {
    kCurrentScale,    kCurrentScale,       kVoltageScale,     kVoltageScale,       kPowerScale,
    kPowerScale,      kApparentPowerScale, kPowerFactorScale, kFrequencyScale,     kCurrentScale,
    kCurrentScale,    kPowerScale,         kPowerScale,       kApparentPowerScale, kDistortionScale,
    kDistortionScale, kDistortionScale,    kDistortionScale,  kPhaseAngleScale};
FieldRange AlarmSetpointRange(int item, bool high);

// The range the dialogs give entry word of image (t3.5 from image's t1.5 + 1), or nullopt
// for a word that no dialog reads as a number with such a range.
std::optional<FieldRange> DialogRangeOf(const ParameterImage& image, int word);

// "10 - 32000 (1.0 - 3200.0)": the range in the word's units, and as the dialog shows it
// where the scale is not 1.
std::string FieldRangeText(const FieldRange& range);

}  // namespace voltaro
