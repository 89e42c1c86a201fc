#pragma once
// The fleet file: an INI file with one section per device, named by the device, that says
// how each device is reached and which tags it carries.
//
//   [feeder-1]
//   tcp = 192.0.2.10:502     ; HOST[:PORT]; unit = N (default 1) behind a gateway
//   unit = 3
//   tags = hall-a, meters
//
//   [pump-7]
//   serial = /dev/ttyUSB0    ; with address, baud, parity, stop (defaults: the profile's)
//   address = 7
//
// Values follow the command line's rules for the same options. Everything else (an unknown
// key, a key given twice, a device named twice, text outside KEY = VALUE) is refused with the
// file, line, device and key named.
#include <string>
#include <string_view>
#include <vector>

#include "core/comm/com_settings.h"

namespace voltaro {

struct FleetDevice {
    std::string name;
    CComSettings settings;
    std::vector<std::string> tags;
    int row = -1;  // `row`: the catalogue row voltaro-sim --fleet simulates (-1: none given)
    int line = 0;  // line of the device's [header]
};

struct FleetFile {
    std::string path;
    std::vector<FleetDevice> devices;  // in file order
};

// Parses the text of the fleet file at path; serial devices start from defaults (the
// profile's connection settings). Throws CPrivateException naming file, line, device and
// key of the first fault.
FleetFile ParseFleetFile(const std::string& path, const std::string& text,
                         const CComSettings& defaults);
// Reads and parses path.
FleetFile LoadFleetFile(const std::string& path, const CComSettings& defaults);

// The bus a device is reached over: its serial port, or its gateway (host and port). Devices
// on one bus must never be talked to at the same time.
std::string FleetBusKey(const FleetDevice& device);

// Whether name can name a device, and so its files (DIR/NAME.cfg).
bool IsValidFleetName(std::string_view name);
// "a, b,c" as names; false when one is empty or holds other than letters, digits, - _ .
bool ParseFleetTags(std::string_view text, std::vector<std::string>& tags);

// The devices that carry at least one of tags (all devices when tags is empty). Throws when
// none does, or when the file names no device.
std::vector<FleetDevice> SelectFleetDevices(const FleetFile& fleet,
                                            const std::vector<std::string>& tags);

}  // namespace voltaro
