// The values each parameter word may hold, and the check of whole images against them.
#include "core/model/parameter_check.h"

#include <gtest/gtest.h>

#include "core/model/parameter_words.h"
#include "core/model/settings_stocker.h"

namespace voltaro {
namespace {

constexpr int kKt2First = 0;
constexpr int kKt2G2 = 4;
constexpr int kHkt2 = 49;
constexpr int kZc8 = 52;

std::string AllowedText(int row, int word) {
    return AllowedValuesOf(DefaultImageOfRow(row).deviceType, word).Text();
}

TEST(ParameterCheck, EveryDefaultImageIsValid) {
    // The simulator starts from these images and a fresh file is saved from them: a rule
    // that refused one of them would refuse what the program itself makes.
    for (int row = 0; row < kDeviceTypeCount; ++row) {
        const std::optional<ParameterViolation> violation =
            FindInvalidParameter(DefaultImageOfRow(row));
        EXPECT_FALSE(violation.has_value())
            << "row " << row << ": word " << violation->word << " holds " << violation->value;
    }
}

TEST(ParameterCheck, EnumerationsTakeTheCodesOfTheirListForTheType) {
    EXPECT_EQ(AllowedText(kKt2G2, kWordSystem), "0 - 6");
    EXPECT_EQ(AllowedText(kKt2G2, kWordTransferRate), "0 - 5");
    // Numbers take every value of their word.
    EXPECT_TRUE(AllowedValuesOf(DefaultImageOfRow(kKt2G2).deviceType, kWordDeviceAddress).any);
    // The extended display also offers the tariff energies 210-213 and 310-313.
    EXPECT_EQ(AllowedText(kKt2First, kWordEnergyDisplayView), "0 - 19");
    EXPECT_EQ(AllowedText(kKt2G2, kWordEnergyDisplayView), "0 - 19, 210 - 213, 310 - 313");
    EXPECT_EQ(AllowedText(kKt2G2, SigmaLineWord(0)), "0 - 44, 100 - 119, 210 - 213, 310 - 313");
    // Energy counts of the extended function set: total, peak and off-peak groups.
    EXPECT_EQ(AllowedText(kKt2G2, PulseEnergyWord(0)),
              "0 - 8, 10 - 11, 13, 200 - 208, 210 - 213, 300 - 308, 310 - 313");
    EXPECT_EQ(AllowedText(kKt2First, PulseEnergyWord(0)), "0 - 19");
    // The "Comm" alarm outputs of HKT2 and the CT sensors of word 33 on ZC types.
    EXPECT_EQ(AllowedText(kHkt2, AlarmOutputWord(0)), "0 - 5");
    EXPECT_EQ(AllowedText(kZc8, kWordSecondaryCurrent), "0 - 7");
    EXPECT_TRUE(AllowedValuesOf(DefaultImageOfRow(kKt2G2).deviceType, kWordSecondaryCurrent).any);
}

TEST(ParameterCheck, FindsTheFirstWrongWordThatApplies) {
    ParameterImage image = DefaultImageOfRow(kKt2G2);
    image.words[kWordSystem] = 4464;  // 70000 cut to 16 bits
    image.words[kWordTransferRate] = 9;
    std::optional<ParameterViolation> violation = FindInvalidParameter(image);
    ASSERT_TRUE(violation.has_value());
    EXPECT_EQ(violation->word, kWordSystem);
    EXPECT_EQ(ViolationMessage(image, *violation),
              "Load error. Input - System (register 5600) holds 4464; allowed: 0 - 6.");

    // A word of a group the type lacks is not the device's business.
    ParameterImage zc = DefaultImageOfRow(kZc8);
    zc.words[kWordDisplayOperationMode] = 99;
    EXPECT_FALSE(zc.Applies(kWordDisplayOperationMode));
    EXPECT_FALSE(FindInvalidParameter(zc).has_value());
}

}  // namespace
}  // namespace voltaro
