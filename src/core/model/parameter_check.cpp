// The allowed values of the parameter words.
#include "core/model/parameter_check.h"

#include <algorithm>
#include <map>

#include "core/model/parameter_blocks.h"
#include "core/model/parameter_words.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"

namespace voltaro {
namespace {

// Codes of one list whose text is list base + code: a list is the run of texts from its
// base, except for the two lists that leave gaps between groups of codes.
int MeasureCodeSpan(int base) {
    if (base == kTextsMeasurand) return 120;       // measurands, then energy views 100-119
    if (base == kTextsEnergyExtended) return 400;  // total, peak (200+), off peak (300+)
    int span = 0;
    while (HasString(base + span))
        ++span;
    return span;
}

// The spans of every list a word's value can index, measured once (the texts are fixed).
int CodeSpan(int base) {
    static const std::map<int, int> spans = [] {
        std::map<int, int> all;
        for (int list : {kTextsEnergyExtended, kTextsAlarmOutputComm, kTextsCtSensor})
            all[list] = MeasureCodeSpan(list);
        for (int word = 0; word < kImageWords; ++word)
            if (Definition(word).type == kTypeEnumeration)
                all.emplace(Definition(word).param, MeasureCodeSpan(Definition(word).param));
        return all;
    }();
    const auto found = spans.find(base);
    return found != spans.end() ? found->second : MeasureCodeSpan(base);
}

// The extended energy codes, ascending.
constexpr int kExtendedEnergyCodes[] = {210, 211, 212, 213, 310, 311, 312, 313};

}  // namespace

bool IsAllowedValue(const CDeviceType& type, int word, uint16_t value) {
    const int base = EnumerationTextBase(type, word);
    if (base < 0) return true;
    if (value < CodeSpan(base) && HasString(base + value)) return true;
    if (!OffersExtendedEnergyCodes(type, word)) return false;
    return IsExtendedEnergyCode(value) && HasString(ExtendedEnergyTextId(value));
}

std::string StoredValueText(const CDeviceType& type, int word, uint16_t value) {
    const int id = EnumerationTextId(type, word, value);
    if (id >= 0 && IsAllowedValue(type, word, value)) return LoadString(id);
    return FormatMessageId(kTextUnlistedValue, {static_cast<int>(value)});
}

bool AllowedValues::Allows(uint16_t value) const {
    return any || std::binary_search(codes.begin(), codes.end(), static_cast<int>(value));
}

std::string AllowedValues::Text() const {
    std::string text;
    for (std::size_t i = 0; i < codes.size();) {
        std::size_t last = i;
        while (last + 1 < codes.size() && codes[last + 1] == codes[last] + 1)
            ++last;
        if (!text.empty()) text += ", ";
        text += std::to_string(codes[i]);
        if (last > i) text += " - " + std::to_string(codes[last]);
        i = last + 1;
    }
    return text;
}

AllowedValues AllowedValuesOf(const CDeviceType& type, int word) {
    AllowedValues allowed;
    const int base = EnumerationTextBase(type, word);
    if (base < 0) return allowed;
    allowed.any = false;
    const int span = CodeSpan(base);
    for (int code = 0; code < span; ++code)
        if (HasString(base + code)) allowed.codes.push_back(code);
    if (OffersExtendedEnergyCodes(type, word)) {
        for (int code : kExtendedEnergyCodes)
            if (HasString(ExtendedEnergyTextId(code))) allowed.codes.push_back(code);
    }
    std::sort(allowed.codes.begin(), allowed.codes.end());
    allowed.codes.erase(std::unique(allowed.codes.begin(), allowed.codes.end()),
                        allowed.codes.end());
    return allowed;
}

std::optional<ParameterViolation> FindInvalidParameter(const ParameterImage& image) {
    for (int word = 0; word < kImageWords; ++word) {
        if (!image.Applies(word) || IsAllowedValue(image.deviceType, word, image.words[word]))
            continue;
        return ParameterViolation{word, image.words[word], AllowedValuesOf(image.deviceType, word)};
    }
    return std::nullopt;
}

std::string ViolationMessage(const ParameterImage& image, const ParameterViolation& violation,
                             int messageId) {
    const int reg = RegisterOfWord(BlockTableFor(image.deviceType), violation.word);
    return FormatMessageId(
        messageId, {image.GroupName(violation.word), image.ParameterName(violation.word), reg,
                    std::to_string(violation.value), violation.allowed.Text()});
}

}  // namespace voltaro
