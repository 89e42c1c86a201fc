#pragma once
// Maintenance commands of meters and ZB types: the resets of energies, maxima/minima,
// demand values and counters, and the tag number. Each write runs behind the
// maintenance unlock and clears the entered passcode afterwards.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace voltaro {

class CModbusInterface;
class IPasscodeInteraction;

constexpr int kTagRegisters = 8;
constexpr std::size_t kTagLength = 16;

enum class ResetKind { Energy, MaxMin, Demand, Counter };

struct ResetTarget {
    int address;
    uint16_t value;
};
// The register and value of a reset; nullopt when there is nothing to reset (counters
// of a device with neither 4 nor 8 counters).
std::optional<ResetTarget> ResetTargetOf(ResetKind kind, int channelIndex, int counters);

enum class CommandOutcome {
    Done,
    Declined,  // "No" to the question, or nothing to do: nothing sent
    Refused,   // the passcode was cancelled or did not match: nothing written
};

// Asks kMsgAreYouSure, unlocks with code 1 and writes: 1 to the unlock register, the
// command value, 0 to the unlock register, and clears the entered passcode on a protected
// device. Modbus failures throw; the client's lock is released on every path.
CommandOutcome RunReset(CModbusInterface& client, IPasscodeInteraction& interaction, ResetKind kind,
                        int channelIndex, int counters);

// The tag's 16 bytes as 8 registers, low byte first, zero-padded; at most 16 bytes are
// taken and no terminator is added at 16.
std::array<uint16_t, kTagRegisters> TagWords(const std::string& text);
// The text of 8 tag registers: up to the first zero byte, at most 16 characters.
std::string TagText(const std::array<uint16_t, kTagRegisters>& words);

// Reads the tag (and clears the entered passcode of a protected device).
std::string ReadTag(CModbusInterface& client);
// Writes the tag behind the maintenance unlock; false when the passcode was refused.
bool WriteTag(CModbusInterface& client, IPasscodeInteraction& interaction, const std::string& text);

}  // namespace voltaro
