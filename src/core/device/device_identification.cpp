#include "core/device/device_identification.h"

#include "core/comm/register_reader.h"
#include "core/platform/message_format.h"
#include "core/platform/private_exception.h"

namespace voltaro {

CDeviceType ReadFromDevice(IRegisterReader& client) {
    CDeviceType type;
    uint16_t value = 0;
    client.ReadHoldingRegisters(9600, 1, &value);
    type.deviceId = value;
    client.ReadHoldingRegisters(9601, 1, &value);
    type.version = value;
    client.ReadHoldingRegisters(9622, 1, &value);
    type.extensionId = static_cast<uint16_t>(value & kExtensionIdMask);
    uint16_t io[5] = {};
    client.ReadHoldingRegisters(9623, 5, io);
    for (int i = 0; i < 5; ++i)
        type.ioConfig[i] = io[i];
    type.Lookup();
    const DeviceTypeRecord* record = type.Record();
    if (!record || (record->features == 0 && record->family == 0)) {
        throw CPrivateException(FormatMessageId(11023, {type.deviceId, type.extensionId}));
    }
    return type;
}

}  // namespace voltaro
