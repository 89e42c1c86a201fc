#pragma once
// The voltaro-sim command line.
#include <string>
#include <vector>

#include "sim/shared_bus.h"
#include "sim/sim_options.h"

namespace voltaro::sim {

struct CommandLine {
    SimulatorOptions options;
    bool tcp = false;
    std::string tcpHost = "127.0.0.1";
    int tcpPort = 0;
    bool pty = false;
    std::string ptyLink;
    std::string serialPort;
    bool help = false;
    bool version = false;  // --version without a number: print the program's version
    bool listRows = false;
    std::string fleetPath;       // --fleet FILE: every tcp device of the fleet file (fleet_sim.h)
    std::vector<BusDevice> bus;  // --bus: several devices sharing the pseudo-terminal
};

// Parses the arguments after the program name; throws CPrivateException with a text
// that names the offending option.
CommandLine ParseCommandLine(const std::vector<std::string>& args);
std::string UsageText();
// Every catalogue row with its model text, one a line.
std::string RowListText();

// The row whose model text (prefix and description joined, then the version note after
// a space, compared case-insensitively) starts with `text`; among several, the one whose
// version range holds `version` (when >= 0); a text equal to one model's whole text
// picks that model. Throws when none or several remain.
int FindRowByModel(const std::string& text, int version);
// "KT2-1**1 Modbus, Do x1, Di x1 Ver.1.02 or earlier"; empty for rows not listed.
std::string ModelText(int row);

}  // namespace voltaro::sim
