#pragma once
// The parameter image: 435 16-bit parameter words plus the device type they belong
// to. A 32-bit parameter takes two consecutive words, low half first.
#include <array>
#include <cstdint>
#include <string>

#include "core/model/device_type.h"

namespace voltaro {

constexpr int kImageWords = 435;

// One row of the parameter definitions table (row i describes word i).
struct ParameterDefinition {
    int32_t groupId;   // string id of the group name (16000 and up)
    int32_t nameId;    // string id of the parameter name
    int32_t type;      // 0 signed 16, 1 32-bit (this word low), 2 enum, 3 passcode,
                       // 5 scaled (x param), 6 analogue output level, 7 IPv4 address
    int32_t param;     // divisor, multiplier or enumeration base
    uint32_t featureMask;
    uint32_t familyMask;
};

const ParameterDefinition& Definition(int word);

class ParameterImage {
public:
    // The default image: every word 0 but the defaults, device type row 0.
    ParameterImage();

    std::array<uint16_t, kImageWords> words{};
    CDeviceType deviceType;

    uint32_t Get32(int word) const {
        return static_cast<uint32_t>(words[word]) | (static_cast<uint32_t>(words[word + 1]) << 16);
    }
    void Set32(int word, uint32_t value) {
        words[word] = static_cast<uint16_t>(value & 0xFFFF);
        words[word + 1] = static_cast<uint16_t>(value >> 16);
    }

    // Whether word applies to the image's device type (no row: nothing applies).
    bool Applies(int word) const;
    // Display text of word following every display rule; empty when it does not apply.
    std::string ValueText(int word) const;
    std::string GroupName(int word) const;
    std::string ParameterName(int word) const;
};

// Copies the words and the device type's identity and row.
void CopyParameterImage(ParameterImage& destination, const ParameterImage& source);

}  // namespace voltaro
