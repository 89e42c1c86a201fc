#pragma once
// The measurand store: every measured value a monitor shows, as a flat table of 32-bit
// slots addressed by the measurand index, plus the side areas that are not slots
// (harmonic spectra, phase angles, ratings, the device's identity and status words).
// Reads write into it on a worker thread; observers are told when a read has finished
// and then format from it (measurand_format.h).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/device_type.h"
#include "core/model/parameter_words.h"
#include "core/work/observer.h"

namespace voltaro {

constexpr int kMeasurandSlots = 32768;
// Indexes 0 .. 1710 are assigned; 1711 is the blank index.
constexpr int kMeasurandIndexCount = 1712;
constexpr int kHarmonicSetCount = 10;    // I1, I2, I3, IN, U12, U23, U31, U1, U2, U3
constexpr int kHarmonicOrderCount = 30;  // word k is harmonic order k + 2, in 0.1 %

// Named measurand indexes of the meter and ZB part (0 .. 225).
constexpr int kIdxCurrentSum = 0;
constexpr int kIdxVoltageSum = 1;
constexpr int kIdxActivePowerSum = 2;
constexpr int kIdxApparentPowerSum = 4;
constexpr int kIdxPowerFactorSum = 5;
constexpr int kIdxFrequency = 6;
constexpr int kIdxLeadLagSum = 7;
constexpr int kIdxCurrent1 = 8;          // 8 .. 11: I1, I2, I3, IN
constexpr int kIdxLineVoltage12 = 12;    // 12 .. 14
constexpr int kIdxPhaseVoltage1 = 15;    // 15 .. 17
constexpr int kIdxActivePower1 = 18;     // 18 .. 20, reactive 21 .., apparent 24 ..
constexpr int kIdxApparentPower1 = 24;   // 24 .. 26
constexpr int kIdxPowerFactor1 = 27;     // 27 .. 29
constexpr int kIdxLeadLag1 = 30;         // 30 .. 32
constexpr int kInstantaneousCount = 33;  // indexes 0 .. 32
constexpr int kIdxEnergySet1 = 33;       // 14 values of the first tariff
constexpr int kIdxEnergySet2 = 47;       // 14 values of the second tariff
constexpr int kEnergySetSize = 14;
constexpr int kIdxEnergyFraction1 = 61;  // fraction words of 33 .. 46
constexpr int kIdxEnergyFraction2 = 75;  // fraction words of 47 .. 60
// An energy value's fraction word lies this many slots above it.
constexpr int kFractionSlotDistance = 28;
// Offsets within an energy set.
constexpr int kEnergyOperatingTime = 9;
constexpr int kEnergyActiveInOut = 12;
constexpr int kIdxDemandCurrent = 89;  // latest: sum, I1, I2, I3, IN; then 4 histories
constexpr int kDemandCurrentCount = 5;
constexpr int kIdxDemandPower = 114;  // latest: P, Q, S; then 4 histories
constexpr int kDemandPowerCount = 3;
constexpr int kDemandHistories = 4;
constexpr int kIdxMaximum = 129;       // maxima of 0 .. 6
constexpr int kIdxMaximumPhase = 137;  // maxima of 8 .. 29
constexpr int kIdxMaximumThd = 159;    // 10 sets
constexpr int kIdxMaxDemandCurrent = 169;
constexpr int kIdxMaxDemandPower = 174;  // P in, P out, Q LAG, Q LEAD, S
constexpr int kIdxMinimum = 179;         // minima of 0 .. 6
constexpr int kIdxMinimumPhase = 186;    // minima of 8 .. 29
constexpr int kIdxThd = 208;             // 10 sets
constexpr int kIdxCounter1 = 218;        // 218 .. 225
constexpr int kCounterCount = 8;
constexpr int kMeterIndexCount = 226;  // the meter and ZB part: 0 .. 225

// The ZC part (226 .. 1700) is read by the power management monitor, for the eight
// channels shown at a time (the extension module's land in the same slots).
constexpr int kZcPageChannels = 8;
// Energy block of channel k from kIdxZcEnergy + 29 k: active in, reactive LAG, -, the
// latest hour, -, the 24 hourly values; the discrete-input counts use the same layout.
constexpr int kIdxZcEnergy = 226;
constexpr int kIdxZcCounts = 458;
constexpr int kZcBlockSlots = 29;
constexpr int kZcLatestHourSlot = 3;
constexpr int kZcFirstHourSlot = 5;
constexpr int kZcHours = 24;
constexpr int kIdxZcCommon = 690;    // present, maximum, minimum: 8 values each
constexpr int kZcCommonCount = 8;    // voltages 1-2, 2-3, 3-1, 1, 2, 3, sum, frequency
constexpr int kIdxZcCurrents = 714;  // 15 slots per channel: present, maximum, minimum
constexpr int kZcCurrentSlots = 15;
constexpr int kIdxZcPowers = 834;  // 48 slots per channel: present, maximum, minimum
constexpr int kZcPowerSlots = 48;
constexpr int kIdxZcDemand = 1218;  // 60 slots per channel
constexpr int kZcDemandSlots = 60;
constexpr int kIdxZcPercentage = 1700;
// The date and time of the ZC device:
constexpr int kIdxDeviceDate = 1698;
constexpr int kIdxDeviceTime = 1699;

// Derived indexes: texts made from the identity and status fields.
constexpr int kIdxModelName = 1701;
constexpr int kIdxFirmwareVersion = 1702;
constexpr int kIdxSerialNumber = 1703;
constexpr int kIdxSupportInfo = 1704;
constexpr int kIdxPasscodeState = 1705;
constexpr int kIdxTagNumber = 1706;
constexpr int kIdxAnalogOutput1 = 1707;  // 1707 .. 1710
constexpr int kIdxBlank = 1711;

class CMeasurandsKT2 : public CObservable {
  public:
    CMeasurandsKT2();

    // Measurand slots, indexed by measurand index (signed; a slot that holds an unsigned
    // fraction word is read through Fraction).
    std::vector<int32_t> values;
    std::array<std::array<uint16_t, kHarmonicOrderCount>, kHarmonicSetCount> harmonics{};
    std::array<int16_t, 6> phaseAngles{};  // registers 30000 .. 30005 in register order
    uint16_t wiringSystem = 0;             // 0 .. 6
    int32_t ratedCurrent = 0;              // scales current vectors
    int32_t ratedVoltage = 0;              // scales voltage vectors
    uint16_t deviceId = 0;
    uint16_t firmwareVersion = 0;             // major x 100 + minor
    std::array<uint8_t, 8> serialNumber{};    // registers 9602 .. 9605, low byte first
    std::array<uint8_t, 16> tagNumber{};      // registers 9606 .. 9613, low byte first
    uint16_t extensionId = 0;                 // register 9622
    std::array<uint16_t, 4> ioConfig{};       // registers 9623 .. 9626
    uint32_t supportInfo = 0;                 // the protection passcode pair (0: off)
    std::array<uint16_t, 4> analogOutputs{};  // output levels, registers 3136 .. 3139
    uint16_t fixedOutputStatus = 0;           // register 5339 (HKT2 from 1.20), else 0
    uint16_t loopTestChannels = 0;            // ZB: bit c set while input c is in loop test

    // The slot of index; 0 outside the table.
    int32_t Value(int index) const;
    uint32_t Fraction(int index) const { return static_cast<uint32_t>(Value(index)); }
    // Sets a slot; indexes outside the table are ignored.
    void SetValue(int index, int32_t value);
    // The slots as the destination of a register-list read.
    uint32_t* Slots();

    // The 14 registers from 9600 (device id, firmware, serial, tag) and the 5 from 9622
    // (extension id, four I/O words).
    void SetIdentityRegisters(const uint16_t* registers14);
    void SetExtensionRegisters(const uint16_t* registers5);

    // Serial and tag texts: bytes up to the first zero byte (at most 8 or 16).
    std::string SerialNumberText() const;
    std::string TagNumberText() const;
};

}  // namespace voltaro
