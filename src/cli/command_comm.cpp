// voltaro-cli ports / identify / read: the serial port list, identification of the
// connected device and a raw register read.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_transfer_support.h"
#include "cli/connection_options.h"
#include "core/comm/modbus_interface.h"
#include "core/comm/port_list.h"
#include "core/device/device_identification.h"
#include "core/model/device_type.h"
#include "core/model/model_list.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"
#include "core/work/sync_objects.h"

namespace voltaro::cli {
namespace {

int RunPorts(const std::vector<std::string>& args) {
    if (!args.empty()) return UsageError("ports", "unexpected argument \"" + args[0] + "\"");
    PortList list = BuildPortList();
    std::printf("index\tname\tdevice\n");
    for (std::size_t i = 0; i < list.size(); ++i)
        std::printf("%zu\t%s\t%s\n", i, list[i].displayName.c_str(), list[i].devicePath.c_str());
    return kExitOk;
}

// Runs body between Open and Close of a client holding its lock; device failures print
// the system's message and give exit 1.
template <typename Body>
int WithDevice(const char* command, const CComSettings& settings, Body body) {
    CModbusInterface client(settings);
    try {
        CAccessRight lock(client);
        client.Open();
        body(client);
        client.Close();
    } catch (const CPrivateException& e) {
        return Failure(command, e.Message());
    }
    return kExitOk;
}

int RunIdentify(const std::vector<std::string>& args) {
    ConnectionArguments parsed = ParseConnectionOptions(args);
    if (!parsed.error.empty()) return UsageError("identify", parsed.error);
    if (std::string unknown = UnknownOptionError(parsed.rest); !unknown.empty())
        return UsageError("identify", unknown);
    if (!parsed.rest.empty())
        return UsageError("identify", "unexpected argument \"" + parsed.rest[0] + "\"");
    return WithDevice("identify", parsed.settings, [](CModbusInterface& client) {
        const CDeviceType type = ReadFromDevice(client);
        std::printf("device id: %u\n", type.deviceId);
        std::printf("version: %u.%02u\n", type.version / 100u, type.version % 100u);
        std::printf("extension id: %u\n", type.extensionId);
        std::printf("I/O words: %u %u %u %u %u\n", type.ioConfig[0], type.ioConfig[1],
                    type.ioConfig[2], type.ioConfig[3], type.ioConfig[4]);
        std::printf("catalogue row: %d\n", type.typeIndex);
        std::printf("model: %s\n", ModelText(type).c_str());
    });
}

bool ParseNumber(const std::string& text, int low, int high, int& value) {
    if (text.empty() || text.size() > 6) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value >= low && value <= high;
}

int RunRead(const std::vector<std::string>& args) {
    ConnectionArguments parsed = ParseConnectionOptions(args);
    if (!parsed.error.empty()) return UsageError("read", parsed.error);
    if (std::string unknown = UnknownOptionError(parsed.rest); !unknown.empty())
        return UsageError("read", unknown);
    int address = 0;
    int count = 0;
    if (parsed.rest.size() != 2) return UsageError("read", "needs ADDR COUNT");
    if (!ParseNumber(parsed.rest[0], 0, 65535, address))
        return UsageError("read", "ADDR must be a register number 0 to 65535");
    if (!ParseNumber(parsed.rest[1], 1, 65536 - address, count))
        return UsageError("read", "COUNT must be 1 or more and stay within register 65535");
    return WithDevice("read", parsed.settings, [&](CModbusInterface& client) {
        std::vector<uint16_t> values(static_cast<std::size_t>(count));
        client.ReadHoldingRegisters(address, count, values.data());
        for (int i = 0; i < count; ++i)
            std::printf("%d\t%u\t0x%04X\n", address + i, values[i], values[i]);
    });
}

const CommandRegistrar kPorts("ports", "ports  (serial ports: index, name, device path)", RunPorts);
const CommandRegistrar kIdentify("identify", std::string("identify ") + ConnectionOptionsUsage(),
                                 RunIdentify);
const CommandRegistrar kRead("read", std::string("read ADDR COUNT ") + ConnectionOptionsUsage(),
                             RunRead);

}  // namespace
}  // namespace voltaro::cli
