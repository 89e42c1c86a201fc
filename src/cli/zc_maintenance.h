#pragma once
// voltaro-cli reset and preset on a device of the ZC series: the resets of the power
// management monitor's "Reset" buttons (one bit value to 8995 + channel, behind the
// passcode) and the presets of its energies and discrete-input counts.
#include <string>

#include "cli/maintenance_support.h"

namespace voltaro::cli {

// Whether name is one of the ZC reset kinds, or the name of a presettable ZC value.
bool IsZcResetKind(const std::string& name);
bool IsZcPresetName(const std::string& name);

// Runs "reset KIND" on the identified ZC device; the exit code.
int RunZcReset(const MaintenanceArguments& args, const std::string& kind, CModbusInterface& client,
               const CDeviceType& type);
// Runs "preset NAME VALUE" on the identified ZC device (tariffGiven: --tariff was given,
// which a ZC device does not take); the exit code.
int RunZcPreset(const MaintenanceArguments& args, const std::string& name, const std::string& value,
                bool tariffGiven, CModbusInterface& client, const CDeviceType& type);

}  // namespace voltaro::cli
