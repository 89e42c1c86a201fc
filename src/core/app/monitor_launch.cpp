#include "core/app/monitor_launch.h"

#include <exception>

#include "core/comm/modbus_interface.h"
#include "core/device/device_identification.h"
#include "core/monitor/monitor_commands.h"
#include "core/work/sync_objects.h"

namespace voltaro {

CDeviceType IdentifyForMonitor(CModbusInterface& client) {
    CAccessRight access(client);
    if (!access.Locked()) return {};
    CDeviceType type;
    try {
        client.Open();
        type = ReadFromDevice(client);
    } catch (const std::exception&) {
        // Unknown: the meter monitor identifies the device again with its first read.
        type = CDeviceType{};
    }
    client.Close();
    return type;
}

MonitorWindow FirstMonitorWindow(const CDeviceType& type) {
    return IsZcDevice(type) ? MonitorWindow::PowerManagement : MonitorWindow::Meter;
}

MonitorWindow OtherMonitorWindow(MonitorWindow window) {
    return window == MonitorWindow::Meter ? MonitorWindow::PowerManagement : MonitorWindow::Meter;
}

}  // namespace voltaro
