#pragma once
// The parameter image: 435 16-bit parameter words plus the device type they belong
// to. A 32-bit parameter takes two consecutive words, low half first.
#include <array>
#include <cstdint>
#include <string>

#include "core/model/device_type.h"
#include "core/model/ipv4_address.h"

namespace voltaro {

constexpr int kImageWords = 435;

// Value types of the definitions table.
enum ParameterType : int32_t {
    kTypeSigned16 = 0,     // divided by param
    kTypeValue32 = 1,      // 32-bit in this word (low half) and the next, divided by param
    kTypeEnumeration = 2,  // string param + value
    kTypePasscode = 3,
    kTypeMultiplied = 5,   // value x param
    kTypeOutputLevel = 6,  // analogue output level
    kTypeAddress = 7,      // IPv4 address in this word and the next
};

// One row of the parameter definitions table (row i describes word i).
struct ParameterDefinition {
    int32_t groupId;  // string id of the group name (16000 and up)
    int32_t nameId;   // string id of the parameter name
    int32_t type;     // ParameterType
    int32_t param;    // divisor, multiplier or enumeration base
    uint32_t featureMask;
    uint32_t familyMask;
};

const ParameterDefinition& Definition(int word);
// Whether word is the first of a 32-bit value or of an address: callers that walk the
// words entry by entry skip the word after it.
bool StartsTwoWordEntry(int word);

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
    // The IPv4 address in word and the next.
    Ipv4Octets Address(int word) const { return Ipv4OctetsOf({words[word], words[word + 1]}); }
    void SetAddress(int word, const Ipv4Octets& octets) {
        const Ipv4Words pair = Ipv4WordsOf(octets);
        words[word] = pair.high;
        words[word + 1] = pair.low;
    }

    // Whether word applies to the image's device type (no row: nothing applies).
    bool Applies(int word) const;
    // Display text of word following every display rule; empty when it does not apply.
    std::string ValueText(int word) const;
    std::string GroupName(int word) const;
    std::string ParameterName(int word) const;
};

// Types with any of the family bits KT2_G2, KT6_G2, HKT2, HKT2X have the extended
// function set: two more discrete input functions and the energy counts with tariffs
// (texts kTextsEnergyExtended + code instead of kTextsEnergy + code).
bool HasExtendedFunctionSet(const CDeviceType& type);
// First text of the alarm output choices: kTextsAlarmOutputComm ("Comm" ...) on HKT2 and
// HKT2X, else kTextsAlarmOutput ("Display" ...).
int AlarmOutputTextBase(const CDeviceType& type);

// First text of the list that the enumeration word's value is added to for type (the
// definition's base, or the base the type uses instead: extended energy counts, alarm
// outputs through "Comm", CT sensors of word 33 on ZB and ZC types); -1 when word is no
// enumeration for type.
int EnumerationTextBase(const CDeviceType& type, int word);

// The extended energy codes (210 to 213 and 310 to 313: energies per tariff) that the
// energy views and Sigma lines of the extended display offer beside their own list.
bool IsExtendedEnergyCode(int code);
// Whether word offers them on type (words 2, 185 and the Sigma lines, KT2_G2 and KT6_G2).
bool OffersExtendedEnergyCodes(const CDeviceType& type, int word);
// Text id of an extended energy code: kTextsEnergyExtended + code.
int ExtendedEnergyTextId(int code);
// Text id of value in enumeration word's list on type (the extended energy codes where the
// word offers them), or -1 when word is no enumeration for type. The report, the
// comparison and the setting dialogs show a value by this one rule.
int EnumerationTextId(const CDeviceType& type, int word, int value);

// Copies the words and the device type's identity and row.
void CopyParameterImage(ParameterImage& destination, const ParameterImage& source);

}  // namespace voltaro
