#include "core/settings/interim_value_helpers.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/platform/message_format.h"
#include "core/platform/string_table.h"
#include "core/work/private_exception.h"

namespace voltaro::interim {
namespace {

int Decimals(int64_t scale) {
    int decimals = 0;
    while (scale > 1) {
        scale /= 10;
        ++decimals;
    }
    return decimals;
}

}  // namespace

int64_t ParseScaledValue(const std::string& text, int64_t min, int64_t max, int64_t scale,
                         int nameId, int64_t extra) {
    const char* begin = text.c_str();
    char* end = nullptr;
    int64_t value = 0;
    if (scale == 1) {
        value = std::strtoll(begin, &end, 0);
    } else {
        const double number = std::strtod(begin, &end);
        value = static_cast<int64_t>(std::llround(number * static_cast<double>(scale)));
    }
    if (text.empty() || end == begin || *end != '\0') {
        throw CPrivateException(
            FormatMessageId(scale == 1 ? 11027 : 11026, {LoadString(nameId)}));
    }
    if ((min <= value && value <= max) || (extra != kNoExtraValue && value == extra)) return value;
    const int d = Decimals(scale);
    if (extra == kNoExtraValue) {
        throw CPrivateException(FormatMessageId(
            11000, {LoadString(nameId), FormatScaledBound(d, min), FormatScaledBound(d, max)}));
    }
    throw CPrivateException(FormatMessageId(
        11035, {LoadString(nameId), FormatScaledBound(d, min), FormatScaledBound(d, max),
                FormatScaledBound(d, extra)}));
}

std::string FormatScaledValue(int64_t value, int64_t scale) {
    char buffer[64];
    if (scale <= 1) {
        std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(value));
    } else {
        std::snprintf(buffer, sizeof buffer, "%.*f", Decimals(scale),
                      static_cast<double>(value) / static_cast<double>(scale));
    }
    return buffer;
}

std::string FormatScaledBound(int decimals, int64_t value) {
    char buffer[64];
    if (decimals == 0) {
        std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(value));
        return buffer;
    }
    int64_t power = 1;
    for (int i = 0; i < decimals; ++i) power *= 10;
    const uint64_t magnitude =
        value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    std::snprintf(buffer, sizeof buffer, "%s%llu.%0*llu", value < 0 ? "-" : "",
                  static_cast<unsigned long long>(magnitude / power), decimals,
                  static_cast<unsigned long long>(magnitude % power));
    return buffer;
}

std::vector<std::string> StringList(int count, int firstId) {
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) texts.push_back(LoadString(firstId + i));
    return texts;
}

}  // namespace voltaro::interim
