#include <map>

#include <gtest/gtest.h>

#include "core/model/device_type.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/work/private_exception.h"

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

// Identification registers of one device, answered from memory.
class Registers : public IRegisterReader {
  public:
    std::map<int, uint16_t> values;
    bool ReadHoldingRegisters(int address, int count, uint16_t* out) override {
        for (int i = 0; i < count; ++i)
            out[i] = values[address + i];
        return true;
    }
};

TEST(DeviceTypeIdentification, MasksTheExtensionIdAndRefusesUnknownDevices) {
    Registers device;
    device.values = {{9600, 7811}, {9601, 231}, {9622, 0x8002}, {9623, 1}, {9624, 1}};
    CDeviceType type;
    type.ReadFromDevice(device);
    EXPECT_EQ(type.extensionId, 0x0002);
    EXPECT_EQ(type.typeIndex, 4);

    device.values[9600] = 7000;
    try {
        type.ReadFromDevice(device);
        FAIL() << "an unknown device was accepted";
    } catch (const CPrivateException& e) {
        EXPECT_EQ(e.Message(), FormatMessageId(kMsgUnsupportedDevice, {7000, 2}));
    }
    // A feature word of 0 alone does not make a device unsupported (ZB CC-Link unit).
    device.values = {{9600, 7851}, {9622, 0x0110}, {9626, 1}, {9627, 4}};
    type.ReadFromDevice(device);
    EXPECT_EQ(type.typeIndex, 35);
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
