#pragma once
// Identification of a connected device: its identification registers, read through the
// client, looked up in the device catalogue.
#include "core/model/device_type.h"

namespace voltaro {

class IRegisterReader;

// Identifies a connected device (its identification registers; the extension id masked
// with kExtensionIdMask) into a fresh CDeviceType with its row looked up. An unsupported
// device fails with kMsgUnsupportedDevice.
CDeviceType ReadFromDevice(IRegisterReader& client);

}  // namespace voltaro
