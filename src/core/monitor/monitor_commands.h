#pragma once
// The reads of the meter monitor's commands 1 to 10, on an open link: what each reads,
// from which registers of the chosen input, and where it lands in the store. The
// monitoring thread (back_thread.h) and the command-line pass (monitor_pass.h) both run
// them. A read that fails part-way keeps the slots it already filled.
#include <atomic>

#include "core/model/device_type.h"
#include "core/monitor/measurand_store.h"
#include "core/monitor/monitor_registers.h"

namespace voltaro {

class CModbusInterface;

struct MonitorCommandState {
    CDeviceType deviceType;  // re-identified by command 1
    bool swapWords = false;  // register 5375 read 1 (command 1)
    int channel = 0;         // 1: the second input's registers
};

// Runs command (1 .. 10; argument: the harmonic set of command 8) with the client's link
// open. A command of several reads stops before its next read once `running` (when
// given) is false. Modbus failures throw (CPrivateException, or CCancelled after an
// abort). Command 1 of a ZC device identifies it and reads nothing more. The second
// input's registers are used only when state.channel is 1 and the device type has two
// measuring inputs.
void ExecuteMonitorCommand(CModbusInterface& client, CMeasurandsKT2& store,
                           MonitorCommandState& state, int command, int argument,
                           const std::atomic<bool>* running = nullptr);

// The input whose registers the commands read: 1 only for channel 1 on a device type with
// two measuring inputs.
int EffectiveChannel(const MonitorCommandState& state);

// Whether a device type is of the ZC series (monitored by the power management monitor).
bool IsZcDevice(const CDeviceType& type);

}  // namespace voltaro
