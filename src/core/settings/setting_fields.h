#pragma once
// Building blocks shared by the setting dialog models: validated field reads that name
// the failing field, scaled number texts, radio pairs and choice lists with codes.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/comm/com_settings.h"
#include "core/model/parameter_image.h"
#include "core/model/parameter_ranges.h"
#include "core/model/value_helpers.h"
#include "core/platform/private_exception.h"

namespace voltaro {

// A validation failure in a dialog's Accept: the message of the value check plus the
// dialog's id of the field that failed, so that the window can focus and select it.
class SettingFieldError : public CPrivateException {
  public:
    SettingFieldError(int field, const CPrivateException& cause)
        : CPrivateException(cause.Message()), field_(field) {}
    int Field() const { return field_; }

  private:
    int field_;
};

// ParseScaledValue that reports a failure as a SettingFieldError of `field`.
int64_t ReadField(int field, const std::string& text, int64_t min, int64_t max, int64_t scale,
                  int nameId, int64_t extra = kNoExtraValue);

inline int64_t ReadField(int field, const std::string& text, const FieldRange& range) {
    return ReadField(field, text, range.min, range.max, range.scale, range.nameId);
}
inline int64_t ParseScaledValue(const std::string& text, const FieldRange& range) {
    return ParseScaledValue(text, range.min, range.max, range.scale, range.nameId);
}

// "value (unit)": the scaled value text followed by the unit string in brackets.
std::string WithUnit(const std::string& valueText, int unitId);
std::string ScaledCellText(int64_t value, int64_t scale, int unitId);
// A word holding tenths, as an edit box shows it ("%.1lf" of the signed value / 10).
std::string TenthsText(uint16_t word);
// The cell text up to its first space: what an in-place edit box starts with.
std::string EditableText(const std::string& cellText);

// Radio pairs store 0 for the first button and 1 for the second.
inline bool SecondRadioChecked(uint16_t word) {
    return word != 0;
}
inline uint16_t RadioWord(bool secondChecked) {
    return secondChecked ? 1 : 0;
}

struct Choice {
    std::string text;
    int code;
};

// The entries of a combo box with the code that each entry stands for.
class ChoiceList {
  public:
    ChoiceList() = default;
    // count consecutive strings from firstId; the code of an entry is its index.
    static ChoiceList FromStrings(int count, int firstId);
    // One entry per code, its text the string textBase + code.
    static ChoiceList FromCodes(std::span<const int> codes, int textBase);

    void Add(std::string text, int code) { entries_.push_back({std::move(text), code}); }
    // The list a combo bound to a stored code shows: when no entry has stored, one more
    // entry at the end stands for it with text. A value that the list does not offer is so
    // shown as what it is, and it stays unless the user picks another entry: the kept entry
    // lies beyond the plain list, where StoreIndex and the plain list's CodeAt store nothing.
    ChoiceList Keeping(int stored, std::string text) const;
    void Append(const ChoiceList& other);

    int Size() const { return static_cast<int>(entries_.size()); }
    const Choice& At(int index) const { return entries_.at(static_cast<std::size_t>(index)); }
    // Index of the entry with code, or -1 when none has it.
    int IndexOfCode(int code) const;
    // Code of entry index, or nullopt outside the list.
    std::optional<int> CodeAt(int index) const;
    std::vector<std::string> Texts() const;

  private:
    std::vector<Choice> entries_;
};

// list bound to the stored value of enumeration word of image: Keeping with the value's
// StoredValueText. Every combo of an image word binds its list through this.
ChoiceList BoundChoices(const ChoiceList& list, const ParameterImage& image, int word);

// The selection to show for a stored index in a list of count entries (-1: none).
int IndexSelection(int stored, int count);
// Stores a combo selection as an index; no selection (-1) keeps the word unchanged.
void StoreIndex(uint16_t& word, int selection, int count);

}  // namespace voltaro
