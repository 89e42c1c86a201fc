#pragma once
// The register lists of the meter monitor's reads: which holding registers land in which
// measurand slots, for the first and the second measuring input. Every list ends with a
// block whose start is -1 (the form ReadRegisterList takes).
#include <span>

#include "core/comm/modbus_interface.h"

namespace voltaro {

// Commands of the monitoring thread (the thread message's number).
enum MonitorCommand : int {
    kCmdQuit = 0,
    kCmdIdentity = 1,       // identification, word order, device information, vectors
    kCmdInstantaneous = 2,  // indexes 0 .. 32 and demand 89 .. 128
    kCmdMaxima = 3,         // 129 .. 135, 137 .. 158, 169 .. 178
    kCmdMinima = 4,         // 179 .. 185, 186 .. 207
    kCmdEnergy1 = 5,        // 33 .. 46 with fractions 61 .. 74
    kCmdEnergy2 = 6,        // 47 .. 60 with fractions 75 .. 88
    kCmdThd = 7,            // 208 .. 217, 159 .. 168
    kCmdHarmonics = 8,      // argument: harmonic set 0 .. 9
    kCmdCounters = 9,       // 218 .. 225
    kCmdAnalogOutputs = 10,
};
constexpr int kMonitorCommandCount = 11;

// The list of a register-list command (kCmdInstantaneous .. kCmdThd) for channel 0 (first
// input) or 1 (second input); an empty list (terminator only) for any other command.
const RegisterBlock* MonitorRegisterList(int command, int channel);
// The same list without its terminator.
std::span<const RegisterBlock> MonitorRegisterBlocks(int command, int channel);

// First register of harmonic set (0 .. 9) of the channel; 30 registers.
int HarmonicSetRegister(int set, int channel);

// The counter list (3136, 8 values into 218 ..).
const RegisterBlock* CounterRegisterList();

}  // namespace voltaro
