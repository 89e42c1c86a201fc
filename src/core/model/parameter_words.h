#pragma once
// Indexes of the parameter image's words that the code refers to by name, and the strides
// of the groups that repeat per input, output or item. The definitions table
// (parameter_definitions.cpp) describes every word; the names here are the ones that code
// reads or writes on purpose. A 32-bit value or an address takes its word and the next.

namespace voltaro {

// Display
constexpr int kWordDisplayOperationMode = 0;  // key lock of the display
constexpr int kWordDataDisplayView = 1;
constexpr int kWordEnergyDisplayView = 2;
constexpr int kWordEnergyDisplayUnit = 3;
// Sigma screens 1 to 6 with four lines each, words 4 to 27 (line 0 is Sigma1 line1).
constexpr int kWordSigmaLineFirst = 4;
constexpr int kSigmaLineCount = 24;
constexpr int kSigmaLinesPerScreen = 4;
constexpr int SigmaLineWord(int line) {
    return kWordSigmaLineFirst + line;
}

constexpr int kWordTariff = 28;
constexpr int kWordPasscode = 29;

// Inputs. Word 30 holds the configuration mode of ZB and ZC types: 0 "DIP SW(OFF)"
// (set by the DIP switches), 1 "PC(ON)".
constexpr int kWordConfigurationMode = 30;
constexpr int kWordSystem = 31;            // wiring system
constexpr int kWordPrimaryCurrent = 32;    // input 1
constexpr int kWordSecondaryCurrent = 33;  // input 1; the CT sensor on ZB and ZC types
constexpr int kWordPrimaryVoltage = 34;    // 32-bit
constexpr int kWordSecondaryVoltage = 36;
constexpr int kWordFrequencyInput = 37;
constexpr int kWordLowEndCutoutCurrent = 38;  // input 1
constexpr int kWordLowEndCutoutVoltage = 39;
// Inputs 2 to 16 take three words each from word 40: primary current, CT sensor, low-end
// cutout current.
constexpr int kInputCount = 16;
constexpr int kWordInput2First = 40;
constexpr int kWordsPerInput = 3;
// Primary current, CT sensor and low-end cutout current of input 1 to 16.
constexpr int PrimaryCurrentWord(int input) {
    return input == 1 ? kWordPrimaryCurrent : kWordInput2First + kWordsPerInput * (input - 2);
}
constexpr int CtSensorWord(int input) {
    return PrimaryCurrentWord(input) + 1;
}
constexpr int LowEndCutoutCurrentWord(int input) {
    return input == 1 ? kWordLowEndCutoutCurrent : PrimaryCurrentWord(input) + 2;
}

// Bargraph
constexpr int kWordBarCurrent = 85;  // current 100% of the KT2 family
constexpr int kWordBarVoltage = 86;  // voltage 100% of the KT2 family, 32-bit
// The scales of the extended bargraph: nine quantities, each a 32-bit 100% value followed
// by a 32-bit 0% value, from word 88.
enum BarScaleItem {
    kBarScaleCurrent,
    kBarScaleVoltage,
    kBarScaleActivePower,
    kBarScaleReactivePower,
    kBarScaleApparentPower,
    kBarScalePowerFactor,
    kBarScaleFrequency,
    kBarScaleThd,
    kBarScalePhaseDifference,
    kBarScaleCount
};
constexpr int kWordBarScaleFirst = 88;
constexpr int BarScaleWord(int item, bool zeroPercent) {
    return kWordBarScaleFirst + 4 * item + (zeroPercent ? 2 : 0);
}

// Modbus, Modbus-TCP and CC-Link
constexpr int kWordDeviceAddress = 124;
constexpr int kWordTransferRate = 125;
constexpr int kWordParity = 126;
constexpr int kWordStopBits = 127;
constexpr int kWordT15 = 128;  // tenths of a character time
constexpr int kWordT35 = 129;
constexpr int kWordLongRegister = 130;  // word order of 32-bit values: 0 normal, 1 swap
constexpr int kWordModbusMode = 131;    // 0 RTU, 1 ASCII
constexpr int kWordIpAddress = 132;     // two words, see Ipv4OctetsOf
constexpr int kWordSubnetMask = 134;
constexpr int kWordDefaultGateway = 136;
constexpr int kWordPort = 138;
constexpr int kWordConnectionTimeout = 139;
constexpr int kWordRunLedTimeout = 140;
constexpr int kWordCcLinkNode = 141;
constexpr int kWordCcLinkRate = 142;

// Demand intervals in minutes; 0: the demand is triggered by the discrete input.
constexpr int kWordCurrentDemand = 143;
constexpr int kWordPowerDemand = 144;

// Display and calculation options
constexpr int kWordLineIndication = 145;
constexpr int kWordPhaseDirection = 146;
constexpr int kWordPowerFormat = 147;
// Power factor sign, reactive power sign, phase reactive power, apparent power.
constexpr int kWordCalculationOptionFirst = 148;
constexpr int kCalculationOptionCount = 4;

// Discrete input and discrete outputs Do1 to Do4 (output 0 to 3): function, then contact.
constexpr int kWordDiscreteInputFunction = 154;
constexpr int kWordDiscreteInputContact = 155;
constexpr int kDiscreteOutputCount = 4;
constexpr int DiscreteOutputFunctionWord(int output) {
    return output == 0 ? 152 : 154 + 2 * output;
}
constexpr int DiscreteOutputContactWord(int output) {
    return DiscreteOutputFunctionWord(output) + 1;
}

// Pulse outputs Po1 to Po4 (output 0 to 3): energy count, 32-bit pulse rate, duration.
constexpr int kPulseOutputCount = 4;
constexpr int PulseEnergyWord(int output) {
    return output == 0 ? 162 : 163 + 4 * output;
}
constexpr int PulseRateWord(int output) {
    return PulseEnergyWord(output) + 1;
}
constexpr int PulseDurationWord(int output) {
    return PulseEnergyWord(output) + 3;
}
constexpr int kWordTariffFunction = 166;  // of Po1

// LCD backlight and the default screen
constexpr int kWordBacklightMode = 179;
constexpr int kWordBacklightOffTimer = 180;
constexpr int kWordBrightness = 181;
constexpr int kWordUpdateRate = 182;
constexpr int kWordDefaultTimer = 183;
constexpr int kWordDefaultDataView = 184;
constexpr int kWordDefaultEnergyView = 185;
constexpr int kWordDefaultEnergyUnit = 186;
constexpr int kWordClearAlarmShortcut = 187;

// Alarms: power-on delay and latching, then nineteen items of seven words from word 190:
// 32-bit high and low setpoints, output, hysteresis, ON delay.
constexpr int kWordAlarmPowerOnDelay = 188;
constexpr int kWordAlarmLatching = 189;
constexpr int kAlarmItemCount = 19;
constexpr int kWordAlarmFirst = 190;
constexpr int AlarmHighWord(int item) {
    return kWordAlarmFirst + 7 * item;
}
constexpr int AlarmLowWord(int item) {
    return AlarmHighWord(item) + 2;
}
constexpr int AlarmOutputWord(int item) {
    return AlarmHighWord(item) + 4;
}
constexpr int AlarmHysteresisWord(int item) {
    return AlarmHighWord(item) + 5;
}
constexpr int AlarmDelayWord(int item) {
    return AlarmHighWord(item) + 6;
}
constexpr int kAlarmItemFrequency = 8;    // the item whose setpoints are in hundredths of Hz
constexpr int kAlarmItemActivePower = 4;  // an item whose setpoints may be negative

// Analogue outputs Ao1 to Ao4 (output 0 to 3): 28 words each from word 323.
constexpr int kAnalogOutputCount = 4;
constexpr int kAnalogOutputWords = 28;
constexpr int kWordAnalogOutputFirst = 323;
// Position of a setting within an output's words.
enum AnalogOutputSetting {
    kAoInput = 0,
    kAoAdjustZero = 1,
    kAoAdjustSpan = 2,
    kAoLinearizer = 3,
    kAoInputZero = 4,   // input 0%
    kAoOutputZero = 5,  // output 0%
    kAoInputFull = 6,   // input 100%
    kAoOutputFull = 7,  // output 100%
};
constexpr int kAoTablePoints = 10;
constexpr int AoTableX(int point) {
    return 8 + 2 * point;
}
constexpr int AoTableY(int point) {
    return 9 + 2 * point;
}
constexpr int AnalogOutputWord(int output, int setting) {
    return kWordAnalogOutputFirst + kAnalogOutputWords * output + setting;
}

}  // namespace voltaro
