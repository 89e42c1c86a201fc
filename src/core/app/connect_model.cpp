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
    {kIdConnectAddressLabel, kMaskRtu | kMaskTcp}, {kIdConnectAddress, kMaskRtu | kMaskTcp},
    {kIdConnectPortLabel, kMaskRtu | kMaskInfrared}, {kIdConnectPort, kMaskRtu | kMaskInfrared},
    {kIdConnectBaudLabel, kMaskRtu},    {kIdConnectBaud, kMaskRtu},
    {kIdConnectParityLabel, kMaskRtu},  {kIdConnectParity, kMaskRtu},
    {kIdConnectStopLabel, kMaskRtu},    {kIdConnectStop, kMaskRtu},
    {kIdConnectServerLabel, kMaskTcp},  {kIdConnectServer, kMaskTcp},
    {kIdConnectServiceLabel, kMaskTcp}, {kIdConnectService, kMaskTcp},
};

int ModeMask(LinkMode mode)
{
    switch (mode) {
    case LinkMode::ModbusRtu: return kMaskRtu;
    case LinkMode::ModbusTcp: return kMaskTcp;
    case LinkMode::Infrared: return kMaskInfrared;
    }
    return 0;
}

int Clamp(int stored, int last)
{
    return std::clamp(stored, 0, last);
}

const std::string kNoName;

}  // namespace

bool ConnectControlEnabled(int id, LinkMode mode)
{
    for (const EnableRule& rule : kEnableRules) {
        if (rule.id == id) return (rule.mask & ModeMask(mode)) != 0;
    }
    return true;
}

const std::vector<int>& ConnectManagedControls()
{
    static const std::vector<int> ids = [] {
        std::vector<int> result;
        for (const EnableRule& rule : kEnableRules) result.push_back(rule.id);
        return result;
    }();
    return ids;
}

int BaudSelection(int stored) {
    return Clamp(stored, kBaudRateTextCount - 1);
}
int ParitySelection(int stored) { return Clamp(stored, kParityTextCount - 1); }
int StopSelection(int stored) { return stored != 0 ? 1 : 0; }

int ReadDeviceAddress(const std::string& text)
{
    return static_cast<int>(ReadField(kIdConnectAddress, text, kDeviceAddressRange));
}

CPortMemory::CPortMemory(std::vector<std::string> displayNames, std::string rtuName,
                         std::string irName)
    : names_(std::move(displayNames)), rtuName_(std::move(rtuName)), irName_(std::move(irName))
{
}

int CPortMemory::Reselect(LinkMode mode, int current) const
{
    if (mode == LinkMode::ModbusTcp) return current;
    const std::string& wanted = Remembered(mode);
    int found = current;
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == wanted) found = static_cast<int>(i);
    }
    return found;
}

void CPortMemory::Selected(LinkMode mode, int index)
{
    if (index < 0 || index >= static_cast<int>(names_.size())) return;
    if (mode == LinkMode::ModbusRtu) rtuName_ = names_[static_cast<std::size_t>(index)];
    if (mode == LinkMode::Infrared) irName_ = names_[static_cast<std::size_t>(index)];
}

const std::string& CPortMemory::Remembered(LinkMode mode) const
{
    if (mode == LinkMode::ModbusRtu) return rtuName_;
    if (mode == LinkMode::Infrared) return irName_;
    return kNoName;
}

}  // namespace voltaro
