#include "core/device/device_identification.h"

#include "core/comm/register_reader.h"
#include "core/model/device_registers.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/text_encoding.h"

namespace voltaro {

CDeviceType ReadFromDevice(IRegisterReader& client) {
    uint16_t identification[kIdentificationRegisters] = {};
    client.ReadHoldingRegisters(kDeviceIdRegister, 1, &identification[0]);
    client.ReadHoldingRegisters(kFirmwareVersionRegister, 1,
                                &identification[kFirmwareVersionRegister - kDeviceIdRegister]);
    client.ReadHoldingRegisters(kExtensionIdRegister, 1,
                                &identification[kExtensionIdRegister - kDeviceIdRegister]);
    client.ReadHoldingRegisters(kIoConfigRegister, kIoConfigRegisters,
                                &identification[kIoConfigRegister - kDeviceIdRegister]);
    return DeviceTypeOfRegisters(identification);
}

std::string ReadSerialNumber(IRegisterReader& client) {
    uint16_t registers[kSerialNumberRegisters] = {};
    client.ReadHoldingRegisters(kSerialNumberRegister, kSerialNumberRegisters, registers);
    std::string text;
    for (uint16_t value : registers) {
        for (uint16_t byte :
             {static_cast<uint16_t>(value & 0xFF), static_cast<uint16_t>(value >> 8)}) {
            if (byte == 0) return text;
            AppendUtf8(text, static_cast<char32_t>(byte));
        }
    }
    return text;
}

CDeviceType DeviceTypeOfRegisters(const uint16_t* identification) {
    const auto at = [&](int address) { return identification[address - kDeviceIdRegister]; };
    CDeviceType type;
    type.deviceId = at(kDeviceIdRegister);
    type.version = at(kFirmwareVersionRegister);
    type.extensionId = static_cast<uint16_t>(at(kExtensionIdRegister) & kExtensionIdMask);
    for (int i = 0; i < kIoConfigRegisters; ++i)
        type.ioConfig[static_cast<std::size_t>(i)] = at(kIoConfigRegister + i);
    type.Lookup();
    const DeviceTypeRecord* record = type.Record();
    if (!record || (record->features == 0 && record->family == 0)) {
        throw CPrivateException(
            FormatMessageId(kMsgUnsupportedDevice, {type.deviceId, type.extensionId}));
    }
    return type;
}

}  // namespace voltaro
