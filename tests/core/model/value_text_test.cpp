#include <gtest/gtest.h>

#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"
#include "core/model/settings_stocker.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

constexpr int kKt2G2 = 4;       // KT2 1**1, Modbus, Do x1, Di x1
constexpr int kKt2G2Ao420 = 5;  // KT2 1**2 Ao 4-20mA x4
constexpr int kKt2G2Ao15 = 6;   // KT2 1**3 Ao 1-5V x4
constexpr int kKt6Ao420 = 14;   // KT6 1**2/7 second generation
constexpr int kZbModbus = 37;
constexpr int kHkt2 = 49;
constexpr int kZc8 = 52;
constexpr int kZcEthernet = 61;

TEST(ValueText, NumbersOfEachType) {
    ParameterImage image = DefaultImageOfRow(kKt2G2);
    EXPECT_EQ(image.ValueText(kWordDeviceAddress), "1");  // device address, I16
    EXPECT_EQ(image.ValueText(kWordT15), "1.5");          // t1.5, I16/10
    image.words[kWordLowEndCutoutVoltage] = static_cast<uint16_t>(-5);
    EXPECT_EQ(image.ValueText(kWordLowEndCutoutVoltage), "-0.5");  // signed with decimals
    image.Set32(kWordPrimaryVoltage, 400000);
    EXPECT_EQ(image.ValueText(kWordPrimaryVoltage), "400000");  // U32 spanning both words
    EXPECT_EQ(image.ValueText(kWordPasscode), "****");          // passcode
    image.words[kWordPasscode] = 1234;
    EXPECT_EQ(image.ValueText(kWordPasscode), "****");
}

TEST(ValueText, Signed32BitValuesWithDecimals) {
    ParameterImage image = DefaultImageOfRow(kHkt2);
    image.words[AlarmHighWord(0)] = 0xFFFF;
    image.words[AlarmHighWord(0) + 1] = 0x0001;
    EXPECT_EQ(image.ValueText(AlarmHighWord(0)), "131.071");  // U32/1000
    image.Set32(AlarmHighWord(0), static_cast<uint32_t>(-1500));
    EXPECT_EQ(image.ValueText(AlarmHighWord(0)), "-1.500");
    image.Set32(AlarmHighWord(4), 0xFFFFFFFFu);
    EXPECT_EQ(image.ValueText(AlarmHighWord(4)), "-1");
}

TEST(ValueText, AddressesFormatBothWordsFromEitherWord) {
    ParameterImage image = DefaultImageOfRow(kZcEthernet);
    EXPECT_EQ(image.ValueText(kWordIpAddress), "192.168.0.1");
    EXPECT_EQ(image.ValueText(kWordIpAddress + 1), "192.168.0.1");
    EXPECT_EQ(image.ValueText(kWordSubnetMask), "255.255.255.0");
    EXPECT_EQ(image.ValueText(kWordDefaultGateway), "0.0.0.0");
    EXPECT_EQ(image.ValueText(kWordDefaultGateway + 1), "0.0.0.0");
}

TEST(ValueText, MultipliedAndOutputLevels) {
    ParameterImage image = DefaultImageOfRow(kKt2G2);
    EXPECT_EQ(image.ValueText(PulseDurationWord(0)), "100");  // pulse duration 1 x 100
    image.words[PulseDurationWord(0)] = 40000;                // unsigned, no overflow
    EXPECT_EQ(image.ValueText(PulseDurationWord(0)), "4000000");

    ParameterImage mA = DefaultImageOfRow(kKt2G2Ao420);
    ParameterImage volt = DefaultImageOfRow(kKt2G2Ao15);
    mA.words[AnalogOutputWord(0, kAoOutputZero)] = 400;
    volt.words[AnalogOutputWord(0, kAoOutputZero)] = 400;
    EXPECT_EQ(mA.ValueText(AnalogOutputWord(0, kAoOutputZero)), "4.00");
    EXPECT_EQ(volt.ValueText(AnalogOutputWord(0, kAoOutputZero)), "0.400");
}

TEST(ValueText, EnumerationsAndTheirBaseExceptions) {
    ParameterImage kt2 = DefaultImageOfRow(0);  // first generation
    ParameterImage g2 = DefaultImageOfRow(kKt2G2);
    kt2.words[PulseEnergyWord(0)] = 1;
    g2.words[PulseEnergyWord(0)] = 1;
    // The lists are filled in separately: an entry not yet present shows its number.
    auto entry = [](int id, const char* number) {
        return HasString(id) ? LoadString(id) : std::string(number);
    };
    EXPECT_EQ(kt2.ValueText(PulseEnergyWord(0)), entry(3701, "1"));
    EXPECT_EQ(g2.ValueText(PulseEnergyWord(0)), entry(5001, "1"));
    ParameterImage kt6First = DefaultImageOfRow(1);
    kt6First.words[PulseEnergyWord(0)] = 1;
    EXPECT_EQ(kt6First.ValueText(PulseEnergyWord(0)), entry(3701, "1"));

    ParameterImage kt6 = DefaultImageOfRow(kKt6Ao420);
    ParameterImage hkt2 = DefaultImageOfRow(kHkt2);
    kt6.words[AlarmOutputWord(0)] = 2;
    hkt2.words[AlarmOutputWord(0)] = 2;
    EXPECT_EQ(kt6.ValueText(AlarmOutputWord(0)), LoadString(2402));
    EXPECT_EQ(hkt2.ValueText(AlarmOutputWord(0)), LoadString(2422));
    EXPECT_NE(LoadString(2402), LoadString(2422));
}

TEST(ValueText, EnumerationWithoutAStringShowsItsNumber) {
    ParameterImage image = DefaultImageOfRow(kKt2G2);
    image.words[kWordTransferRate] = 49;  // transfer rate far beyond its list
    EXPECT_EQ(image.ValueText(kWordTransferRate), "49");
    image.words[kWordTransferRate] = 65535;  // stays unsigned: never runs into other strings
    EXPECT_EQ(image.ValueText(kWordTransferRate), "65535");
}

TEST(ValueText, PortIsUnsignedAndExtendedEnergyCodesShowTheirTexts) {
    ParameterImage tcp = DefaultImageOfRow(kZcEthernet);
    tcp.words[kWordPort] = 50200;  // above 32767: no negative number
    EXPECT_EQ(tcp.ValueText(kWordPort), "50200");
    tcp.words[kWordPort] = 65535;
    EXPECT_EQ(tcp.ValueText(kWordPort), "65535");

    // The energy views and Sigma lines of the extended display name the per-tariff energies
    // as their dialogs do.
    ParameterImage kt6 = DefaultImageOfRow(kKt6Ao420);
    kt6.words[kWordEnergyDisplayView] = 212;
    kt6.words[kWordDefaultEnergyView] = 310;
    kt6.words[SigmaLineWord(3)] = 313;
    EXPECT_EQ(kt6.ValueText(kWordEnergyDisplayView), LoadString(kTextsEnergyExtended + 212));
    EXPECT_EQ(kt6.ValueText(kWordDefaultEnergyView), LoadString(kTextsEnergyExtended + 310));
    EXPECT_EQ(kt6.ValueText(SigmaLineWord(3)), LoadString(kTextsEnergyExtended + 313));
    kt6.words[kWordEnergyDisplayView] = 5;  // the plain codes keep their own list
    EXPECT_EQ(kt6.ValueText(kWordEnergyDisplayView), LoadString(kTextsEnergy + 5));
}

TEST(ValueText, CtSensorsOfMultiCircuitTypes) {
    ParameterImage zc = DefaultImageOfRow(kZc8);
    zc.words[CtSensorWord(2)] = 3;
    EXPECT_EQ(zc.ValueText(PrimaryCurrentWord(2)), "");
    EXPECT_EQ(zc.ValueText(CtSensorWord(2)), "TRVA-20");
    zc.words[CtSensorWord(2)] = 0;
    EXPECT_EQ(zc.ValueText(PrimaryCurrentWord(2)), "5");

    // Input 1: word 33 is the CT sensor on ZB and ZC, a current on the meters.
    ParameterImage zb = DefaultImageOfRow(kZbModbus);
    zb.words[kWordSecondaryCurrent] = 0;
    EXPECT_EQ(zb.ValueText(kWordSecondaryCurrent), "TRVA-R5");
    EXPECT_EQ(zb.ValueText(kWordPrimaryCurrent), "5");
    zb.words[kWordSecondaryCurrent] = 1;
    EXPECT_EQ(zb.ValueText(kWordPrimaryCurrent), "");
    ParameterImage meter = DefaultImageOfRow(kKt2G2);
    EXPECT_EQ(meter.ValueText(kWordSecondaryCurrent), "5");
    EXPECT_EQ(meter.ValueText(kWordPrimaryCurrent), "5");
}

TEST(ValueText, WordsThatDoNotApplyAreEmpty) {
    ParameterImage image = DefaultImageOfRow(kKt2G2);  // no analogue outputs, no Ethernet
    EXPECT_FALSE(image.Applies(AnalogOutputWord(0, kAoInput)));
    EXPECT_EQ(image.ValueText(AnalogOutputWord(0, kAoAdjustSpan)), "");
    EXPECT_EQ(image.ValueText(kWordIpAddress), "");
    EXPECT_TRUE(image.Applies(kWordDisplayOperationMode));

    ParameterImage noRow;
    noRow.deviceType = CDeviceType(1, 0, 0, {0, 0, 0, 0, 0});
    for (int word = 0; word < kImageWords; ++word) {
        EXPECT_FALSE(noRow.Applies(word)) << word;
        EXPECT_EQ(noRow.ValueText(word), "") << word;
    }
    EXPECT_EQ(image.ValueText(-1), "");
    EXPECT_EQ(image.ValueText(kImageWords), "");
}

TEST(ValueText, NamesOfWords) {
    ParameterImage image;
    EXPECT_EQ(image.GroupName(kWordDisplayOperationMode), "Display");
    EXPECT_EQ(image.ParameterName(kWordDisplayOperationMode), "Operation mode");
    EXPECT_EQ(image.GroupName(CtSensorWord(16)), "Input16");
    EXPECT_EQ(image.ParameterName(kWordBarVoltage + 1), "Voltage 100%");
}

}  // namespace
}  // namespace voltaro
