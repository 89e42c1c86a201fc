#pragma once
// The device clock: the three BCD clock registers (YYMM, DDhh, mmss) that run with the
// host's time plus an offset the client can set.
#include <cstdint>
#include <ctime>

#include "core/model/device_registers.h"
#include "sim/register_map.h"

namespace voltaro::sim {

// Broken-down wall time of a device time value (kept as if it were UTC).
std::tm BreakDown(std::time_t deviceTime);
// Host local wall time minus host time in seconds: the offset of a device that was set
// to the PC's local time.
double HostWallClockOffset();
// Writes the three clock registers.
void EncodeClock(const std::tm& time, RegisterFile& regs);
// Decodes three clock words; false when a digit is not BCD or the date is not real.
// Second 60 is taken as the first second of the next minute (a PC clock synchronised at
// hh:mm:59 may send it).
bool DecodeClock(const uint16_t words[3], std::tm& time);

uint8_t ToBcd(int value);

}  // namespace voltaro::sim
