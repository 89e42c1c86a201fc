// Display texts, applicability and names of the parameter image's words.
#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"
#include "core/model/value_helpers.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

bool IsEnergyCountWord(int word) {
    for (int output = 0; output < kPulseOutputCount; ++output) {
        if (word == PulseEnergyWord(output)) return true;
    }
    return false;
}

// The CT sensor word of the input whose primary current is `word`, or -1.
int CtSensorWordOf(int word) {
    for (int input = 1; input <= kInputCount; ++input) {
        if (word == PrimaryCurrentWord(input)) return CtSensorWord(input);
    }
    return -1;
}

// Text of enumeration entry id; the value's number when the table has no such entry.
std::string EnumerationText(int id, int value) {
    if (HasString(id)) return LoadString(id);
    return std::to_string(value);
}

// Words whose 16 bits are one unsigned number (the Modbus-TCP port, 0 to 65535).
bool HoldsUnsigned(int word) {
    return word == kWordPort;
}

}  // namespace

bool HasExtendedFunctionSet(const CDeviceType& type) {
    return type.HasFeature(0, FAM_KT2_G2 | FAM_KT6_G2 | FAM_HKT2 | FAM_HKT2X);
}

int AlarmOutputTextBase(const CDeviceType& type) {
    return type.HasFeature(0, FAM_HKT2 | FAM_HKT2X) ? kTextsAlarmOutputComm : kTextsAlarmOutput;
}

int EnumerationTextBase(const CDeviceType& type, int word) {
    if (word < 0 || word >= kImageWords) return -1;
    if (word == kWordSecondaryCurrent && type.HasFeature(0, FAM_ZB | FAM_ZC)) return kTextsCtSensor;
    const ParameterDefinition& d = Definition(word);
    if (d.type != kTypeEnumeration) return -1;
    if (IsEnergyCountWord(word) && d.param == kTextsEnergy && HasExtendedFunctionSet(type))
        return kTextsEnergyExtended;
    if (d.param == kTextsAlarmOutput) return AlarmOutputTextBase(type);
    return d.param;
}

bool IsExtendedEnergyCode(int code) {
    return (code >= 210 && code <= 213) || (code >= 310 && code <= 313);
}

bool OffersExtendedEnergyCodes(const CDeviceType& type, int word) {
    const bool energyView = word == kWordEnergyDisplayView || word == kWordDefaultEnergyView;
    const bool sigmaLine =
        word >= kWordSigmaLineFirst && word < kWordSigmaLineFirst + kSigmaLineCount;
    return (energyView || sigmaLine) && type.HasFeature(0, FAM_KT2_G2 | FAM_KT6_G2);
}

int ExtendedEnergyTextId(int code) {
    return kTextsEnergyExtended + code;
}

int EnumerationTextId(const CDeviceType& type, int word, int value) {
    const int base = EnumerationTextBase(type, word);
    if (base < 0) return -1;
    if (IsExtendedEnergyCode(value) && OffersExtendedEnergyCodes(type, word))
        return ExtendedEnergyTextId(value);
    return base + value;
}

bool ParameterImage::Applies(int word) const {
    if (word < 0 || word >= kImageWords) return false;
    const ParameterDefinition& d = Definition(word);
    return deviceType.HasFeature(d.featureMask, d.familyMask);
}

std::string ParameterImage::ValueText(int word) const {
    if (!Applies(word)) return {};
    const ParameterDefinition& d = Definition(word);
    const bool multiCircuit = deviceType.HasFeature(0, FAM_ZB | FAM_ZC);
    const int value = static_cast<int16_t>(words[word]);
    const unsigned unsignedValue = words[word];

    if (const int id = EnumerationTextId(deviceType, word, static_cast<int>(unsignedValue));
        id >= 0)
        return EnumerationText(id, static_cast<int>(unsignedValue));
    if (multiCircuit) {
        int sensorWord = CtSensorWordOf(word);
        if (sensorWord >= 0 && words[sensorWord] != 0) return {};
    }

    switch (d.type) {
        case kTypeSigned16:
            return FormatScaledValue(HoldsUnsigned(word) ? static_cast<int>(unsignedValue) : value,
                                     d.param);
        case kTypeValue32: {
            if (word + 1 >= kImageWords) return FormatScaledValue(value, d.param);
            return FormatScaledValue(static_cast<int32_t>(Get32(word)), d.param);
        }
        case kTypePasscode:
            return "****";
        case kTypeMultiplied:
            return std::to_string(static_cast<long long>(unsignedValue) * d.param);
        case kTypeOutputLevel:
            return deviceType.HasFeature(FEAT_AO_4_20MA, 0) ? FormatScaledValue(value, 100)
                                                            : FormatScaledValue(value, 1000);
        case kTypeAddress: {
            // The second word of an address formats the pair it belongs to.
            int first = word;
            if (word > 0 && Definition(word - 1).type == kTypeAddress &&
                Definition(word - 1).nameId == d.nameId) {
                first = word - 1;
            }
            if (first + 1 >= kImageWords) return {};
            return Ipv4Text(Address(first));
        }
        default:
            return std::to_string(value);
    }
}

std::string ParameterImage::GroupName(int word) const {
    return LoadString(Definition(word).groupId);
}

std::string ParameterImage::ParameterName(int word) const {
    return LoadString(Definition(word).nameId);
}

}  // namespace voltaro
