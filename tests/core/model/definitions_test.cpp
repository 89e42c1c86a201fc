#include <set>

#include <gtest/gtest.h>

#include "core/model/parameter_image.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

TEST(ParameterDefinitions, EveryWordHasANamedRowInItsGroup) {
    for (int word = 0; word < kImageWords; ++word) {
        const ParameterDefinition& d = Definition(word);
        EXPECT_TRUE(HasString(d.groupId)) << word;
        EXPECT_TRUE(HasString(d.nameId)) << word;
        EXPECT_GE(d.groupId, 16000) << word;
        EXPECT_LE(d.groupId, 16060) << word;
        EXPECT_NE(d.featureMask | d.familyMask, 0u) << word;
    }
    // Outside the image: a row that applies to nothing.
    EXPECT_EQ(Definition(kImageWords).featureMask | Definition(-1).familyMask, 0u);
}

TEST(ParameterDefinitions, TwoWordEntriesRepeatTheirFirstWord) {
    int values32 = 0;
    int addresses = 0;
    for (int word = 0; word + 1 < kImageWords; ++word) {
        const ParameterDefinition& first = Definition(word);
        const ParameterDefinition& second = Definition(word + 1);
        if (first.type == 1) {
            ++values32;
            EXPECT_EQ(second.type, 0) << word;
            EXPECT_EQ(second.nameId, first.nameId) << word;
            EXPECT_EQ(second.param, first.param) << word;
            EXPECT_EQ(second.featureMask, first.featureMask) << word;
            EXPECT_EQ(second.familyMask, first.familyMask) << word;
            ++word;
        } else if (first.type == 7) {
            ++addresses;
            EXPECT_EQ(second.type, 7) << word;
            EXPECT_EQ(second.nameId, first.nameId) << word;
            ++word;
        }
    }
    EXPECT_EQ(values32, 1 + 19 + 4 + 2 * 19);  // input, bargraph, pulse rates, alarm setpoints
    EXPECT_EQ(addresses, 3);
}

TEST(ParameterDefinitions, RowsCarryTheirTypesMasksAndNames) {
    struct Row {
        int word, group, name, type, param;
        uint32_t feature, family;
    };
    const Row rows[] = {
        {0, 16000, 15000, 2, 2650, 0x80000000, 0},
        {1, 16000, 15001, 0, 1, 0x80000000, 0},
        {7, 16000, 15007, 2, 3600, 0, 2},
        {9, 16000, 15009, 2, 3600, 0, 6},
        {27, 16000, 15027, 2, 3600, 0, 2},
        {29, 16002, 15654, 3, 0, 0x80000000, 0},
        {30, 16003, 15158, 2, 5700, 0, 0x50},
        {33, 16003, 15152, 0, 1, 0x80000000, 0xF0},
        {34, 16003, 15153, 1, 1, 0x80000000, 0xF0},
        {39, 16003, 15157, 0, 10, 0x80000000, 0xF0},
        {40, 16046, 15151, 0, 1, 0, 0x400010},
        {83, 16060, 15152, 2, 5600, 0, 0x800000},
        {85, 16030, 15600, 0, 1, 0, 1},
        {88, 16030, 15600, 1, 1000, 0, 2},
        {92, 16030, 15601, 1, 100, 0, 2},
        {124, 16004, 15200, 0, 1, 0x20000, 0},
        {128, 16004, 15204, 0, 10, 0x20000, 0},
        {133, 16004, 15209, 7, 0, 0x2000000, 0},
        {138, 16004, 15213, 0, 1, 0x2000000, 0},
        {140, 16004, 15208, 0, 10, 0x12000000, 0},
        {141, 16045, 15690, 0, 1, 0x1000000, 0},
        {143, 16005, 15250, 0, 1, 0x80000000, 0xF0},
        {144, 16005, 15251, 0, 1, 0x80000000, 0xF0},
        {165, 16009, 15452, 5, 100, 0x100, 0},
        {166, 16009, 15453, 2, 3100, 0x80000000, 0x20},
        {180, 16029, 15551, 0, 1, 0x80000000, 0},
        {183, 16031, 15650, 0, 1, 0x80000000, 0},
        {197, 16012, 15502, 1, 1000, 0x20100000, 0x21},
        {328, 16033, 15705, 6, 0, 0x10, 0},
        {434, 16036, 15727, 6, 0, 0x80, 0},
    };
    for (const Row& r : rows) {
        const ParameterDefinition& d = Definition(r.word);
        EXPECT_EQ(d.groupId, r.group) << r.word;
        EXPECT_EQ(d.nameId, r.name) << r.word;
        EXPECT_EQ(d.type, r.type) << r.word;
        EXPECT_EQ(d.param, r.param) << r.word;
        EXPECT_EQ(d.featureMask, r.feature) << r.word;
        EXPECT_EQ(d.familyMask, r.family) << r.word;
    }
}

TEST(ParameterDefinitions, NamesUsedByTheWindowsExist) {
    EXPECT_EQ(LoadString(15001), "Data display view");
    EXPECT_EQ(LoadString(15004), "Sigma1 line1");
    EXPECT_EQ(LoadString(15027), "Sigma6 line4");
    EXPECT_EQ(LoadString(15151), "Primary current");
    EXPECT_EQ(LoadString(15152), "Secondary current / CT sensor");
    EXPECT_EQ(LoadString(15153), "Primary voltage");
    EXPECT_EQ(LoadString(15154), "Secondary voltage");
    EXPECT_EQ(LoadString(15156), "Low-end cutout current");
    EXPECT_EQ(LoadString(15157), "Low-end cutout voltage");
    EXPECT_EQ(LoadString(15200), "Device address");
    EXPECT_EQ(LoadString(15204), "t1.5");
    EXPECT_EQ(LoadString(15205), "t3.5");
    EXPECT_EQ(LoadString(15208), "RUN LED Timeout");
    EXPECT_EQ(LoadString(15212), "Connection timeout");
    EXPECT_EQ(LoadString(15213), "Port");
    EXPECT_EQ(LoadString(15250), "Current interval");
    EXPECT_EQ(LoadString(15251), "Power interval");
    EXPECT_EQ(LoadString(15451), "Pulse rate");
    EXPECT_EQ(LoadString(15500), "Power ON delay");
    EXPECT_EQ(LoadString(15502), "High setpoint");
    EXPECT_EQ(LoadString(15503), "Low setpoint");
    EXPECT_EQ(LoadString(15505), "Hysteresis");
    EXPECT_EQ(LoadString(15506), "ON delay");
    EXPECT_EQ(LoadString(15551), "Off timer");
    EXPECT_EQ(LoadString(15553), "Update rate");
    EXPECT_EQ(LoadString(15600), "Current 100%");
    EXPECT_EQ(LoadString(15601), "Voltage 100%");
    EXPECT_EQ(LoadString(15650), "Default timer");
    EXPECT_EQ(LoadString(15654), "Passcode");
    EXPECT_EQ(LoadString(15690), "Node address");
    EXPECT_EQ(LoadString(16060), "Input16");
}

TEST(ParameterDefinitions, ParameterNameIdsBelongToTheParameterBlockOnly) {
    std::set<int> own;
    for (const StringEntry& e : strings::kParameters)
        own.insert(e.id);
    EXPECT_EQ(own.size(), strings::kParameters.size());  // no id twice
    size_t inRange = 0;
    for (const StringEntry& e : EnglishStringTable()) {
        if (e.id < 15000 || e.id >= 17000) continue;
        ++inRange;
        EXPECT_TRUE(own.count(e.id)) << e.id;
    }
    EXPECT_EQ(inRange, own.size());
}

}  // namespace
}  // namespace voltaro
