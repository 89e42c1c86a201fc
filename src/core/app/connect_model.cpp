#include "core/app/connect_model.h"

#include <algorithm>

#include "core/platform/list_text_ids.h"
#include "core/settings/setting_fields.h"

namespace voltaro {

namespace {

constexpr int kMaskRtu = 1, kMaskTcp = 2, kMaskInfrared = 4;

struct EnableRule {
    int id;
    int mask;
};

const EnableRule kEnableRules[] = {
    {kIdConnectAddressLabel, kMaskRtu | kMaskTcp},
    {kIdConnectAddress, kMaskRtu | kMaskTcp},
    {kIdConnectPortLabel, kMaskRtu | kMaskInfrared},
    {kIdConnectPort, kMaskRtu | kMaskInfrared},
    {kIdConnectBaudLabel, kMaskRtu},
    {kIdConnectBaud, kMaskRtu},
    {kIdConnectParityLabel, kMaskRtu},
    {kIdConnectParity, kMaskRtu},
    {kIdConnectStopLabel, kMaskRtu},
    {kIdConnectStop, kMaskRtu},
    {kIdConnectServerLabel, kMaskTcp},
    {kIdConnectServer, kMaskTcp},
    {kIdConnectServiceLabel, kMaskTcp},
    {kIdConnectService, kMaskTcp},
    {kIdConnectFindDevices, kMaskRtu | kMaskTcp},
};

int ModeMask(ConnectionMode mode) {
    switch (mode) {
        case ModbusRtu:
            return kMaskRtu;
        case ModbusTcp:
            return kMaskTcp;
        case Infrared:
            return kMaskInfrared;
    }
    return 0;
}

int Clamp(int stored, int last) {
    return std::clamp(stored, 0, last);
}

const std::string kNoName;

}  // namespace

bool ConnectControlEnabled(int id, ConnectionMode mode) {
    for (const EnableRule& rule : kEnableRules) {
        if (rule.id == id) return (rule.mask & ModeMask(mode)) != 0;
    }
    return true;
}

const std::vector<int>& ConnectManagedControls() {
    static const std::vector<int> ids = [] {
        std::vector<int> result;
        for (const EnableRule& rule : kEnableRules)
            result.push_back(rule.id);
        return result;
    }();
    return ids;
}

int BaudSelection(int stored) {
    return Clamp(stored, kBaudRateTextCount - 1);
}
int ParitySelection(int stored) {
    return Clamp(stored, kParityTextCount - 1);
}
int StopSelection(int stored) {
    return stored != 0 ? 1 : 0;
}

int ReadDeviceAddress(const std::string& text) {
    return static_cast<int>(ReadField(kIdConnectAddress, text, kDeviceAddressRange));
}

CComSettings AcceptConnectInput(const CComSettings& settings, const ConnectInput& input,
                                const PortList& ports) {
    CComSettings result = settings;
    if (input.mode != Infrared) result.address = ReadDeviceAddress(input.address);
    result.mode = input.mode;
    switch (input.mode) {
        case ModbusRtu:
            result.comPortName = PortDevicePath(ports, input.port);
            result.comPortDisplayName = PortDisplayName(ports, input.port);
            result.baudrate = input.baudrate;
            result.parity = input.parity;
            result.stop = input.stop;
            break;
        case ModbusTcp:
            result.serverAddress = input.serverAddress;
            result.servicePort = input.servicePort;
            break;
        case Infrared:
            result.irComPortName = PortDevicePath(ports, input.port);
            result.irComPortDisplayName = PortDisplayName(ports, input.port);
            break;
    }
    return result;
}

CPortMemory::CPortMemory(std::vector<std::string> displayNames, std::string rtuName,
                         std::string irName)
    : names_(std::move(displayNames)), rtuName_(std::move(rtuName)), irName_(std::move(irName)) {}

CPortMemory::CPortMemory(const PortList& ports, const CComSettings& settings)
    : rtuName_(settings.comPortDisplayName),
      irName_(settings.irComPortDisplayName),
      rtuPath_(settings.comPortName),
      irPath_(settings.irComPortName) {
    for (const PortEntry& entry : ports) {
        names_.push_back(entry.displayName);
        paths_.push_back(entry.devicePath);
    }
}

int CPortMemory::Reselect(ConnectionMode mode, int current) const {
    if (mode == ModbusTcp) return current;
    const auto lastMatch = [](const std::vector<std::string>& keys, const std::string& wanted) {
        int found = -1;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (!wanted.empty() && keys[i] == wanted) found = static_cast<int>(i);
        }
        return found;
    };
    if (const int byName = lastMatch(names_, Remembered(mode)); byName >= 0) return byName;
    const int byPath = lastMatch(paths_, mode == Infrared ? irPath_ : rtuPath_);
    return byPath >= 0 ? byPath : current;
}

void CPortMemory::Selected(ConnectionMode mode, int index) {
    if (index < 0 || index >= static_cast<int>(names_.size())) return;
    const auto at = static_cast<std::size_t>(index);
    const std::string path = at < paths_.size() ? paths_[at] : std::string();
    if (mode == ModbusRtu) {
        rtuName_ = names_[at];
        rtuPath_ = path;
    }
    if (mode == Infrared) {
        irName_ = names_[at];
        irPath_ = path;
    }
}

const std::string& CPortMemory::Remembered(ConnectionMode mode) const {
    if (mode == ModbusRtu) return rtuName_;
    if (mode == Infrared) return irName_;
    return kNoName;
}

}  // namespace voltaro
