#pragma once
// The device accesses of the power management monitor, its channel detail and its
// preset dialog: the reads that fill the store, the reset commands and the preset write.
// Reads take the link as the caller opened it (the caller holds the client's lock);
// the reset and the preset write are whole units of work (lock, open, write, close).
// Modbus failures throw (CPrivateException, or CCancelled after an abort).
#include <cstdint>

#include "core/model/device_type.h"
#include "core/monitor/measurand_store.h"
#include "core/monitor/zc_registers.h"

namespace voltaro {

class CModbusInterface;
class IPasscodeInteraction;

// Reset bit values of register 8995 + channel.
enum ZcResetValue : uint16_t {
    kZcResetEnergy = 1,          // energies of a channel (under the lower grid)
    kZcResetHourly = 2,          // hourly energies (under the upper grid)
    kZcResetDemandCurrent = 4,   // demand, this channel
    kZcResetDemandPower = 8,     // demand, this channel
    kZcResetMaxMinVoltage = 16,  // common
    kZcResetMaxMinCurrent = 32,
    kZcResetMaxMinPower = 64,
    kZcResetMaxMinPowerFactor = 128,
    kZcResetMaxMinFrequency = 256,  // common
    kZcResetMaxMinDemandCurrent = 512,
    kZcResetMaxMinDemandPower = 1024,
    kZcResetThdVoltage = 2048,  // common
    kZcResetThdCurrent = 4096,
};
// The channel a reset value is written for: channel 0 for the common values, else the
// channel itself.
int ZcResetChannel(uint16_t value, int channel);

// Identifies the device (and keeps its identity in the store). A ZC device then gets the
// view's list and the device clock read; another device nothing more.
CDeviceType ReadZcMonitorValues(CModbusInterface& client, CMeasurandsKT2& store, int view);
// The same with the preset dialog's list of the view.
CDeviceType ReadZcPresetValues(CModbusInterface& client, CMeasurandsKT2& store, int view);
// The device date and time (registers 9104 .. 9106) into slots 1698 and 1699.
void ReadZcClock(CModbusInterface& client, CMeasurandsKT2& store);

// The channel detail's value read (ZcDetailRead) of channel (0 .. 15).
void ReadZcDetailValues(CModbusInterface& client, CMeasurandsKT2& store, int read, int channel);
// The channel detail's THD read and harmonic set `set` (0 .. 9) of channel.
void ReadZcDetailThd(CModbusInterface& client, CMeasurandsKT2& store, int channel, int set);

// One reset: takes the client's lock, unlocks the device (asking for the passcode of a
// protected device), writes value to 8995 + ZcResetChannel(value, channel), relocks. False
// when the unlock was cancelled or refused: nothing was written.
bool WriteZcReset(CModbusInterface& client, IPasscodeInteraction& interaction, int channel,
                  uint16_t value);

// One preset: takes the client's lock and writes value as one register pair (low half
// first) at address. No unlock and no fraction word.
void WriteZcPreset(CModbusInterface& client, int address, uint32_t value);

}  // namespace voltaro
