#pragma once
// Output loop tests of meters and ZB types: the device is switched into loop-test mode,
// in which it outputs (analogue outputs) or reports (ZB measured values) test values
// instead of what it measures. The sequences read the state, switch the flag and write
// the values behind the maintenance unlock; the value kinds check typed values.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/device_type.h"

namespace voltaro {

class CModbusInterface;
class IPasscodeInteraction;

// ---- Analogue output test -------------------------------------------------------------

constexpr int kAoTestValues = 4;
using AoValues = std::array<int32_t, kAoTestValues>;

struct AoLoopState {
    bool loopTest = false;       // the test flag (5339) is set
    bool currentOutput = false;  // outputs are currents (x 100), else voltages (x 1000)
    AoValues values{};           // the output levels at 3136 ..
};

// Whether the type has analogue outputs.
bool HasAnalogOutputs(const CDeviceType& type);
// Reads the output type, the output levels and the flag.
AoLoopState ReadAoLoopTest(CModbusInterface& client);
// The scale and range of an output level.
struct LoopValueRange {
    int64_t scale;
    int64_t min;
    int64_t max;
};
LoopValueRange AoValueRange(bool currentOutput);
// Checks a typed level of output `index` (0 .. 3); throws CPrivateException with
// kMsgOutOfRange naming "Ao1" .. "Ao4".
int32_t ParseAoValue(int index, bool currentOutput, const std::string& text);
// Switches the test on (flag 1, then the values) or off (flag 0). False when the
// passcode was cancelled or refused; Modbus failures throw.
bool SetAoLoopTest(CModbusInterface& client, IPasscodeInteraction& interaction, bool on,
                   const AoValues& values);
// Writes the four levels (while the test is on).
bool WriteAoValues(CModbusInterface& client, IPasscodeInteraction& interaction,
                   const AoValues& values);

// ---- ZB measured-value test -----------------------------------------------------------

constexpr int kZbTestValues = 33;  // 8 values of registers 0-15, 25 of registers 32-81
constexpr int kZbFirstBlockValues = 8;
using ZbValues = std::array<int32_t, kZbTestValues>;

enum class LoopValueKind {
    Voltage,
    Current,
    ActivePower,
    ReactivePower,
    ApparentPower,
    PowerFactor,
    Frequency,
    NeutralCurrent,
    Fixed,  // not editable
};

// The kind of ZB test value `item` (0 .. 32).
LoopValueKind ZbItemKind(int item);
// Checks a typed value of a kind; throws CPrivateException (kMsgOutOfRange, or
// kMsgOutOfRangeOrExtra for a frequency, which also accepts 0) naming the kind.
int32_t ParseLoopValue(LoopValueKind kind, const std::string& text);
// The string id of a kind's name.
int LoopValueNameId(LoopValueKind kind);
LoopValueRange LoopValueRangeOf(LoopValueKind kind);

struct ZbLoopState {
    bool loopTest = false;
    ZbValues values{};
};
// The flag register of a ZB input (channel index 0 or 1).
int ZbLoopFlagRegister(int channel);
// Reads the values and the flag of channel (0 or 1).
ZbLoopState ReadZbLoopTest(CModbusInterface& client, int channel);
// Switches the flag of channel; switching on also writes the values (unlock code 2).
bool SetZbLoopTest(CModbusInterface& client, IPasscodeInteraction& interaction, int channel,
                   bool on, const ZbValues& values);
// Writes all 33 values of channel (while the test is on).
bool WriteZbValues(CModbusInterface& client, IPasscodeInteraction& interaction, int channel,
                   const ZbValues& values);

// ---- State shown by the monitors --------------------------------------------------------

struct LoopTestStatus {
    bool analogOutputs = false;  // the analogue output test is on
    std::vector<int> channels;   // ZB channel indexes in loop-test mode
    bool Any() const { return analogOutputs || !channels.empty(); }
};
// Reads the loop-test flags the type has (none for other types).
LoopTestStatus ReadLoopTestStatus(CModbusInterface& client, const CDeviceType& type);

}  // namespace voltaro
