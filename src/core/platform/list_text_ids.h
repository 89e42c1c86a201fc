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
// Columns of the parameter report: "Group", "Name", "PC"; "Device" heads the device's column
// of a comparison.
constexpr int kTextColumnGroup = 2450;
constexpr int kTextColumnName = 2451;
constexpr int kTextColumnPc = 2452;
constexpr int kTextDevice = 2453;
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

// The meter monitor: tab texts, grid labels and status texts.
constexpr int kTextsTrendTab = 100;      // "Trend", "Max", "Min"
constexpr int kTextsEnergyTab = 200;     // "High tariff (peak time) 1" ... "Counter"
constexpr int kTextEnergyGroup = 210;    // "Energy"
constexpr int kTextCounterGroup = 211;   // "Counter"
constexpr int kTextsQuantity = 1000;     // "Voltage", "Current", "Active power", "React. power",
                                         // "App. power", "Power factor", "Frequency", "N. current"
constexpr int kTextsPhase = 1100;        // "Sigma", "1-N", "2-N", "3-N", "1-2", "2-3", "3-1"
constexpr int kTextsTrendColumn = 1200;  // "Latest", "History1" ... "History4"
constexpr int kTextsMaxColumn = 1250;    // "Max", "Max (in)", "Max (out)", "Max (LAG)",
                                         // "Max (LEAD)", "Min"
constexpr int kTextsDemandRow = 1301;    // "Current 1", "Current 2", "Current 3",
                                         // "Active power", "React.power", "App. power"
constexpr int kTextsEnergy1 = 1400;      // "Time", "Active in", ... "Reactive LEAD out",
                                         // "Apparent", "Reactive in" ... "Reactive in+out"
constexpr int kTextsVoltage = 1500;      // "Voltage 1", "Voltage 2", "Voltage 3", "Voltage 1-2",
                                         // "Voltage 2-3", "Voltage 3-1"
constexpr int kTextsDeviceInfo = 3300;   // "Firmware version", "Serial", "Tag No.",
                                         // "Support information", "Model", "Modbus passcode"
constexpr int kTextPasscodeEnabled = 3400;
constexpr int kTextPasscodeDisabled = 3401;
constexpr int kTextPasscodeNotSupported = 3402;
constexpr int kTextsAnalogOutput = 3801;  // "Ao1" ... "Ao4"
constexpr int kTextsCounter = 4300;       // "Counter1" ... "Counter8"

// The power management monitor: module tabs, hourly rows, discrete-input columns.
constexpr int kTextsModuleTab = 4400;      // "Basic Module", "Extension Module"
constexpr int kTextsHourRange = 5750;      // "00:00 to 01:00" ... "23:00 to 00:00"
constexpr int kTextsDiscreteInput = 5800;  // "DI1" ... "DI8"

// Names of measurand indexes (measurand_labels.h), ids 30000 .. 30099.
constexpr int kTextsMeasurandName = 30000;     // + index 0 .. 32: "Current (sum)" ... "Lead/lag 3"
constexpr int kTextsEnergyName = 30040;        // + offset in an energy set: "Active energy in" ...
constexpr int kTextTariff1Name = 30060;        // "Tariff 1 %1!s!"
constexpr int kTextTariff2Name = 30061;        // "Tariff 2 %1!s!"
constexpr int kTextDemandName = 30062;         // "Demand %1!s!"
constexpr int kTextDemandHistoryName = 30063;  // "Demand history %1!d! %2!s!"
constexpr int kTextMaxName = 30064;            // "Max %1!s!"
constexpr int kTextMinName = 30065;            // "Min %1!s!"
constexpr int kTextThdName = 30066;            // "THD %1!s!"
constexpr int kTextMaxThdName = 30067;         // "Max THD %1!s!"
constexpr int kTextMaxDemandName = 30068;      // "Max demand %1!s!"
constexpr int kTextIndexName = 30069;          // "Measurand %1!d!"
constexpr int kTextsMaxDemandPowerName = 30070;  // "Active power in" ... "Apparent power"

// Texts of the command line's monitor (ids 30150 .. 30159).
constexpr int kTextMonitorSectionTitle = 30150;  // "%1!s!: %2!s!" (group, then view)
constexpr int kTextHarmonicColumn = 30151;       // "%1!s! harmonic %2!d!" (set name, order)

// Names of the ZC measurand indexes (ids 30870 .. 30879).
constexpr int kTextZcChannelName = 30870;    // "%1!s! %2!s!" (channel or input, then the value)
constexpr int kTextMinDemandName = 30871;    // "Min demand %1!s!"
constexpr int kTextDeviceDateName = 30872;   // "Device date"
constexpr int kTextDeviceTimeName = 30873;   // "Device time"
constexpr int kTextZcHourlySection = 30874;  // "Hourly values"

constexpr int InputLabelId(int input) {
    return kTextsInputLabel + input;
}

}  // namespace voltaro
