#pragma once
// The list of serial ports offered for a connection: COM1-COM16 always (a real ttyS port
// behind one of them is named beside it), then the other serial ports the system has (from
// sysfs, with their device paths and product names where known), then the virtual ports
// that simulators publish. Every port is listed once. Building it never fails.
#include <string>
#include <vector>

namespace voltaro {

struct PortEntry {
    std::string devicePath;   // what the serial port opens
    std::string displayName;  // what the user sees
};
using PortList = std::vector<PortEntry>;

// From /sys/class/tty and VirtualPortDirectory().
PortList BuildPortList();
// The same from other roots (tests): sysfsTtyRoot stands for /sys/class/tty.
PortList BuildPortList(const std::string& sysfsTtyRoot, const std::string& virtualPortDir);

// Accessors by list index; an index outside the list gives an empty text.
std::string PortDevicePath(const PortList& list, int index);
std::string PortDisplayName(const PortList& list, int index);

}  // namespace voltaro
