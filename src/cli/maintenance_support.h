#pragma once
// What the maintenance commands of voltaro-cli share: their common options (--passcode,
// --remember, --yes, --channel), the confirmation of destructive commands on a terminal,
// and the identification of the connected device.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_transfer_support.h"
#include "cli/connection_options.h"
#include "core/model/device_type.h"

namespace voltaro {
class CModbusInterface;
}

namespace voltaro::cli {

// Answers for a maintenance command: the passcode as for download; "Are you sure?" asked
// on a terminal (y/yes confirms), answered by --yes, refused otherwise with a hint.
class CliMaintenanceInteraction : public CliPasscodeInteraction {
  public:
    CliMaintenanceInteraction(std::string command, std::optional<uint32_t> passcode, bool remember,
                              bool yes);
    bool Confirm(const std::string& text) override;

  private:
    std::string name_;
    bool yes_;
};

struct MaintenanceArguments {
    ConnectionArguments connection;
    std::optional<uint32_t> passcode;
    bool remember = false;
    bool yes = false;
    int channel = 0;  // channel index: --channel 1 -> 0, 2 -> 1
    bool channelGiven = false;
};

// Takes the connection options and the common ones out of args; false after printing a
// usage error (then exitCode is set).
bool ParseMaintenanceArguments(const char* command, const std::vector<std::string>& args,
                               MaintenanceArguments& out, int& exitCode);

// Opens the link, identifies the device and closes the link; failures throw.
CDeviceType IdentifyDevice(CModbusInterface& client);
// Channel index of the arguments checked against the device (a usage error for channel 2
// on a device with one measuring input, printed; false).
bool CheckChannel(const char* command, const MaintenanceArguments& args, const CDeviceType& type);

// Whether two names are the same but for the case of ASCII letters.
bool SameName(const std::string& a, const std::string& b);

// Prints a line to stdout.
void PrintLine(const std::string& text);

}  // namespace voltaro::cli
