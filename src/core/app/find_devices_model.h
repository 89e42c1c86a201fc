#pragma once
// The decisions of "Find devices..." in the Connect dialog without its widgets: what the
// scan covers (the dialog's current port or host, the address range and the baud rates the
// user ticks), the texts of the progress and of each device found, and how a device the
// user picks fills the Connect dialog.
#include <cstddef>
#include <string>
#include <vector>

#include "core/app/connect_model.h"
#include "core/comm/com_settings.h"
#include "core/comm/port_list.h"
#include "core/comm/rtu_framing.h"
#include "core/device/bus_scan.h"

namespace voltaro {

// Control ids of the Find devices dialog (its button in the Connect dialog: connect_model.h).
constexpr int kIdFindTarget = 1301;
constexpr int kIdFindAddresses = 1302;
constexpr int kIdFindScan = 1303;
constexpr int kIdFindResults = 1304;
constexpr int kIdFindBaudFirst = 1310;  // one check box per baud rate index, 1310 .. 1315
constexpr int kFindBaudCount = kBaudIndexCount;

// What the Connect dialog's controls select when a found device is picked.
struct ConnectChoice {
    ConnectionMode mode = ModbusRtu;
    int address = 1;
    int baudrate = 0;  // selections of the line-setting lists
    int parity = 0;
    int stop = 0;
};

struct ConnectInput;
// The port or host that the Connect dialog's controls select, whatever its address field
// holds (the scan sets every address itself).
CComSettings ScanTargetOf(const CComSettings& settings, ConnectInput input, const PortList& ports);

class CFindDevicesModel {
  public:
    // current: the Connect dialog's link kind, port or host and line settings as they stand.
    explicit CFindDevicesModel(const CComSettings& current);

    bool Tcp() const { return current_.mode == ModbusTcp; }
    const CComSettings& Target() const { return current_; }
    // "Port: ..." or "Host: ...:... (unit ids)".
    std::string TargetText() const;
    std::string DefaultAddresses() const { return "1-247"; }
    // Whether baud rate index starts ticked (the dialog's own rate); no rates over TCP.
    bool BaudTicked(int index) const { return index == current_.baudrate; }
    bool BaudsEnabled() const { return !Tcp(); }

    // The plan for the user's entries: the addresses and, on a serial line, every ticked
    // baud rate at the dialog's parity and stop bits. Returns the refusal from the message
    // table (none ticked counts as a bad baud list), or "".
    std::string BuildPlan(const std::string& addresses, const std::vector<int>& tickedBauds,
                          ScanPlan& plan) const;

    // The progress dialog's label and its value in percent.
    static std::string ProgressText(const ScanLine& line, int address, bool tcp);
    static int ProgressPercent(std::size_t done, std::size_t total);

    // The columns of a found device: address, line settings (empty over TCP), model or the
    // reason it is not identified.
    std::vector<std::string> RowTexts(const ScanFinding& finding) const;
    // How a found device fills the Connect dialog.
    static ConnectChoice ChoiceOf(const ScanFinding& finding);

  private:
    CComSettings current_;
};

}  // namespace voltaro
