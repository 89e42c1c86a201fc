#include "core/app/preset_dialog_model.h"

#include "core/app/meter_monitor_model.h"
#include "core/device/device_link.h"
#include "core/platform/private_exception.h"

namespace voltaro {

int PresetReadCommand(int view) {
    if (view == kEnergyTabCounter) return kCmdCounters;
    return view < 2 ? kCmdEnergy1 : kCmdEnergy2;
}

void CPresetReader::Read() {
    const int shown = view.load();
    try {
        CDeviceLink link(client_);
        ExecuteMonitorCommand(client_, store_, state_, kCmdIdentity, 0);
        ExecuteMonitorCommand(client_, store_, state_, PresetReadCommand(shown), 0);
        readView_ = shown;
        failed_ = false;
    } catch (const CPrivateException&) {
        failed_ = true;
    }
}

}  // namespace voltaro
