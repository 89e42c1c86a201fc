#include <gtest/gtest.h>

#include "core/model/device_type.h"

namespace voltaro {
namespace {

int RowOf(uint16_t id, uint16_t version, uint16_t extension, std::array<uint16_t, 5> io) {
    CDeviceType type(id, version, extension, io);
    type.Lookup();
    return type.typeIndex;
}

TEST(DeviceTypeLookup, VersionExtensionAndSecondConfiguration) {
    EXPECT_EQ(RowOf(7811, 102, 0, {0, 0, 0, 0, 0}), 0);
    EXPECT_EQ(RowOf(7811, 240, 2, {1, 1, 0, 0, 0}), 70);
    EXPECT_EQ(RowOf(7811, 239, 2, {1, 1, 0, 0, 0}), 4);
    EXPECT_EQ(RowOf(7821, 300, 2, {1, 1, 0, 0, 0}), 39);
    EXPECT_EQ(RowOf(7821, 299, 2, {1, 1, 0, 0, 0}), 13);
    EXPECT_EQ(RowOf(7861, 0, 2, {8, 8, 0, 8, 8}), 52);
    EXPECT_EQ(RowOf(7861, 0, 2, {0, 0, 0, 16, 0}), 64);
    EXPECT_EQ(RowOf(7851, 0, 0x0110, {0, 0, 0, 2, 8}), 36);
    EXPECT_EQ(RowOf(9999, 0, 2, {0, 0, 0, 0, 0}), -1);
}

TEST(DeviceTypeTable, SampledRowsMatchTheCatalogue) {
    auto table = DeviceTypeTable();
    ASSERT_EQ(table.size(), static_cast<size_t>(kDeviceTypeCount));
    for (size_t i = 0; i < table.size(); ++i)
        EXPECT_EQ(table[i].index, static_cast<int>(i));
    EXPECT_EQ(table[20].features, 0x801111F0u);
    EXPECT_EQ(table[34].ioConfigB[4], 8);
    EXPECT_EQ(table[64].family, 0x00C00040u);
    EXPECT_EQ(table[70].modelOffset, 71);
    EXPECT_EQ(table[33].modelOffset, -1);
    EXPECT_EQ(table[78].versionMin, 240);
}

}  // namespace
}  // namespace voltaro
