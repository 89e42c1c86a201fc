#include "core/monitor/zc_reads.h"

#include "core/comm/modbus_interface.h"
#include "core/device/device_identification.h"
#include "core/device/passcode_protection.h"
#include "core/model/device_registers.h"
#include "core/monitor/monitor_commands.h"
#include "core/work/sync_objects.h"

namespace voltaro {
namespace {

// The ZC series keeps the low half of a 32-bit value first.
constexpr bool kZcSwap = false;

// Keeps the link open for one unit of work.
class Link {
  public:
    explicit Link(CModbusInterface& client) : client_(client) { client_.Open(); }
    ~Link() { client_.Close(); }
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

  private:
    CModbusInterface& client_;
};

CDeviceType Identify(CModbusInterface& client, CMeasurandsKT2& store) {
    uint16_t identification[kIdentificationRegisters] = {};
    client.ReadHoldingRegisters(kDeviceIdRegister, kIdentificationRegisters, identification);
    store.SetIdentityRegisters(identification);
    store.SetExtensionRegisters(&identification[kExtensionIdRegister - kDeviceIdRegister]);
    return DeviceTypeOfRegisters(identification);
}

CDeviceType ReadWithList(CModbusInterface& client, CMeasurandsKT2& store,
                         const std::vector<RegisterBlock>& list) {
    const CDeviceType type = Identify(client, store);
    if (!IsZcDevice(type)) return type;
    client.ReadRegisterList(list.data(), store.Slots(), kZcSwap);
    ReadZcClock(client, store);
    return type;
}

// 16-bit words into consecutive slots, zero-extended.
void WordsToSlots(CMeasurandsKT2& store, const uint16_t* words, int count, int firstIndex) {
    for (int i = 0; i < count; ++i)
        store.SetValue(firstIndex + i, words[i]);
}

}  // namespace

int ZcResetChannel(uint16_t value, int channel) {
    const bool common = value == kZcResetMaxMinVoltage || value == kZcResetMaxMinFrequency ||
                        value == kZcResetThdVoltage;
    return common ? 0 : channel;
}

CDeviceType ReadZcMonitorValues(CModbusInterface& client, CMeasurandsKT2& store, int view) {
    return ReadWithList(client, store, ZcMonitorRegisterList(view));
}

CDeviceType ReadZcPresetValues(CModbusInterface& client, CMeasurandsKT2& store, int view) {
    return ReadWithList(client, store, ZcPresetRegisterList(view));
}

void ReadZcClock(CModbusInterface& client, CMeasurandsKT2& store) {
    uint16_t clock[kClockRegisters] = {};
    client.ReadHoldingRegisters(kClockRegister, kClockRegisters, clock);
    store.SetValue(kIdxDeviceDate,
                   static_cast<int32_t>(static_cast<uint32_t>(clock[1]) << 16 | clock[0]));
    store.SetValue(kIdxDeviceTime, clock[2]);
}

void ReadZcDetailValues(CModbusInterface& client, CMeasurandsKT2& store, int read, int channel) {
    const std::vector<RegisterBlock> list = ZcDetailRegisterList(read, channel);
    client.ReadRegisterList(list.data(), store.Slots(), kZcSwap);
}

void ReadZcDetailThd(CModbusInterface& client, CMeasurandsKT2& store, int channel, int set) {
    constexpr int kVoltageSets = 6;  // 1-2, 2-3, 3-1, 1, 2, 3
    constexpr int kCurrentSets = 4;  // 1, 2, 3, N
    constexpr int kMaxVoltageWord = 8;
    uint16_t voltage[kZcThdVoltageRegisters] = {};
    client.ReadHoldingRegisters(kZcThdVoltageRegister, kZcThdVoltageRegisters, voltage);
    WordsToSlots(store, voltage, kVoltageSets, kIdxThd + kCurrentSets);
    WordsToSlots(store, voltage + kMaxVoltageWord, kVoltageSets, kIdxMaximumThd + kCurrentSets);
    uint16_t current[kZcThdCurrentRegisters] = {};
    client.ReadHoldingRegisters(kZcThdCurrentRegister + kZcThdCurrentRegisters * channel,
                                kZcThdCurrentRegisters, current);
    WordsToSlots(store, current, kCurrentSets, kIdxThd);
    WordsToSlots(store, current + kCurrentSets, kCurrentSets, kIdxMaximumThd);
    if (set < 0 || set >= kHarmonicSetCount) return;
    auto& words = store.harmonics[static_cast<std::size_t>(set)];
    client.ReadHoldingRegisters(ZcHarmonicSetRegister(set, channel), kZcHarmonicWords,
                                words.data());
}

bool WriteZcReset(CModbusInterface& client, IPasscodeInteraction& interaction, int channel,
                  uint16_t value) {
    CAccessRight access(client);
    CPasscodeProtection protection(interaction);
    if (!protection.Unlock(client)) return false;
    {
        Link link(client);
        client.WriteMultipleRegisters(ZcResetRegisterOf(ZcResetChannel(value, channel)), 1, &value);
    }
    protection.Relock();
    return true;
}

void WriteZcPreset(CModbusInterface& client, int address, uint32_t value) {
    CAccessRight access(client);
    Link link(client);
    client.WriteRegisterPairs(address, 1, &value, kZcSwap);
}

}  // namespace voltaro
