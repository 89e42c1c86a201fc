// Identification of a connected device from its registers.
#include <map>

#include <gtest/gtest.h>

#include "core/comm/register_reader.h"
#include "core/device/device_identification.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"

namespace voltaro {
namespace {

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
    CDeviceType type = ReadFromDevice(device);
    EXPECT_EQ(type.extensionId, 0x0002);
    EXPECT_EQ(type.typeIndex, 4);

    device.values[9600] = 7000;
    try {
        ReadFromDevice(device);
        FAIL() << "an unknown device was accepted";
    } catch (const CPrivateException& e) {
        EXPECT_EQ(e.Message(), FormatMessageId(kMsgUnsupportedDevice, {7000, 2}));
    }
    // A feature word of 0 alone does not make a device unsupported (ZB CC-Link unit).
    device.values = {{9600, 7851}, {9622, 0x0110}, {9626, 1}, {9627, 4}};
    EXPECT_EQ(ReadFromDevice(device).typeIndex, 35);
}

}  // namespace
}  // namespace voltaro
