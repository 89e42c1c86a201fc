#pragma once
// The device information dialog without its widgets: one read of the device's identity
// into a store of its own, and the texts of the two-column grid (tag, passcode state,
// model, serial, firmware, support information).
#include <vector>

#include "core/monitor/measurand_format.h"
#include "core/monitor/measurand_store.h"

namespace voltaro {

class CModbusInterface;

// Reads the identity with the client's lock held and the link open for the read (closed
// and unlocked in every case): registers 9600 .. 9613, 9622 .. 9626, and the protection
// passcode pair (8993 on the ZC series; 5333 on the others, in the order register 5375
// gives). Failures throw CPrivateException.
void ReadDeviceInformation(CModbusInterface& client, CMeasurandsKT2& store);

// The label cells (column 0) and the value cells (column 1) of the grid.
std::vector<MeasurandCell> DeviceInfoLabelCells();
std::vector<MeasurandCell> DeviceInfoValueCells(const CMeasurandsKT2& store);

}  // namespace voltaro
