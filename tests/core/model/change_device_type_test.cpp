#include <gtest/gtest.h>

#include "core/model/parameter_words.h"
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
    image.words[kWordDefaultDataView] = 7;
    image.words[kWordCurrentDemand] = 5;
    ChangeDeviceType(store, kZbCounter, image, true);
    EXPECT_EQ(image.deviceType.typeIndex, kZbCounter);
    EXPECT_EQ(image.words[kWordSystem], 3);
    EXPECT_EQ(image.words[kWordDefaultDataView], 0);
    EXPECT_EQ(image.words[kWordCurrentDemand], 30);
    ChangeDeviceType(store, kKt6G2, image, true);
    EXPECT_EQ(image.words[kWordSystem], 3);  // 5, clamped to the four systems of a KT6 1**
    EXPECT_EQ(image.words[kWordPowerFormat], 1);
    EXPECT_EQ(store.images[CSettingsStocker::kAo1To5V].words[AnalogOutputWord(0, kAoOutputFull)],
              5000);
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
    EXPECT_EQ(image.words[SigmaLineWord(0)], 1);  // the KT6 lines (defaults so far)
    image.words[SigmaLineWord(0)] = 77;
    ChangeDeviceType(store, kKt2G2Ao420, image, false);
    for (int word = 4; word < 28; ++word)
        EXPECT_EQ(image.words[word], word + 40) << word;
    ChangeDeviceType(store, kKt6_3P4W, image, false);
    EXPECT_EQ(image.words[SigmaLineWord(0)], 77);
}

TEST(ChangeDeviceType, DisplayLinesTheNewTypeCannotShowAreCleared) {
    CSettingsStocker store;
    ParameterImage image;
    ChangeDeviceType(store, kKt6_3P4W, image, false);
    image.words[SigmaLineWord(3)] = 120;
    image.words[SigmaLineWord(1)] = 11;
    image.words[SigmaLineWord(2)] = 33;
    image.words[SigmaLineWord(7)] = 119;
    ChangeDeviceType(store, kKt6FirstAo, image, false);
    EXPECT_EQ(image.words[SigmaLineWord(3)], 0);  // fourth line, first generation
    EXPECT_EQ(image.words[SigmaLineWord(7)], 119);
    EXPECT_EQ(image.words[SigmaLineWord(1)], 0);  // no 3P4W
    EXPECT_EQ(image.words[SigmaLineWord(2)], 0);
}

TEST(ChangeDeviceType, SystemIsClampedByVariant) {
    CSettingsStocker store;
    ParameterImage image;
    ChangeDeviceType(store, kKt6_3P4W, image, false);
    image.words[kWordSystem] = 6;
    ChangeDeviceType(store, kKt6_3P4W, image, false);
    EXPECT_EQ(image.words[kWordSystem], 6);
    ChangeDeviceType(store, kKt6G2, image, false);
    EXPECT_EQ(image.words[kWordSystem], 3);
    image.words[kWordSystem] = 6;
    ChangeDeviceType(store, kKt2G2, image, false);
    EXPECT_EQ(image.words[kWordSystem], 5);
}

TEST(ChangeDeviceType, CtSensorOfInputOneOnlyResetsWhenItsMeaningChanges) {
    CSettingsStocker store;
    ParameterImage image;
    ChangeDeviceType(store, kZc8, image, false);
    image.words[kWordSecondaryCurrent] = 2;
    ChangeDeviceType(store, kZc8Ethernet, image, false);
    EXPECT_EQ(image.words[kWordSecondaryCurrent], 2);  // still a CT sensor
    ChangeDeviceType(store, kZbCounter, image, false);
    EXPECT_EQ(image.words[kWordSecondaryCurrent], 2);
    ChangeDeviceType(store, kKt2G2, image, false);
    EXPECT_EQ(image.words[kWordSecondaryCurrent], 5);  // now a secondary current in amperes
}

TEST(ChangeDeviceType, ViewsDemandAndInputsOfOlderFirmware) {
    CSettingsStocker store;
    ParameterImage image;
    ChangeDeviceType(store, kKt2G2, image, false);
    image.words[kWordDataDisplayView] = 320;
    image.words[kWordDefaultDataView] = 336;
    image.words[kWordEnergyDisplayView] = 20;
    image.words[kWordDefaultEnergyView] = 19;
    image.words[kWordDiscreteInputFunction] = 3;
    ChangeDeviceType(store, kKt2First, image, false);
    EXPECT_EQ(image.words[kWordDataDisplayView], 0);
    EXPECT_EQ(image.words[kWordDefaultDataView], 336);
    EXPECT_EQ(image.words[kWordEnergyDisplayView], 0);
    EXPECT_EQ(image.words[kWordDefaultEnergyView], 19);
    EXPECT_EQ(image.words[kWordDiscreteInputFunction], 0);

    image.words[kWordCurrentDemand] = 0;
    image.words[kWordPowerDemand] = 0;
    ChangeDeviceType(store, kKt6NoDi, image, false);
    EXPECT_EQ(image.words[kWordCurrentDemand], 1);
    EXPECT_EQ(image.words[kWordPowerDemand], 1);

    ChangeDeviceType(store, kKt2_240, image, false);
    image.words[kWordFrequencyInput] = 2;
    ChangeDeviceType(store, kKt2_240 + 1, image, false);
    EXPECT_EQ(image.words[kWordFrequencyInput], 2);
    ChangeDeviceType(store, kKt2G2, image, false);
    EXPECT_EQ(image.words[kWordFrequencyInput], 0);
}

TEST(ChangeDeviceType, OutputsTheTypeLacks) {
    CSettingsStocker store;
    ParameterImage image;
    ChangeDeviceType(store, 12, image, false);  // KT2 Do x4
    image.words[PulseEnergyWord(0)] = 9;
    image.words[PulseEnergyWord(3)] = 9;
    image.words[AlarmOutputWord(0)] = 5;            // Display + Do4
    image.words[AlarmOutputWord(1)] = 2;            // Display + Do1
    ChangeDeviceType(store, kKt2G2, image, false);  // Do x1
    EXPECT_EQ(image.words[PulseEnergyWord(0)], 9);  // second generation keeps it
    EXPECT_EQ(image.words[AlarmOutputWord(0)], 1);
    EXPECT_EQ(image.words[AlarmOutputWord(1)], 2);
    ChangeDeviceType(store, kKt2First, image, false);
    EXPECT_EQ(image.words[PulseEnergyWord(0)], 0);
    EXPECT_EQ(image.words[PulseEnergyWord(3)], 9);  // beyond the outputs of the type
}

TEST(ChangeDeviceType, OutputLevelsAreKeptPerOutputKind) {
    CSettingsStocker store;
    ParameterImage image;
    ChangeDeviceType(store, kKt2G2Ao420, image, true);
    EXPECT_EQ(image.words[AnalogOutputWord(0, kAoOutputZero)], 400);
    image.words[AnalogOutputWord(0, kAoOutputZero)] = 500;
    ChangeDeviceType(store, kKt2G2Ao15, image, false);
    EXPECT_EQ(image.words[AnalogOutputWord(0, kAoOutputZero)], 1000);
    EXPECT_EQ(image.words[AnalogOutputWord(0, kAoOutputFull)], 5000);
    EXPECT_EQ(image.words[AnalogOutputWord(3, AoTableY(9))], 1000);
    image.words[AnalogOutputWord(0, kAoOutputFull)] = 4000;
    ChangeDeviceType(store, kKt2G2Ao420, image, false);
    EXPECT_EQ(image.words[AnalogOutputWord(0, kAoOutputZero)], 500);
    ChangeDeviceType(store, kKt2G2Ao15, image, false);
    EXPECT_EQ(image.words[AnalogOutputWord(0, kAoOutputFull)], 4000);

    image.words[AnalogOutputWord(0, kAoInput)] = 33;
    ChangeDeviceType(store, kKt6FirstAo, image, false);
    EXPECT_EQ(image.words[AnalogOutputWord(0, kAoInput)], 0);
}

}  // namespace
}  // namespace voltaro
