#include <gtest/gtest.h>

#include "core/model/settings_stocker.h"

namespace voltaro {
namespace {

constexpr int kKt2First = 0;
constexpr int kKt2G2 = 4;
constexpr int kKt2G2Ao420 = 5;
constexpr int kKt2G2Ao15 = 6;
constexpr int kKt2_240 = 70;
constexpr int kKt6FirstAo = 2;  // KT6 1**2/7 first generation, 4-20 mA
constexpr int kKt6G2 = 13;      // KT6 1** second generation
constexpr int kKt6_3P4W = 19;   // KT6 2**1
constexpr int kKt6NoDi = 16;    // KT6 1**4 Modbus, Do x2
constexpr int kZbCounter = 37;
constexpr int kZc8 = 52;
constexpr int kZc8Ethernet = 61;

TEST(ChangeDeviceType, FreshDefaultsFollowTheNewType) {
    CSettingsStocker store;
    ParameterImage image;
    image.words[184] = 7;
    image.words[143] = 5;
    ChangeDeviceType(store, kZbCounter, image, true);
    EXPECT_EQ(image.deviceType.typeIndex, kZbCounter);
    EXPECT_EQ(image.words[31], 3);
    EXPECT_EQ(image.words[184], 0);
    EXPECT_EQ(image.words[143], 30);
    ChangeDeviceType(store, kKt6G2, image, true);
    EXPECT_EQ(image.words[31], 3);  // 5, clamped to the four systems of a KT6 1**
    EXPECT_EQ(image.words[147], 1);
    EXPECT_EQ(store.images[CSettingsStocker::kAo1To5V].words[323 + 7], 5000);
}

TEST(ChangeDeviceType, UnknownRowKeepsTheType) {
    CSettingsStocker store;
    ParameterImage image;
    ChangeDeviceType(store, kKt2G2, image, false);
    ChangeDeviceType(store, 79, image, false);
    EXPECT_EQ(image.deviceType.typeIndex, kKt2G2);
    ChangeDeviceType(store, -1, image, true);
    EXPECT_EQ(image.deviceType.typeIndex, kKt2G2);
}

TEST(ChangeDeviceType, DisplayLinesAreKeptPerFamily) {
    CSettingsStocker store;
    ParameterImage image;
    ChangeDeviceType(store, kKt2G2, image, true);
    for (int word = 4; word < 28; ++word)
        image.words[word] = static_cast<uint16_t>(word + 40);
    ChangeDeviceType(store, kKt6G2, image, false);
    EXPECT_EQ(image.words[4], 1);  // the KT6 lines (defaults so far)
    image.words[4] = 77;
    ChangeDeviceType(store, kKt2G2Ao420, image, false);
    for (int word = 4; word < 28; ++word)
        EXPECT_EQ(image.words[word], word + 40) << word;
    ChangeDeviceType(store, kKt6_3P4W, image, false);
    EXPECT_EQ(image.words[4], 77);
}

TEST(ChangeDeviceType, DisplayLinesTheNewTypeCannotShowAreCleared) {
    CSettingsStocker store;
    ParameterImage image;
    ChangeDeviceType(store, kKt6_3P4W, image, false);
    image.words[7] = 120;
    image.words[5] = 11;
    image.words[6] = 33;
    image.words[11] = 119;
    ChangeDeviceType(store, kKt6FirstAo, image, false);
    EXPECT_EQ(image.words[7], 0);  // fourth line, first generation
    EXPECT_EQ(image.words[11], 119);
    EXPECT_EQ(image.words[5], 0);  // no 3P4W
    EXPECT_EQ(image.words[6], 0);
}

TEST(ChangeDeviceType, SystemIsClampedByVariant) {
    CSettingsStocker store;
    ParameterImage image;
    ChangeDeviceType(store, kKt6_3P4W, image, false);
    image.words[31] = 6;
    ChangeDeviceType(store, kKt6_3P4W, image, false);
    EXPECT_EQ(image.words[31], 6);
    ChangeDeviceType(store, kKt6G2, image, false);
    EXPECT_EQ(image.words[31], 3);
    image.words[31] = 6;
    ChangeDeviceType(store, kKt2G2, image, false);
    EXPECT_EQ(image.words[31], 5);
}

TEST(ChangeDeviceType, CtSensorOfInputOneOnlyResetsWhenItsMeaningChanges) {
    CSettingsStocker store;
    ParameterImage image;
    ChangeDeviceType(store, kZc8, image, false);
    image.words[33] = 2;
    ChangeDeviceType(store, kZc8Ethernet, image, false);
    EXPECT_EQ(image.words[33], 2);  // still a CT sensor
    ChangeDeviceType(store, kZbCounter, image, false);
    EXPECT_EQ(image.words[33], 2);
    ChangeDeviceType(store, kKt2G2, image, false);
    EXPECT_EQ(image.words[33], 5);  // now a secondary current in amperes
}

TEST(ChangeDeviceType, ViewsDemandAndInputsOfOlderFirmware) {
    CSettingsStocker store;
    ParameterImage image;
    ChangeDeviceType(store, kKt2G2, image, false);
    image.words[1] = 320;
    image.words[184] = 336;
    image.words[2] = 20;
    image.words[185] = 19;
    image.words[154] = 3;
    ChangeDeviceType(store, kKt2First, image, false);
    EXPECT_EQ(image.words[1], 0);
    EXPECT_EQ(image.words[184], 336);
    EXPECT_EQ(image.words[2], 0);
    EXPECT_EQ(image.words[185], 19);
    EXPECT_EQ(image.words[154], 0);

    image.words[143] = 0;
    image.words[144] = 0;
    ChangeDeviceType(store, kKt6NoDi, image, false);
    EXPECT_EQ(image.words[143], 1);
    EXPECT_EQ(image.words[144], 1);

    ChangeDeviceType(store, kKt2_240, image, false);
    image.words[37] = 2;
    ChangeDeviceType(store, kKt2_240 + 1, image, false);
    EXPECT_EQ(image.words[37], 2);
    ChangeDeviceType(store, kKt2G2, image, false);
    EXPECT_EQ(image.words[37], 0);
}

TEST(ChangeDeviceType, OutputsTheTypeLacks) {
    CSettingsStocker store;
    ParameterImage image;
    ChangeDeviceType(store, 12, image, false);  // KT2 Do x4
    image.words[162] = 9;
    image.words[175] = 9;
    image.words[194] = 5;                           // Display + Do4
    image.words[201] = 2;                           // Display + Do1
    ChangeDeviceType(store, kKt2G2, image, false);  // Do x1
    EXPECT_EQ(image.words[162], 9);                 // second generation keeps it
    EXPECT_EQ(image.words[194], 1);
    EXPECT_EQ(image.words[201], 2);
    ChangeDeviceType(store, kKt2First, image, false);
    EXPECT_EQ(image.words[162], 0);
    EXPECT_EQ(image.words[175], 9);  // beyond the outputs of the type
}

TEST(ChangeDeviceType, OutputLevelsAreKeptPerOutputKind) {
    CSettingsStocker store;
    ParameterImage image;
    ChangeDeviceType(store, kKt2G2Ao420, image, true);
    EXPECT_EQ(image.words[328], 400);
    image.words[328] = 500;
    ChangeDeviceType(store, kKt2G2Ao15, image, false);
    EXPECT_EQ(image.words[328], 1000);
    EXPECT_EQ(image.words[330], 5000);
    EXPECT_EQ(image.words[434], 1000);
    image.words[330] = 4000;
    ChangeDeviceType(store, kKt2G2Ao420, image, false);
    EXPECT_EQ(image.words[328], 500);
    ChangeDeviceType(store, kKt2G2Ao15, image, false);
    EXPECT_EQ(image.words[330], 4000);

    image.words[323] = 33;
    ChangeDeviceType(store, kKt6FirstAo, image, false);
    EXPECT_EQ(image.words[323], 0);
}

}  // namespace
}  // namespace voltaro
