#include "core/device/device_identification.h"

#include "core/comm/register_reader.h"
#include "core/model/device_registers.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"

namespace voltaro {

CDeviceType ReadFromDevice(IRegisterReader& client) {
    CDeviceType type;
    uint16_t value = 0;
    client.ReadHoldingRegisters(kDeviceIdRegister, 1, &value);
    type.deviceId = value;
    client.ReadHoldingRegisters(kFirmwareVersionRegister, 1, &value);
    type.version = value;
    client.ReadHoldingRegisters(kExtensionIdRegister, 1, &value);
    type.extensionId = static_cast<uint16_t>(value & kExtensionIdMask);
    uint16_t io[kIoConfigRegisters] = {};
    client.ReadHoldingRegisters(kIoConfigRegister, kIoConfigRegisters, io);
    for (int i = 0; i < kIoConfigRegisters; ++i)
        type.ioConfig[i] = io[i];
    type.Lookup();
    const DeviceTypeRecord* record = type.Record();
    if (!record || (record->features == 0 && record->family == 0)) {
        throw CPrivateException(
            FormatMessageId(kMsgUnsupportedDevice, {type.deviceId, type.extensionId}));
    }
    return type;
}

}  // namespace voltaro
