#pragma once
// The numbers that the setting dialogs accept for the number words they edit, in one place
// for the dialogs and for every other way a value gets into an image (an imported
// configuration): the range in the word's own units, the scale between the word and the
// number shown (10: the word holds tenths) and the string id of the name a refusal shows.
#include <cstdint>
#include <optional>
#include <string>

#include "core/model/parameter_image.h"

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

// The range the dialogs give entry word of image (t3.5 from image's t1.5 + 1), or nullopt
// for a word that no dialog reads as a number with such a range.
std::optional<FieldRange> DialogRangeOf(const ParameterImage& image, int word);

// "10 - 32000 (1.0 - 3200.0)": the range in the word's units, and as the dialog shows it
// where the scale is not 1.
std::string FieldRangeText(const FieldRange& range);

}  // namespace voltaro
