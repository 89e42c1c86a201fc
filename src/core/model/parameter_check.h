#pragma once
// What each word of a parameter image may hold, and the check of a whole image against
// it: the one rule by which a configuration file is refused on loading (and the simulated
// device refuses a written value). Numbers, addresses and the passcode take any value of
// their word; an enumeration takes the codes its list has a text for (the energy views and
// Sigma lines of the extended display also the extended energy codes 210 to 213 and 310 to
// 313 that their dialogs offer).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/model/parameter_image.h"
#include "core/platform/message_ids.h"

namespace voltaro {

struct AllowedValues {
    bool any = true;         // every value of the word
    std::vector<int> codes;  // otherwise these codes, ascending

    bool Allows(uint16_t value) const;
    // "0 - 6", "0 - 44, 100 - 119": the codes as ranges (empty text for any).
    std::string Text() const;
};

// What word may hold on a device of type.
AllowedValues AllowedValuesOf(const CDeviceType& type, int word);
// Whether word may hold value on a device of type (AllowedValuesOf(...).Allows, quicker).
bool IsAllowedValue(const CDeviceType& type, int word, uint16_t value);

// The text of a stored value of enumeration word for a combo whose list lacks it: the
// value's own list entry where the definitions allow the value (a wiring system that the
// type's shorter list leaves out), else kTextUnlistedValue with the number.
std::string StoredValueText(const CDeviceType& type, int word, uint16_t value);

struct ParameterViolation {
    int word = -1;
    uint16_t value = 0;
    AllowedValues allowed;
};

// The first word that applies to image's device type and holds a value it may not hold.
std::optional<ParameterViolation> FindInvalidParameter(const ParameterImage& image);

// kMsgParameterNotAllowed (or messageId, a text with the same inserts) for a violation of
// image: group and parameter name, the register that holds the word on the device, the value
// and what is allowed.
std::string ViolationMessage(const ParameterImage& image, const ParameterViolation& violation,
                             int messageId = kMsgParameterNotAllowed);

}  // namespace voltaro
