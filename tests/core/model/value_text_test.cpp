#include <gtest/gtest.h>

#include "core/model/parameter_image.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

ParameterImage ImageOfRow(int row) {
    ParameterImage image;
    image.deviceType.SelectRow(row);
    return image;
}

constexpr int kKt2G2 = 4;       // KT2 1**1, Modbus, Do x1, Di x1
constexpr int kKt2G2Ao420 = 5;  // KT2 1**2 Ao 4-20mA x4
constexpr int kKt2G2Ao15 = 6;   // KT2 1**3 Ao 1-5V x4
constexpr int kKt6Ao420 = 14;   // KT6 1**2/7 second generation
constexpr int kZbModbus = 37;
constexpr int kHkt2 = 49;
constexpr int kZc8 = 52;
constexpr int kZcEthernet = 61;

TEST(ValueText, NumbersOfEachType) {
    ParameterImage image = ImageOfRow(kKt2G2);
    EXPECT_EQ(image.ValueText(124), "1");    // device address, I16
    EXPECT_EQ(image.ValueText(128), "1.5");  // t1.5, I16/10
    image.words[39] = static_cast<uint16_t>(-5);
    EXPECT_EQ(image.ValueText(39), "-0.5");  // signed with decimals
    image.Set32(34, 400000);
    EXPECT_EQ(image.ValueText(34), "400000");  // U32 spanning both words
    EXPECT_EQ(image.ValueText(29), "****");    // passcode
    image.words[29] = 1234;
    EXPECT_EQ(image.ValueText(29), "****");
}

TEST(ValueText, Signed32BitValuesWithDecimals) {
    ParameterImage image = ImageOfRow(kHkt2);
    image.words[190] = 0xFFFF;
    image.words[191] = 0x0001;
    EXPECT_EQ(image.ValueText(190), "131.071");  // U32/1000
    image.Set32(190, static_cast<uint32_t>(-1500));
    EXPECT_EQ(image.ValueText(190), "-1.500");
    image.Set32(218, 0xFFFFFFFFu);
    EXPECT_EQ(image.ValueText(218), "-1");
}

TEST(ValueText, AddressesFormatBothWordsFromEitherWord) {
    ParameterImage image = ImageOfRow(kZcEthernet);
    EXPECT_EQ(image.ValueText(132), "192.168.0.1");
    EXPECT_EQ(image.ValueText(133), "192.168.0.1");
    EXPECT_EQ(image.ValueText(134), "255.255.255.0");
    EXPECT_EQ(image.ValueText(136), "0.0.0.0");
    EXPECT_EQ(image.ValueText(137), "0.0.0.0");
}

TEST(ValueText, MultipliedAndOutputLevels) {
    ParameterImage image = ImageOfRow(kKt2G2);
    EXPECT_EQ(image.ValueText(165), "100");  // pulse duration 1 x 100
    image.words[165] = 40000;                // unsigned, no overflow
    EXPECT_EQ(image.ValueText(165), "4000000");

    ParameterImage mA = ImageOfRow(kKt2G2Ao420);
    ParameterImage volt = ImageOfRow(kKt2G2Ao15);
    EXPECT_EQ(mA.ValueText(328), "4.00");
    EXPECT_EQ(volt.ValueText(328), "0.400");
}

TEST(ValueText, EnumerationsAndTheirBaseExceptions) {
    ParameterImage kt2 = ImageOfRow(0);  // first generation
    ParameterImage g2 = ImageOfRow(kKt2G2);
    kt2.words[162] = 1;
    g2.words[162] = 1;
    // The lists are filled in separately: an entry not yet present shows its number.
    auto entry = [](int id, const char* number) {
        return HasString(id) ? LoadString(id) : std::string(number);
    };
    EXPECT_EQ(kt2.ValueText(162), entry(3701, "1"));
    EXPECT_EQ(g2.ValueText(162), entry(5001, "1"));
    ParameterImage kt6First = ImageOfRow(1);
    kt6First.words[162] = 1;
    EXPECT_EQ(kt6First.ValueText(162), entry(3701, "1"));

    ParameterImage kt6 = ImageOfRow(kKt6Ao420);
    ParameterImage hkt2 = ImageOfRow(kHkt2);
    kt6.words[194] = 2;
    hkt2.words[194] = 2;
    EXPECT_EQ(kt6.ValueText(194), LoadString(2402));
    EXPECT_EQ(hkt2.ValueText(194), LoadString(2422));
    EXPECT_NE(LoadString(2402), LoadString(2422));
}

TEST(ValueText, EnumerationWithoutAStringShowsItsNumber) {
    ParameterImage image = ImageOfRow(kKt2G2);
    image.words[125] = 49;  // transfer rate far beyond its list
    EXPECT_EQ(image.ValueText(125), "49");
    image.words[125] = 65535;  // stays unsigned: never runs into other strings
    EXPECT_EQ(image.ValueText(125), "65535");
}

TEST(ValueText, CtSensorsOfMultiCircuitTypes) {
    ParameterImage zc = ImageOfRow(kZc8);
    zc.words[41] = 3;
    EXPECT_EQ(zc.ValueText(40), "");
    EXPECT_EQ(zc.ValueText(41), "TRVA-20");
    zc.words[41] = 0;
    EXPECT_EQ(zc.ValueText(40), "5");

    // Input 1: word 33 is the CT sensor on ZB and ZC, a current on the meters.
    ParameterImage zb = ImageOfRow(kZbModbus);
    zb.words[33] = 0;
    EXPECT_EQ(zb.ValueText(33), "TRVA-R5");
    EXPECT_EQ(zb.ValueText(32), "5");
    zb.words[33] = 1;
    EXPECT_EQ(zb.ValueText(32), "");
    ParameterImage meter = ImageOfRow(kKt2G2);
    EXPECT_EQ(meter.ValueText(33), "5");
    EXPECT_EQ(meter.ValueText(32), "5");
}

TEST(ValueText, WordsThatDoNotApplyAreEmpty) {
    ParameterImage image = ImageOfRow(kKt2G2);  // no analogue outputs, no Ethernet
    EXPECT_FALSE(image.Applies(323));
    EXPECT_EQ(image.ValueText(325), "");
    EXPECT_EQ(image.ValueText(132), "");
    EXPECT_TRUE(image.Applies(0));

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
    EXPECT_EQ(image.GroupName(0), "Display");
    EXPECT_EQ(image.ParameterName(0), "Operation mode");
    EXPECT_EQ(image.GroupName(83), "Input16");
    EXPECT_EQ(image.ParameterName(87), "Voltage 100%");
}

}  // namespace
}  // namespace voltaro
