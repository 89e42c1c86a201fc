#include "core/settings/setting_fields.h"

#include "core/model/parameter_check.h"
#include "core/platform/string_table.h"

namespace voltaro {

int64_t ReadField(int field, const std::string& text, int64_t min, int64_t max, int64_t scale,
                  int nameId, int64_t extra) {
    try {
        return ParseScaledValue(text, min, max, scale, nameId, extra);
    } catch (const CPrivateException& e) {
        throw SettingFieldError(field, e);
    }
}

std::string WithUnit(const std::string& valueText, int unitId) {
    return valueText + " (" + LoadString(unitId) + ")";
}

std::string ScaledCellText(int64_t value, int64_t scale, int unitId) {
    return WithUnit(FormatScaledValue(value, scale), unitId);
}

std::string TenthsText(uint16_t word) {
    return FormatScaledValue(static_cast<int16_t>(word), 10);
}

std::string EditableText(const std::string& cellText) {
    return cellText.substr(0, cellText.find(' '));
}

ChoiceList ChoiceList::FromStrings(int count, int firstId) {
    ChoiceList list;
    const std::vector<std::string> texts = StringList(count, firstId);
    for (int i = 0; i < count; ++i)
        list.Add(texts[static_cast<std::size_t>(i)], i);
    return list;
}

ChoiceList ChoiceList::FromCodes(std::span<const int> codes, int textBase) {
    ChoiceList list;
    for (int code : codes)
        list.Add(LoadString(textBase + code), code);
    return list;
}

ChoiceList ChoiceList::Keeping(int stored, std::string text) const {
    ChoiceList list = *this;
    if (IndexOfCode(stored) < 0) list.Add(std::move(text), stored);
    return list;
}

ChoiceList BoundChoices(const ChoiceList& list, const ParameterImage& image, int word) {
    const uint16_t stored = image.words[static_cast<std::size_t>(word)];
    if (list.IndexOfCode(stored) >= 0) return list;
    return list.Keeping(stored, StoredValueText(image.deviceType, word, stored));
}

void ChoiceList::Append(const ChoiceList& other) {
    entries_.insert(entries_.end(), other.entries_.begin(), other.entries_.end());
}

int ChoiceList::IndexOfCode(int code) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].code == code) return static_cast<int>(i);
    }
    return -1;
}

std::optional<int> ChoiceList::CodeAt(int index) const {
    if (index < 0 || index >= Size()) return std::nullopt;
    return entries_[static_cast<std::size_t>(index)].code;
}

std::vector<std::string> ChoiceList::Texts() const {
    std::vector<std::string> texts;
    for (const Choice& c : entries_)
        texts.push_back(c.text);
    return texts;
}

int IndexSelection(int stored, int count) {
    return stored >= 0 && stored < count ? stored : -1;
}

void StoreIndex(uint16_t& word, int selection, int count) {
    if (selection >= 0 && selection < count) word = static_cast<uint16_t>(selection);
}

}  // namespace voltaro
