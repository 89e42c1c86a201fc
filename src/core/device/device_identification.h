#pragma once
// Identification of a connected device: its identification registers, read through the
// client, looked up in the device catalogue.
#include "core/model/device_type.h"

namespace voltaro {

class IRegisterReader;

// Identifies a connected device (registers 9600, 9601, 9622, 9623..9627; the extension id
// masked with kExtensionIdMask) into a fresh CDeviceType with its row looked up. Fails
// with 11023 for an unsupported device.
CDeviceType ReadFromDevice(IRegisterReader& client);

}  // namespace voltaro
