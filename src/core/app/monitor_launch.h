#pragma once
// The Monitor command of the main window without its widgets: which monitor window a
// connected device goes to first. The windows alternate while one ends with
// kMonitorAlternate (the meter monitor found a ZC device, or the reverse).
#include "core/model/device_type.h"

namespace voltaro {

class CModbusInterface;

// The result with which a monitor window asks for the other one.
constexpr int kMonitorAlternate = 1;

enum class MonitorWindow { Meter, PowerManagement };

// Identifies the connected device: the client's lock, the link open for the read only. A
// failure of any kind is swallowed and leaves the type unknown (a default CDeviceType).
CDeviceType IdentifyForMonitor(CModbusInterface& client);

// The ZC series goes to the power management monitor, every other type (also an unknown
// one) to the meter monitor.
MonitorWindow FirstMonitorWindow(const CDeviceType& type);
MonitorWindow OtherMonitorWindow(MonitorWindow window);

}  // namespace voltaro
