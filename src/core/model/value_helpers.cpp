#include "core/model/value_helpers.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

constexpr uint64_t kPowersOfTen[] = {1ULL,         10ULL,        100ULL,     1000ULL,
                                     10000ULL,     100000ULL,    1000000ULL, 10000000ULL,
                                     100000000ULL, 1000000000ULL};
constexpr int kMaxDecimals = 9;

bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// A C-notation integer filling the whole text; false for anything else, overflow included.
bool ParseCInteger(std::string_view text, int64_t& value) {
    std::size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    int base = 10;
    if (pos + 2 < text.size() && text[pos] == '0' &&
        (text[pos + 1] == 'x' || text[pos + 1] == 'X') &&
        std::isxdigit(static_cast<unsigned char>(text[pos + 2]))) {
        base = 16;
        pos += 2;
    } else if (pos < text.size() && text[pos] == '0') {
        base = 8;  // the leading 0 itself parses as an octal digit
    }
    if (pos >= text.size()) return false;
    uint64_t magnitude = 0;
    const char* first = text.data() + pos;
    const char* last = text.data() + text.size();
    auto [end, ec] = std::from_chars(first, last, magnitude, base);
    if (ec != std::errc() || end != last) return false;
    constexpr uint64_t kMaxPositive = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    if (negative) {
        if (magnitude > kMaxPositive + 1) return false;
        value = magnitude == kMaxPositive + 1 ? std::numeric_limits<int64_t>::min()
                                              : -static_cast<int64_t>(magnitude);
    } else {
        if (magnitude > kMaxPositive) return false;
        value = static_cast<int64_t>(magnitude);
    }
    return true;
}

// A decimal number filling the whole text, times scale, rounded half away from zero;
// false for anything else, including results that do not fit 64 bits.
bool ParseScaledReal(std::string_view text, int64_t scale, int64_t& value) {
    std::size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    // from_chars takes no '+' sign; it is independent of the process locale.
    if (pos < text.size() && text[pos] == '+' && !(pos + 1 < text.size() && text[pos + 1] == '-')) {
        ++pos;
    }
    if (pos >= text.size()) return false;
    double number = 0;
    const char* last = text.data() + text.size();
    auto [end, ec] = std::from_chars(text.data() + pos, last, number, std::chars_format::general);
    if (ec != std::errc() || end != last || !std::isfinite(number)) return false;
    double scaled = std::round(number * static_cast<double>(scale));
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    if (!(scaled < 9223372036854775808.0 && scaled >= -9223372036854775808.0)) return false;
    value = static_cast<int64_t>(scaled);
    return true;
}

}  // namespace

int ScaleDecimals(int64_t scale) {
    int decimals = 0;
    while (scale >= 10) {
        scale /= 10;
        ++decimals;
    }
    return decimals;
}

std::string FormatScaledBound(int decimals, int64_t value) {
    if (decimals <= 0) return std::to_string(value);
    if (decimals > kMaxDecimals) decimals = kMaxDecimals;
    // Magnitude in unsigned arithmetic so that the smallest 64-bit value is safe.
    uint64_t magnitude =
        value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    uint64_t power = kPowersOfTen[decimals];
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%s%llu.%0*llu", value < 0 ? "-" : "",
                  static_cast<unsigned long long>(magnitude / power), decimals,
                  static_cast<unsigned long long>(magnitude % power));
    return buffer;
}

std::string FormatScaledValue(int64_t value, int64_t scale) {
    char buffer[64];
    if (scale == 1) {
        std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(value));
    } else {
        std::snprintf(buffer, sizeof buffer, "%.*f", ScaleDecimals(scale),
                      static_cast<double>(value) / static_cast<double>(scale));
    }
    return buffer;
}

int64_t ParseScaledValue(std::string_view text, int64_t min, int64_t max, int64_t scale, int nameId,
                         int64_t extra) {
    if (scale < 1) scale = 1;
    int64_t value = 0;
    bool parsed = scale == 1 ? ParseCInteger(text, value) : ParseScaledReal(text, scale, value);
    if (!parsed) {
        throw CPrivateException(
            FormatMessageId(scale == 1 ? kMsgNotInteger : kMsgNotNumber, {LoadString(nameId)}));
    }
    bool hasExtra = extra != kNoExtraValue;
    if ((min <= value && value <= max) || (hasExtra && value == extra)) return value;
    int decimals = ScaleDecimals(scale);
    if (!hasExtra) {
        throw CPrivateException(
            FormatMessageId(kMsgOutOfRange, {LoadString(nameId), FormatScaledBound(decimals, min),
                                             FormatScaledBound(decimals, max)}));
    }
    throw CPrivateException(
        FormatMessageId(kMsgOutOfRangeOrExtra,
                        {LoadString(nameId), FormatScaledBound(decimals, min),
                         FormatScaledBound(decimals, max), FormatScaledBound(decimals, extra)}));
}

int32_t ParseScaledValue32(std::string_view text, int32_t min, int32_t max, int32_t scale,
                           int nameId, int32_t extra) {
    int64_t extra64 = extra == kNoExtraValue32 ? kNoExtraValue : extra;
    // The result lies within the 32-bit bounds (or equals the 32-bit extra value).
    return static_cast<int32_t>(ParseScaledValue(text, min, max, scale, nameId, extra64));
}

std::vector<std::string> StringList(int count, int firstId) {
    std::vector<std::string> list;
    for (int i = 0; i < count; ++i)
        list.push_back(LoadString(firstId + i));
    return list;
}

}  // namespace voltaro
