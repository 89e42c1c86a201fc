// The named parameter words land on the words the definitions table describes: every name
// and every stride is checked against the group and parameter name of its word.
#include <gtest/gtest.h>

#include <string>

#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"

namespace voltaro {
namespace {

struct Named {
    int word;
    const char* group;
    const char* name;
};

void ExpectNamed(const ParameterImage& image, const Named& entry) {
    EXPECT_EQ(image.GroupName(entry.word), entry.group) << entry.word;
    EXPECT_EQ(image.ParameterName(entry.word), entry.name) << entry.word;
}

std::string Numbered(const char* prefix, int number) {
    return prefix + std::to_string(number);
}

TEST(ParameterWords, SingleWordsNameTheirParameters) {
    const ParameterImage image;
    const Named named[] = {
        {kWordDisplayOperationMode, "Display", "Operation mode"},
        {kWordDataDisplayView, "Display", "Data display view"},
        {kWordEnergyDisplayView, "Display", "Energy display view"},
        {kWordEnergyDisplayUnit, "Display", "Energy reading display unit"},
        {kWordTariff, "Tariff", "Tariff"},
        {kWordPasscode, "Passcode", "Passcode"},
        {kWordConfigurationMode, "Input", "Configuration mode(SW1-8)"},
        {kWordSystem, "Input", "System"},
        {kWordPrimaryCurrent, "Input", "Primary current"},
        {kWordSecondaryCurrent, "Input", "Secondary current / CT sensor"},
        {kWordPrimaryVoltage, "Input", "Primary voltage"},
        {kWordSecondaryVoltage, "Input", "Secondary voltage"},
        {kWordFrequencyInput, "Input", "Frequency input"},
        {kWordLowEndCutoutCurrent, "Input", "Low-end cutout current"},
        {kWordLowEndCutoutVoltage, "Input", "Low-end cutout voltage"},
        {kWordBarCurrent, "Bargraph", "Current 100%"},
        {kWordBarVoltage, "Bargraph", "Voltage 100%"},
        {kWordDeviceAddress, "Modbus", "Device address"},
        {kWordTransferRate, "Modbus", "Transfer rate"},
        {kWordParity, "Modbus", "Parity"},
        {kWordStopBits, "Modbus", "Stop"},
        {kWordT15, "Modbus", "t1.5"},
        {kWordT35, "Modbus", "t3.5"},
        {kWordLongRegister, "Modbus", "Long register"},
        {kWordModbusMode, "Modbus", "Mode"},
        {kWordIpAddress, "Modbus", "IP address"},
        {kWordSubnetMask, "Modbus", "Subnet mask"},
        {kWordDefaultGateway, "Modbus", "Default gateway"},
        {kWordPort, "Modbus", "Port"},
        {kWordConnectionTimeout, "Modbus", "Connection timeout"},
        {kWordRunLedTimeout, "Modbus", "RUN LED Timeout"},
        {kWordCcLinkNode, "CC-Link", "Node address"},
        {kWordCcLinkRate, "CC-Link", "Transfer rate"},
        {kWordCurrentDemand, "Demand", "Current interval"},
        {kWordPowerDemand, "Demand", "Power interval"},
        {kWordLineIndication, "Display Option", "Input line indication"},
        {kWordPhaseDirection, "Display Option", "Phase direction indication"},
        {kWordPowerFormat, "Display Option", "Power format"},
        {kWordCalculationOptionFirst, "Calculation Option", "Power factor sign PF"},
        {kWordCalculationOptionFirst + kCalculationOptionCount - 1, "Calculation Option",
         "Apparent power S"},
        {kWordDiscreteInputFunction, "Di", "Discrete input function"},
        {kWordDiscreteInputContact, "Di", "Discrete input type"},
        {kWordTariffFunction, "Po1", "Tariff function"},
        {kWordBacklightMode, "LCD Backlight", "Operation mode"},
        {kWordBacklightOffTimer, "LCD Backlight", "Off timer"},
        {kWordBrightness, "LCD Backlight", "Brightness"},
        {kWordUpdateRate, "LCD Backlight", "Update rate"},
        {kWordDefaultTimer, "Default", "Default timer"},
        {kWordDefaultDataView, "Default", "Data display view"},
        {kWordDefaultEnergyView, "Default", "Energy display view"},
        {kWordDefaultEnergyUnit, "Default", "Energy reading display unit"},
        {kWordClearAlarmShortcut, "Short Cut Menu", "Clear alarm"},
        {kWordAlarmPowerOnDelay, "Alarm", "Power ON delay"},
        {kWordAlarmLatching, "Alarm", "Latching"},
    };
    for (const Named& entry : named)
        ExpectNamed(image, entry);
}

TEST(ParameterWords, StridesNameEveryInputOutputAndItem) {
    const ParameterImage image;
    for (int line = 0; line < kSigmaLineCount; ++line) {
        const std::string name = Numbered("Sigma", 1 + line / kSigmaLinesPerScreen) +
                                 Numbered(" line", 1 + line % kSigmaLinesPerScreen);
        EXPECT_EQ(image.ParameterName(SigmaLineWord(line)), name);
    }
    for (int input = 1; input <= kInputCount; ++input) {
        const std::string group = input == 1 ? "Input" : Numbered("Input", input);
        for (const Named& entry :
             {Named{PrimaryCurrentWord(input), "", "Primary current"},
              Named{CtSensorWord(input), "", "Secondary current / CT sensor"},
              Named{LowEndCutoutCurrentWord(input), "", "Low-end cutout current"}}) {
            EXPECT_EQ(image.GroupName(entry.word), group) << input;
            EXPECT_EQ(image.ParameterName(entry.word), entry.name) << input;
        }
    }
    const char* const kBarNames[kBarScaleCount] = {
        "Current",      "Voltage",   "Active power", "Reactive power", "Apparent power",
        "Power factor", "Frequency", "THD",          "Phase dif"};
    for (int item = 0; item < kBarScaleCount; ++item) {
        EXPECT_EQ(image.ParameterName(BarScaleWord(item, false)),
                  std::string(kBarNames[item]) + " 100%");
        EXPECT_EQ(image.ParameterName(BarScaleWord(item, true)),
                  std::string(kBarNames[item]) + " 0%");
        EXPECT_TRUE(StartsTwoWordEntry(BarScaleWord(item, true)));
    }
    for (int output = 0; output < kDiscreteOutputCount; ++output) {
        const std::string group = Numbered("Do", output + 1);
        EXPECT_EQ(image.GroupName(DiscreteOutputFunctionWord(output)), group);
        EXPECT_EQ(image.ParameterName(DiscreteOutputFunctionWord(output)),
                  "Discrete output function");
        EXPECT_EQ(image.GroupName(DiscreteOutputContactWord(output)), group);
        EXPECT_EQ(image.ParameterName(DiscreteOutputContactWord(output)), "Discrete output type");
    }
    for (int output = 0; output < kPulseOutputCount; ++output) {
        const std::string group = Numbered("Po", output + 1);
        for (const Named& entry : {Named{PulseEnergyWord(output), "", "Energy count"},
                                   Named{PulseRateWord(output), "", "Pulse rate"},
                                   Named{PulseDurationWord(output), "", "Pulse duration"}}) {
            EXPECT_EQ(image.GroupName(entry.word), group);
            EXPECT_EQ(image.ParameterName(entry.word), entry.name) << group;
        }
    }
}

TEST(ParameterWords, AlarmItemsAndAnalogOutputsFollowTheirGroups) {
    const ParameterImage image;
    EXPECT_EQ(image.GroupName(AlarmHighWord(0)), "Alarm I1-3");
    EXPECT_EQ(image.GroupName(AlarmHighWord(kAlarmItemFrequency)), "Alarm F");
    EXPECT_EQ(image.GroupName(AlarmDelayWord(kAlarmItemCount - 1)), "Alarm UT12-31");
    for (int item = 0; item < kAlarmItemCount; ++item) {
        const std::string group = image.GroupName(AlarmHighWord(item));
        EXPECT_EQ(group.rfind("Alarm ", 0), 0u) << item;
        for (const Named& entry : {Named{AlarmHighWord(item), "", "High setpoint"},
                                   Named{AlarmLowWord(item), "", "Low setpoint"},
                                   Named{AlarmOutputWord(item), "", "Output"},
                                   Named{AlarmHysteresisWord(item), "", "Hysteresis"},
                                   Named{AlarmDelayWord(item), "", "ON delay"}}) {
            EXPECT_EQ(image.GroupName(entry.word), group) << item;
            EXPECT_EQ(image.ParameterName(entry.word), entry.name) << item;
        }
    }
    const char* const kSettingNames[] = {"Input",    "Adjust zero", "Adjust span", "Linearizer",
                                         "Input 0%", "Output 0%",   "Input 100%",  "Output 100%"};
    for (int output = 0; output < kAnalogOutputCount; ++output) {
        const std::string group = Numbered("Ao", output + 1);
        for (int setting = kAoInput; setting <= kAoOutputFull; ++setting) {
            EXPECT_EQ(image.GroupName(AnalogOutputWord(output, setting)), group);
            EXPECT_EQ(image.ParameterName(AnalogOutputWord(output, setting)),
                      kSettingNames[setting]);
        }
        for (int point = 0; point < kAoTablePoints; ++point) {
            const std::string index = "[" + std::to_string(point) + "]";
            EXPECT_EQ(image.ParameterName(AnalogOutputWord(output, AoTableX(point))),
                      "Table X" + index);
            EXPECT_EQ(image.ParameterName(AnalogOutputWord(output, AoTableY(point))),
                      "Table Y" + index);
        }
        EXPECT_EQ(image.GroupName(AnalogOutputWord(output, kAnalogOutputWords - 1)), group);
    }
    EXPECT_EQ(AnalogOutputWord(kAnalogOutputCount - 1, kAnalogOutputWords - 1), kImageWords - 1);
}

TEST(ParameterWords, AddressesTravelAsTwoWordsHighByteFirst) {
    ParameterImage image;
    EXPECT_EQ(image.Address(kWordIpAddress), (Ipv4Octets{192, 168, 0, 1}));
    image.SetAddress(kWordDefaultGateway, {10, 1, 2, 254});
    EXPECT_EQ(image.words[kWordDefaultGateway], 0x0A01);
    EXPECT_EQ(image.words[kWordDefaultGateway + 1], 0x02FE);
    EXPECT_EQ(Ipv4Text(image.Address(kWordDefaultGateway)), "10.1.2.254");
    EXPECT_TRUE(StartsTwoWordEntry(kWordIpAddress));
    EXPECT_TRUE(StartsTwoWordEntry(kWordPrimaryVoltage));
    EXPECT_FALSE(StartsTwoWordEntry(kWordPrimaryVoltage + 1));
    EXPECT_FALSE(StartsTwoWordEntry(kWordSystem));
}

}  // namespace
}  // namespace voltaro
