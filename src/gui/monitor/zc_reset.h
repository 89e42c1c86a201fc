#pragma once
// A reset command of the power management monitor's pages: asks "Are you sure?", then
// with the wait cursor unlocks the device (asking for the passcode of a protected one),
// writes the reset value and relocks; a failure is shown in a message box.
#include <cstdint>

class QWidget;

namespace voltaro {

class CModbusInterface;

// True when the value was written.
bool RunZcReset(QWidget* parent, CModbusInterface& client, int channel, uint16_t value);

}  // namespace voltaro
