#pragma once
// Numbers typed into and shown in edit boxes. Numbers are stored as scaled integers
// (scale 1, 10, 100, 1000 or 10000); enumerations as indexes into consecutive strings.
// These helpers do the parsing, range checking and formatting; a window only adds
// putting the text in or taking it out, and focusing the edit box on a failure.
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace voltaro {

// No extra accepted value beside the range (64-bit and 32-bit forms).
constexpr int64_t kNoExtraValue = std::numeric_limits<int64_t>::min();
constexpr int32_t kNoExtraValue32 = std::numeric_limits<int32_t>::min();

// Number of divisions by 10 that bring scale down to 1 (10 -> 1, 1000 -> 3).
int ScaleDecimals(int64_t scale);

// Reads a number from text. Scale 1: a C-notation integer (decimal, 0x hex, leading-0
// octal). Other scales: a decimal number multiplied by scale and rounded half away
// from zero. Accepts min <= value <= max, or value == extra when extra is not
// kNoExtraValue. Throws CPrivateException: kMsgNotInteger (scale 1) or kMsgNotNumber for
// text that is not a number or does not fit, kMsgOutOfRange or kMsgOutOfRangeOrExtra (with
// extra) for a value out of range.
// nameId is the string id of the parameter's name used in the messages.
int64_t ParseScaledValue(std::string_view text, int64_t min, int64_t max, int64_t scale, int nameId,
                         int64_t extra = kNoExtraValue);
// The same with 32-bit bounds; kNoExtraValue32 (0x80000000) means no extra value.
int32_t ParseScaledValue32(std::string_view text, int32_t min, int32_t max, int32_t scale,
                           int nameId, int32_t extra = kNoExtraValue32);

// Text of a bound in a message: "%d" with 0 decimals, else sign, integer part and the
// remainder zero-padded to `decimals` digits (decimals 2, -4500 -> "-45.00").
std::string FormatScaledBound(int decimals, int64_t value);

// Text of a stored value for an edit box: "%d" when scale is 1, else value / scale
// with as many decimals as scale has zeros ("%.1lf" for 10).
std::string FormatScaledValue(int64_t value, int64_t scale);

// The strings firstId ... firstId + count - 1 in order (list index = stored value).
std::vector<std::string> StringList(int count, int firstId);

}  // namespace voltaro
