#pragma once
// Identification of a connected device: its identification registers, read through the
// client, looked up in the device catalogue.
#include <cstdint>
#include <string>

#include "core/model/device_type.h"

namespace voltaro {

class IRegisterReader;

// Identifies a connected device (its identification registers; the extension id masked
// with kExtensionIdMask) into a fresh CDeviceType with its row looked up. An unsupported
// device fails with kMsgUnsupportedDevice.
CDeviceType ReadFromDevice(IRegisterReader& client);
// The same decision from identification registers already read (kIdentificationRegisters
// from kDeviceIdRegister on): the catalogue row of the device, or kMsgUnsupportedDevice.
CDeviceType DeviceTypeOfRegisters(const uint16_t* identification);

// The serial number text of a connected device (kSerialNumberRegisters from
// kSerialNumberRegister, each register low byte first, up to the first zero byte). Read
// failures throw like every read.
std::string ReadSerialNumber(IRegisterReader& client);

}  // namespace voltaro
