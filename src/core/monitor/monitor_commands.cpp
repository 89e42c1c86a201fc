#include "core/monitor/monitor_commands.h"

#include <algorithm>

#include "core/comm/modbus_interface.h"
#include "core/device/device_identification.h"
#include "core/model/device_registers.h"

namespace voltaro {
namespace {

constexpr uint16_t kFixedOutputFirmware = 120;
constexpr int32_t kSensorRatings[] = {50, 100, 200, 400, 600};  // CT sensor types 1 .. 5

class CommandRun {
  public:
    CommandRun(CModbusInterface& client, CMeasurandsKT2& store, MonitorCommandState& state,
               const std::atomic<bool>* running)
        : client_(client), store_(store), state_(state), running_(running) {}

    bool Stopped() const { return running_ != nullptr && !running_->load(); }

    uint16_t ReadOne(int address) {
        uint16_t value = 0;
        client_.ReadHoldingRegisters(address, 1, &value);
        return value;
    }
    uint32_t ReadPair(int address) {
        uint16_t r[2] = {0, 0};
        client_.ReadHoldingRegisters(address, 2, r);
        return state_.swapWords ? static_cast<uint32_t>(r[0]) << 16 | r[1]
                                : static_cast<uint32_t>(r[1]) << 16 | r[0];
    }
    // Reads a register list block by block, stopping before a block once not running.
    void ReadList(const RegisterBlock* blocks) {
        for (const RegisterBlock* b = blocks; b->start != -1; ++b) {
            if (Stopped()) return;
            const RegisterBlock one[2] = {*b, {-1, 0, 0}};
            client_.ReadRegisterList(one, store_.Slots(), state_.swapWords);
        }
    }

    void Identity();
    void Ratings(int channel);
    void Harmonics(int set);
    void Counters();
    void AnalogOutputs();

  private:
    CModbusInterface& client_;
    CMeasurandsKT2& store_;
    MonitorCommandState& state_;
    const std::atomic<bool>* running_;
};

void CommandRun::Identity() {
    // One read of the identification registers identifies the device and gives the store
    // its identity fields.
    uint16_t identification[kIdentificationRegisters] = {};
    client_.ReadHoldingRegisters(kDeviceIdRegister, kIdentificationRegisters, identification);
    state_.deviceType = DeviceTypeOfRegisters(identification);
    if (IsZcDevice(state_.deviceType) || Stopped()) return;
    state_.swapWords = ReadOne(kMeasuredWordOrderRegister) == 1;
    store_.supportInfo = ReadPair(kProtectionRegister);
    store_.SetIdentityRegisters(identification);
    store_.SetExtensionRegisters(&identification[kExtensionIdRegister - kDeviceIdRegister]);
    if (Stopped()) return;

    const int channel = EffectiveChannel(state_);
    const uint16_t unavailable =
        ReadOne(channel == 1 ? kVectorUnavailableRegister2 : kVectorUnavailableRegister);
    // A ZB input in loop-test mode reports test values instead of measuring: the monitor
    // says so for every input, also the one not shown.
    store_.loopTestChannels = 0;
    if (state_.deviceType.HasFeature(0, FAM_ZB)) {
        const int inputs = state_.deviceType.ioConfig[kIoMeasuringInputs] >= 2 ? 2 : 1;
        for (int c = 0; c < inputs && !Stopped(); ++c) {
            const uint16_t flag = c == channel ? unavailable
                                               : ReadOne(c == 1 ? kVectorUnavailableRegister2
                                                                : kVectorUnavailableRegister);
            if (flag != 0)
                store_.loopTestChannels = static_cast<uint16_t>(store_.loopTestChannels | 1 << c);
        }
    }
    if (unavailable != 0) {
        store_.phaseAngles.fill(0);
    } else {
        uint16_t angles[kPhaseAngleRegisters] = {};
        client_.ReadHoldingRegisters(channel == 1 ? kPhaseAngleRegister2 : kPhaseAngleRegister,
                                     kPhaseAngleRegisters, angles);
        for (int i = 0; i < kPhaseAngleRegisters; ++i)
            store_.phaseAngles[static_cast<std::size_t>(i)] = static_cast<int16_t>(angles[i]);
    }
    store_.wiringSystem = ReadOne(kWiringSystemRegister);
    if (unavailable != 0) {
        store_.ratedCurrent = 0;
        store_.ratedVoltage = 0;
        return;
    }
    Ratings(channel);
}

void CommandRun::Ratings(int channel) {
    switch (state_.deviceType.deviceId) {
        case 7811:
        case 7812:
        case 7813:
            store_.ratedCurrent = ReadOne(kMeterRatingRegister);
            store_.ratedVoltage = static_cast<int32_t>(ReadPair(kMeterRatingRegister + 1));
            break;
        case 7821: {
            const auto current = static_cast<int32_t>(ReadPair(kKt6RatedCurrentRegister)) / 1000;
            const auto voltage = static_cast<int32_t>(ReadPair(kKt6RatedVoltageRegister)) / 100;
            store_.ratedCurrent = current != 0 ? current : 1;
            store_.ratedVoltage = voltage != 0 ? voltage : 1;
            break;
        }
        case 7851: {
            const uint16_t sensor =
                ReadOne(channel == 1 ? kZbSensorTypeRegister2 : kZbSensorTypeRegister);
            if (sensor == 0) {
                store_.ratedCurrent =
                    ReadOne(channel == 1 ? kZbPrimaryCurrentRegister2 : kZbPrimaryCurrentRegister);
            } else if (sensor <= 5) {
                store_.ratedCurrent = kSensorRatings[sensor - 1];
            }
            store_.ratedVoltage = static_cast<int32_t>(ReadPair(kZbPrimaryVoltageRegister));
            if (store_.ratedCurrent == 0) store_.ratedCurrent = 1;
            if (store_.ratedVoltage == 0) store_.ratedVoltage = 1;
            break;
        }
        default:
            break;
    }
}

void CommandRun::Harmonics(int set) {
    if (set < 0 || set >= kHarmonicSetCount) return;
    client_.ReadHoldingRegisters(HarmonicSetRegister(set, EffectiveChannel(state_)),
                                 kHarmonicOrderCount,
                                 store_.harmonics[static_cast<std::size_t>(set)].data());
}

void CommandRun::Counters() {
    if (state_.deviceType.ioConfig[kIoCounters] != 0) {
        ReadList(CounterRegisterList());
        return;
    }
    for (int i = 0; i < kCounterCount; ++i)
        store_.SetValue(kIdxCounter1 + i, 0);
}

void CommandRun::AnalogOutputs() {
    const CDeviceType& type = state_.deviceType;
    if (type.ioConfig[kIoAnalogOutputs] == 0) {
        store_.analogOutputs.fill(0);
        store_.fixedOutputStatus = 0;
        return;
    }
    client_.ReadHoldingRegisters(kCounterRegister, kAnalogOutputLevels,
                                 store_.analogOutputs.data());
    const bool hasFixedOutput = type.deviceId == 7812 && type.version >= kFixedOutputFirmware;
    store_.fixedOutputStatus = hasFixedOutput && !Stopped() ? ReadOne(kFixedOutputRegister) : 0;
}

}  // namespace

bool IsZcDevice(const CDeviceType& type) {
    return type.HasFeature(0, FAM_ZC);
}

int EffectiveChannel(const MonitorCommandState& state) {
    return state.channel == 1 && state.deviceType.ioConfig[kIoMeasuringInputs] >= 2 ? 1 : 0;
}

void ExecuteMonitorCommand(CModbusInterface& client, CMeasurandsKT2& store,
                           MonitorCommandState& state, int command, int argument,
                           const std::atomic<bool>* running) {
    CommandRun run(client, store, state, running);
    if (run.Stopped()) return;
    switch (command) {
        case kCmdIdentity:
            run.Identity();
            break;
        case kCmdInstantaneous:
        case kCmdMaxima:
        case kCmdMinima:
        case kCmdEnergy1:
        case kCmdEnergy2:
        case kCmdThd:
            run.ReadList(MonitorRegisterList(command, EffectiveChannel(state)));
            break;
        case kCmdHarmonics:
            run.Harmonics(argument);
            break;
        case kCmdCounters:
            run.Counters();
            break;
        case kCmdAnalogOutputs:
            run.AnalogOutputs();
            break;
        default:
            break;
    }
}

}  // namespace voltaro
