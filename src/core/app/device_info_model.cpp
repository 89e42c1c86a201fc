#include "core/app/device_info_model.h"

#include "core/app/monitor_page_lists.h"
#include "core/comm/modbus_interface.h"
#include "core/model/device_registers.h"
#include "core/platform/string_table.h"
#include "core/work/sync_objects.h"

namespace voltaro {
namespace {

constexpr int kIdentityRegisters = 14;  // 9600 .. 9613
constexpr int kExtensionRegisters = 5;  // 9622 .. 9626
constexpr uint16_t kZcDeviceId = 7861;

class OpenLink {
  public:
    explicit OpenLink(CModbusInterface& client) : client_(client) { client_.Open(); }
    ~OpenLink() { client_.Close(); }
    OpenLink(const OpenLink&) = delete;
    OpenLink& operator=(const OpenLink&) = delete;

  private:
    CModbusInterface& client_;
};

}  // namespace

void ReadDeviceInformation(CModbusInterface& client, CMeasurandsKT2& store) {
    CAccessRight access(client);
    OpenLink link(client);
    uint16_t identity[kIdentityRegisters] = {};
    client.ReadHoldingRegisters(kDeviceIdRegister, kIdentityRegisters, identity);
    uint16_t extension[kExtensionRegisters] = {};
    client.ReadHoldingRegisters(kExtensionIdRegister, kExtensionRegisters, extension);
    // The protection passcode tells whether protection is on. The ZC series keeps it at
    // its own register, low half first; the others at 5333, in their word order.
    const bool zc = identity[0] == kZcDeviceId;
    bool highFirst = false;
    if (!zc) {
        uint16_t order = 0;
        client.ReadHoldingRegisters(kMeasuredWordOrderRegister, 1, &order);
        highFirst = order == 1;
    }
    uint16_t pair[2] = {0, 0};
    client.ReadHoldingRegisters(zc ? kZcProtectionRegister : kProtectionRegister, 2, pair);
    store.SetIdentityRegisters(identity);
    store.SetExtensionRegisters(extension);
    store.supportInfo = highFirst ? static_cast<uint32_t>(pair[0]) << 16 | pair[1]
                                  : static_cast<uint32_t>(pair[1]) << 16 | pair[0];
}

std::vector<MeasurandCell> DeviceInfoLabelCells() {
    std::vector<MeasurandCell> cells;
    for (const CellBinding& b : DeviceInfoLabels())
        cells.push_back({b.column, b.row, LoadString(b.id)});
    return cells;
}

std::vector<MeasurandCell> DeviceInfoValueCells(const CMeasurandsKT2& store) {
    return MeasurandCellTexts(store, DeviceInfoValues());
}

}  // namespace voltaro
