#pragma once
// Holding registers of the devices that the code addresses by name (0-based Modbus
// register numbers; messages show the address plus 1). The parameter blocks have their
// own table (parameter_blocks.h).

namespace voltaro {

// Identification, 28 registers from 9600.
constexpr int kDeviceIdRegister = 9600;
constexpr int kFirmwareVersionRegister = 9601;  // major x 100 + minor
constexpr int kSerialNumberRegister = 9602;     // 4 registers of text
constexpr int kSerialNumberRegisters = 4;       // registers of the serial number
constexpr int kTagRegister = 9606;              // 8 registers of text, writable
constexpr int kExtensionIdRegister = 9622;
constexpr int kIoConfigRegister = 9623;  // 5 registers
constexpr int kIoConfigRegisters = 5;
constexpr int kIdentificationRegisters = 28;

// Word order of 32-bit values (1: high half first): of the parameters and of the
// measured values. The ZC series has neither and keeps the low half first.
constexpr int kWordOrderRegister = 5735;
constexpr int kMeasuredWordOrderRegister = 5375;

// Configuration mode (DIP switch 1-8) of ZB and ZC types in bit 0, image word
// kWordConfigurationMode: 0 set by the switches, 1 set from the PC.
constexpr int kZbModeRegister = 20302;
constexpr int kZcModeRegister = 25502;

// Passcode protection of the meter and ZB types.
constexpr int kPasscodeRegister = 4942;    // pair: the entered passcode
constexpr int kUnlockRegister = 4944;      // 1 unlocks, 0 locks; reads 1 while unlocked
constexpr int kProtectionRegister = 5333;  // pair: the protection passcode, 0 = off
// The same of the ZC series (pairs always low word first).
constexpr int kZcPasscodeRegister = 8976;
constexpr int kZcUnlockRegister = 8978;
constexpr int kZcProtectionRegister = 8993;

struct PasscodeRegisterSet {
    int entered;  // pair
    int unlock;
    int protection;  // pair
};
constexpr PasscodeRegisterSet kMeterPasscodeRegisters{kPasscodeRegister, kUnlockRegister,
                                                      kProtectionRegister};
constexpr PasscodeRegisterSet kZcPasscodeRegisters{kZcPasscodeRegister, kZcUnlockRegister,
                                                   kZcProtectionRegister};

// Measured values of the meter and ZB map that the monitors address by name. A second
// measuring input (2-input ZB types) has its own copy of most of them.
constexpr int kSecondInputOffset = 4000;          // instantaneous values, energies, demand
constexpr int kVectorUnavailableRegister = 5335;  // not 0: no phase angles to show
constexpr int kVectorUnavailableRegister2 = 5338;
constexpr int kPhaseAngleRegister = 30000;  // 6 signed words: I1, U1, I2, U2, I3, U3
constexpr int kPhaseAngleRegister2 = 30100;
constexpr int kPhaseAngleRegisters = 6;
constexpr int kWiringSystemRegister = 5600;  // 0..6
// Ratings that scale the vector chart. KT2, HKT2, HKT2X: current (16 bits) and voltage
// (pair). KT6: current in mA and voltage in 0.01 V, both pairs. ZB: CT sensor type and
// primary current per input, primary voltage (pair) shared by both inputs.
constexpr int kMeterRatingRegister = 6752;
constexpr int kKt6RatedCurrentRegister = 6768;
constexpr int kKt6RatedVoltageRegister = 6772;
constexpr int kZbPrimaryCurrentRegister = 5601;
constexpr int kZbSensorTypeRegister = 5602;
constexpr int kZbPrimaryVoltageRegister = 5603;
constexpr int kZbPrimaryCurrentRegister2 = 5609;
constexpr int kZbSensorTypeRegister2 = 5610;
// Counters (pairs); types with analogue outputs hold their four output levels (single
// words) here instead.
constexpr int kCounterRegister = 3136;
constexpr int kAnalogOutputLevels = 4;
// 1 while an analogue output loop test holds the outputs (HKT2 from firmware 1.20).
constexpr int kFixedOutputRegister = 5339;
// Reset commands (1 energies, 2 maxima/minima, 3 demand): of the first input, and of the
// other input (also the counters of 4-counter types, value 15); 8-counter types reset
// their counters with 255 at the register that holds the analogue output test flag on
// types with outputs.
constexpr int kResetRegister = 5329;
constexpr int kResetSecondRegister = 5337;
constexpr int kCounterResetRegister = kFixedOutputRegister;
// The fraction word of an energy value lies this far above the value's register.
constexpr int kEnergyFractionDistance = 64;

// The clock: three BCD registers (YYMM, DDhh, mmss).
constexpr int kClockRegister = 9104;
constexpr int kClockRegisters = 3;

// Measured values of the ZC series that the power management monitor addresses by name
// (channel a = 0 .. 15; channels 8 .. 15 sit on the current-input extension module).
constexpr int kZcCommonRegister = 0;  // present, maximum (+16), minimum (+32): 8 values
constexpr int kZcCommonBlockDistance = 16;
constexpr int kZcCurrentRegister = 64;  // + 32 a: present, maximum (+10), minimum (+20)
constexpr int kZcCurrentChannelDistance = 32;
constexpr int kZcPowerRegister = 576;  // + 96 a: present, maximum (+32), minimum (+64)
constexpr int kZcPowerChannelDistance = 96;
constexpr int kZcDemandRegister = 2115;  // + 144 a: current demands; powers from 2128
constexpr int kZcDemandPowerRegister = 2128;
constexpr int kZcMaxDemandRegister = 2140;  // + 144 a + 5 j: value, then its time stamp
constexpr int kZcMinDemandRegister = 2195;
constexpr int kZcDemandChannelDistance = 144;
constexpr int kZcDemandRecordDistance = 5;
// Energy block of channel k (0 .. 7) from 4416 + 64 (k mod 2) + 256 (k div 2); the
// extension module's blocks (energies or discrete-input counts) lie 1024 above.
constexpr int kZcEnergyRegister = 4416;
constexpr int kZcModuleOffset = 1024;
// THD (16-bit words): voltages present and maximum, 14 words; currents 8 words per channel.
constexpr int kZcThdVoltageRegister = 6464;
constexpr int kZcThdVoltageRegisters = 14;
constexpr int kZcThdCurrentRegister = 6480;
constexpr int kZcThdCurrentRegisters = 8;
// Harmonic spectra, 16 registers apart: current sets (419 + g + 4 a) x 16, voltage sets
// (409 + g) x 16; the first 15 words of each are read.
constexpr int kZcCurrentHarmonicsBase = 419;
constexpr int kZcVoltageHarmonicsBase = 409;
constexpr int kZcHarmonicsStride = 16;
constexpr int kZcHarmonicWords = 15;
// Reset commands: one bit value written to 8995 + channel.
constexpr int kZcResetRegister = 8995;
constexpr int kZcLoopFlagRegister = 9136;  // + channel index: 1 while in loop-test mode

}  // namespace voltaro
