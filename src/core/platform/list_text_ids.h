#pragma once
// String ids of the list entries, units and other texts that code picks by number (the
// dialog templates' texts are in ui_text_ids.h, the messages in message_ids.h). A "kTexts"
// name is the first entry of a list that a stored index or code is added to.
namespace voltaro {

constexpr int kTextBlank = 999;  // " ", the empty corner cell of a grid

// Tabs of the meter monitor: "Trend", "Max", "Min"; the two tariffs' energy views and
// "Counter".
constexpr int kTextsTrendTabs = 100;
constexpr int kTextsEnergyTabs = 200;

// Units after a value in the setting lists.
constexpr int kTextUnitAmpere = 2350;
constexpr int kTextUnitVolt = 2351;
constexpr int kTextUnitWatt = 2352;
constexpr int kTextUnitVar = 2353;
constexpr int kTextUnitVoltAmpere = 2354;
constexpr int kTextUnitCosPhi = 2355;
constexpr int kTextUnitHertz = 2356;
constexpr int kTextUnitPercent = 2357;
constexpr int kTextUnitSecond = 2358;
constexpr int kTextUnitDegree = 2359;
constexpr int kTextUnitMilliampere = 2360;

// Serial line settings, of the device (Modbus dialog) and of the PC (Connect dialog).
constexpr int kTextsBaudRate = 1900;  // "1200 bps" ... "38400 bps"
constexpr int kBaudRateTextCount = 6;
constexpr int kTextsParity = 1950;  // "None", "Odd", "Even"
constexpr int kParityTextCount = 3;
constexpr int kTextsStopBits = 2000;  // "1 bit", "2 bit"
constexpr int kStopBitsTextCount = 2;

// Alarm outputs: "Disable", "Display", "Display + Do1" ...; on HKT2 and HKT2X "Comm" ...
constexpr int kTextsAlarmOutput = 2400;
constexpr int kTextsAlarmOutputComm = 2420;
constexpr int kTextDevice = 2453;    // "Device", the device's column of a comparison
constexpr int kTextsContact = 2500;  // "Normal open", "Normal close"
// File dialog filters.
constexpr int kTextConfigFileFilter = 2700;
constexpr int kTextCsvFileFilter = 2701;
constexpr int kTextsDisableEnable = 3100;   // "Disable", "Enable"
constexpr int kTextsMeasurand = 3600;       // + measurand code
constexpr int kTextsEnergy = 3700;          // + energy code of the first-generation set
constexpr int kTextsLinearizer = 3900;      // "Linear" ...
constexpr int kTextsEnergyExtended = 5000;  // + energy code of the extended set
constexpr int kTextsInputLabel = 5499;      // + input or channel number: "1ch" ...
constexpr int kTextSensorHeader = 5550;     // "Sensor"
constexpr int kTextPrimaryHeader = 5551;    // "Primary"
constexpr int kTextsCtSensor = 5600;        // "TRVA-R5" ...

constexpr int InputLabelId(int input) {
    return kTextsInputLabel + input;
}

}  // namespace voltaro
