#pragma once
// The decisions of the Connect dialog without its widgets: which controls each link kind
// enables, which port is selected when the user switches between the serial kinds, how
// the stored line settings map onto the choice lists, the device address check and what
// Connect stores for each link kind.
#include <string>
#include <vector>

#include "core/comm/com_settings.h"
#include "core/comm/port_list.h"

namespace voltaro {

// Control ids of the Connect dialog.
constexpr int kIdConnectAddressLabel = 1094;
constexpr int kIdConnectAddress = 1067;
constexpr int kIdConnectInfrared = 1078;
constexpr int kIdConnectModbusRtu = 1076;
constexpr int kIdConnectModbusTcp = 1077;
constexpr int kIdConnectPortLabel = 1083;
constexpr int kIdConnectPort = 1057;
constexpr int kIdConnectBaudLabel = 1082;
constexpr int kIdConnectBaud = 1014;
constexpr int kIdConnectParityLabel = 1081;
constexpr int kIdConnectParity = 1015;
constexpr int kIdConnectStopLabel = 1080;
constexpr int kIdConnectStop = 1016;
constexpr int kIdConnectServerLabel = 1084;
constexpr int kIdConnectServer = 1079;
constexpr int kIdConnectServiceLabel = 1085;
constexpr int kIdConnectService = 1092;
// "Find devices...": scanning needs a bus (RS-485) or a gateway; an infra-red adapter
// talks to the one device in front of it.
constexpr int kIdConnectFindDevices = 1300;

// Whether control id is enabled for the selected link kind (labels follow their field).
bool ConnectControlEnabled(int id, ConnectionMode mode);
// Every control id that the enabling table governs.
const std::vector<int>& ConnectManagedControls();

// Selections of the line-setting lists for stored indexes: baud above 5 selects 5,
// parity above 2 selects 2, any non-zero stop selects "2 bit". Negative values select 0.
int BaudSelection(int stored);
int ParitySelection(int stored);
int StopSelection(int stored);

// Reads the device address (1 to 247) and throws SettingFieldError for the address field
// (11027 for no integer, 11000 with "Device address", "1" and "247" when out of range).
int ReadDeviceAddress(const std::string& text);

// What the Connect dialog's controls hold when the user presses Connect.
struct ConnectInput {
    ConnectionMode mode = ModbusRtu;
    std::string address;  // device address as typed
    int port = 0;         // index into the port list
    int baudrate = 0;     // selections of the line-setting lists
    int parity = 0;
    int stop = 0;
    std::string serverAddress;
    std::string servicePort;
};

// The settings that Connect stores: settings with the link kind of input and that kind's
// fields taken over (Modbus-RTU: its port and line settings; Modbus-TCP: server and
// service; infra-red: its own port), everything else kept. The device address is read
// (ReadDeviceAddress) except for infra-red, which always talks to unit 1 and keeps the
// stored address unchecked. Throws SettingFieldError for a bad address.
CComSettings AcceptConnectInput(const CComSettings& settings, const ConnectInput& input,
                                const PortList& ports);

// The port memory of the dialog: the display name last chosen for Modbus-RTU and for
// Infrared, and the port to select when the link kind changes.
class CPortMemory {
  public:
    CPortMemory(std::vector<std::string> displayNames, std::string rtuName, std::string irName);
    // The same over a port list, with the remembered device paths as a second key: display
    // names change between versions ("COM1" became "COM1 (/dev/ttyS0)" where the port
    // exists), and a port the user chose before must still be the one selected.
    CPortMemory(const PortList& ports, const CComSettings& settings);

    // Index of the last port whose display name equals the remembered one of mode
    // (exact, case-sensitive); failing that, of the last port with the remembered device
    // path; or `current` when none matches or the mode has no port.
    int Reselect(ConnectionMode mode, int current) const;
    // The user selected port index while mode was chosen.
    void Selected(ConnectionMode mode, int index);

    const std::string& Remembered(ConnectionMode mode) const;

  private:
    std::vector<std::string> names_;
    std::string rtuName_;
    std::string irName_;
    std::vector<std::string> paths_;
    std::string rtuPath_;
    std::string irPath_;
};

}  // namespace voltaro
