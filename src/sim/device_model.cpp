#include "sim/device_model.h"

#include <algorithm>
#include <cstring>

#include "core/model/device_registers.h"
#include "core/model/parameter_blocks.h"
#include "core/model/parameter_image.h"
#include "core/model/parameter_words.h"
#include "core/model/settings_stocker.h"
#include "sim/device_clock.h"

namespace voltaro::sim {
namespace {

// Ratings (current and 32-bit voltage) that the meter monitor reads for the vector chart.
constexpr int kRatingsRegisters = 3;
// Measured values are brought up to date at most this often.
constexpr double kRefreshSeconds = 0.05;

// CT sensor types 1 to 5 of the multi-circuit series and their rated currents.
double SensorCurrent(int sensor, int primary) {
    static const int kRated[] = {0, 50, 100, 200, 400, 600};
    if (sensor >= 1 && sensor <= 5) return kRated[sensor];
    return primary > 0 ? primary : 5;
}

}  // namespace

void PutText(RegisterFile& regs, int address, int registers, const std::string& text) {
    for (int r = 0; r < registers; ++r) {
        const auto byteAt = [&](std::size_t i) -> uint16_t {
            return i < text.size() ? static_cast<uint8_t>(text[i]) : 0;
        };
        const std::size_t low = 2 * static_cast<std::size_t>(r);
        regs.Set(address + r, static_cast<uint16_t>(byteAt(low) | (byteAt(low + 1) << 8)));
    }
}

DeviceModel::DeviceModel(const SimulatorOptions& options) {
    ValidateOptions(options);
    const DeviceOptions& device = options.device;
    type_.SelectRow(device.row);
    zc_ = type_.HasFeature(0, FAM_ZC);
    swap_ = device.swap && !zc_;
    lenient_ = device.lenient;
    wiring_ = options.wiring;
    BuildIdentification(options);
    supportsPasscode_ = !(type_.deviceId == 7811 && type_.version <= 100);
    passcode_ = zc_ ? kZcPasscodeRegisters : kMeterPasscodeRegisters;
    protection_ = supportsPasscode_ ? device.passcode : 0;
    measured_ = MakeMeasuredValues(type_, swap_, options.seed);
    BuildParameters(options);
    regs_.Set32(passcode_.protection, protection_, zc_ ? false : swap_);
    BuildMap(options);
    start_ = std::chrono::steady_clock::now();
    clockOffset_ = HostWallClockOffset();
    RefreshLocked();
}

DeviceModel::~DeviceModel() = default;

void DeviceModel::BuildIdentification(const SimulatorOptions& options) {
    const DeviceOptions& device = options.device;
    const DeviceTypeRecord& record = *type_.Record();
    type_.version =
        static_cast<uint16_t>(device.version >= 0 ? device.version : DefaultVersion(device.row));
    if (device.alternateIo && record.ioConfigB[0] != 65535) {
        for (int i = 0; i < 5; ++i)
            type_.ioConfig[i] = record.ioConfigB[i];
    }
    regs_.Set(kDeviceIdRegister, type_.deviceId);
    regs_.Set(kFirmwareVersionRegister, type_.version);
    const std::string serial = device.serial.empty()
                                   ? "SIM" + std::to_string(100000 + device.row).substr(1)
                                   : device.serial;
    PutText(regs_, kSerialNumberRegister, 4, serial);
    PutText(regs_, kTagRegister, 8, device.tag);
    regs_.Set(kExtensionIdRegister, type_.extensionId);
    for (int i = 0; i < kIoConfigRegisters; ++i)
        regs_.Set(kIoConfigRegister + i, type_.ioConfig[i]);
    regs_.Set(kWordOrderRegister, swap_ ? 1 : 0);
    regs_.Set(kMeasuredWordOrderRegister, swap_ ? 1 : 0);
}

void DeviceModel::BuildParameters(const SimulatorOptions& options) {
    ParameterImage image = DefaultImageOfRow(options.device.row);
    if (swap_) image.words[kWordLongRegister] = 1;
    image.words[kWordConfigurationMode] = options.device.dip ? 0 : 1;
    const uint64_t features = type_.FeatureSet();
    for (const ParameterBlock& block : BlockTableFor(type_)) {
        if (!block.AppliesTo(features)) continue;
        for (int v = 0; v < block.count; ++v) {
            if (block.kind == 0) {
                regs_.Set(block.address + v, image.words[block.word + v]);
            } else {
                regs_.Set32(block.address + 2 * v, image.Get32(block.word + 2 * v), swap_);
            }
        }
    }
}

void DeviceModel::BuildMap(const SimulatorOptions& options) {
    map_.Add(kDeviceIdRegister, kIdentificationRegisters, kReadable);
    map_.Add(kTagRegister, 8, kWritable);
    map_.Add(kClockRegister, kClockRegisters, kReadWrite);
    map_.Add(kWordOrderRegister, 1, kReadable);
    const uint64_t features = type_.FeatureSet();
    // A download merges blocks up to the one that ends a group and writes the registers
    // between them as 0: the whole span of a group is writable.
    int groupStart = -1;
    for (const ParameterBlock& block : BlockTableFor(type_)) {
        if (!block.AppliesTo(features)) continue;
        if (block.word == kWordConfigurationMode) {
            groupStart = -1;
            continue;
        }
        if (groupStart < 0) groupStart = block.address;
        if (block.endsGroup) {
            map_.Add(groupStart, block.address + block.Registers() - groupStart, kReadWrite);
            groupStart = -1;
        }
    }
    for (const ParameterBlock& block : BlockTableFor(type_)) {
        if (!block.AppliesTo(features)) continue;
        const bool dipRegister = block.word == kWordConfigurationMode;
        map_.Add(block.address, block.Registers(), dipRegister ? kReadable : kReadWrite);
        if (!options.device.dip) continue;
        // Set by the DIP switches: these blocks cannot be written in DIP mode.
        if (SetByDipSwitches(block, zc_)) map_.RemoveWrite(block.address, block.Registers());
    }
    map_.Add(passcode_.entered, 2, kReadWrite);
    map_.Add(passcode_.unlock, 1, kReadWrite);
    map_.Add(passcode_.protection, 2, supportsPasscode_ ? kReadWrite : kReadable);
    if (!zc_) {
        map_.Add(kMeasuredWordOrderRegister, 1, kReadable);
        if (type_.deviceId == 7811 || type_.deviceId == 7812 || type_.deviceId == 7813) {
            map_.Add(kMeterRatingRegister, kRatingsRegisters, kReadable);
        }
    }
    measured_->AddRanges(map_);
}

double DeviceModel::ModelSeconds() const {
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    return std::chrono::duration<double>(elapsed).count() + advanced_;
}

std::time_t DeviceModel::DeviceTime() const {
    return static_cast<std::time_t>(static_cast<double>(std::time(nullptr)) + clockOffset_ +
                                    advanced_);
}

MeasuringSetup DeviceModel::Setup() const {
    MeasuringSetup setup;
    const auto table = BlockTableFor(type_);
    const auto word = [&](int imageWord) { return regs_.Get(RegisterOfWord(table, imageWord)); };
    const auto inputCurrent = [&](int input) {
        return SensorCurrent(word(CtSensorWord(input)), word(PrimaryCurrentWord(input)));
    };
    setup.wiringSystem = word(kWordSystem);
    setup.wiring = wiring_;
    setup.singlePhaseOnL3 = type_.deviceId == 7821;
    setup.primaryVoltage = regs_.Get32(RegisterOfWord(table, kWordPrimaryVoltage), swap_);
    setup.demandMinutesCurrent = word(kWordCurrentDemand);
    setup.demandMinutesPower = word(kWordPowerDemand);
    if (zc_) {
        for (int input = 1; input <= kInputCount; ++input)
            setup.primaryCurrent[input - 1] = inputCurrent(input);
    } else {
        const bool zb = type_.HasFeature(0, FAM_ZB);
        setup.primaryCurrent[0] =
            zb ? inputCurrent(1) : std::max<int>(1, word(kWordPrimaryCurrent));
        setup.primaryCurrent[1] = inputCurrent(2);
        setup.tariffs = word(kWordTariff) != 0;
    }
    if (setup.primaryVoltage <= 0) setup.primaryVoltage = 110;
    return setup;
}

void DeviceModel::RefreshLocked() {
    const double now = ModelSeconds();
    if (lastRefresh_ >= 0 && now - lastRefresh_ < kRefreshSeconds) return;
    lastRefresh_ = now;
    const std::tm clock = BreakDown(DeviceTime());
    measured_->Refresh(regs_, Setup(), now, clock);
    if (!zc_ && map_.Access(kMeterRatingRegister) &&
        (map_.Access(kMeterRatingRegister) & kWritable) == 0) {
        // Ratings of the types whose bargraph block does not hold them.
        const auto table = MeterBlockTable();
        regs_.Set(kMeterRatingRegister, regs_.Get(RegisterOfWord(table, kWordPrimaryCurrent)));
        regs_.Set32(kMeterRatingRegister + 1,
                    regs_.Get32(RegisterOfWord(table, kWordPrimaryVoltage), swap_), swap_);
    }
}

uint8_t DeviceModel::Read(int address, int count, uint16_t* out) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (int a = address; a < address + count; ++a) {
        if (a >= kRegisterCount) return kIllegalAddress;
        if ((map_.Access(a) & kReadable) == 0 && !lenient_) return kIllegalAddress;
    }
    RefreshLocked();
    if (Overlaps(address, count, kClockRegister, kClockRegisters)) {
        EncodeClock(BreakDown(DeviceTime()), regs_);
    }
    for (int i = 0; i < count; ++i) {
        const int a = address + i;
        uint16_t value = map_.Access(a) == kNoAccess ? 0 : regs_.Get(a);
        if (a == passcode_.entered || a == passcode_.entered + 1) {
            // The entered passcode is never shown; a device with the feature reads all ones.
            value = supportsPasscode_ ? 0xFFFF : 0;
        } else if (a == passcode_.unlock) {
            value = unlockState_;
        }
        out[i] = value;
    }
    return 0;
}

uint8_t DeviceModel::WriteClock(int address, int count, const uint16_t* values) {
    uint16_t words[kClockRegisters];
    EncodeClock(BreakDown(DeviceTime()), regs_);
    for (int r = 0; r < kClockRegisters; ++r)
        words[r] = regs_.Get(kClockRegister + r);
    for (int i = 0; i < count; ++i) {
        const int r = address + i - kClockRegister;
        if (r >= 0 && r < kClockRegisters) words[r] = values[i];
    }
    std::tm target{};
    if (!DecodeClock(words, target)) return kIllegalValue;
    clockOffset_ =
        static_cast<double>(timegm(&target)) - static_cast<double>(std::time(nullptr)) - advanced_;
    return 0;
}

uint8_t DeviceModel::Write(int address, int count, const uint16_t* values) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (address + count > kRegisterCount) return kIllegalAddress;
    for (int a = address; a < address + count; ++a) {
        const uint8_t access = map_.Access(a);
        if ((access & kWritable) == 0 && !(lenient_ && access == kNoAccess)) {
            return kIllegalAddress;
        }
    }
    const bool onlyPasscodeEntry = address >= passcode_.entered &&
                                   address + count <= passcode_.unlock + 1 &&
                                   passcode_.unlock == passcode_.entered + 2;
    const bool measuredFree =
        measured_->Owns(address, count) && !measured_->NeedsUnlock(address, count);
    if (Protected() && !Unlocked() && !onlyPasscodeEntry && !measuredFree) {
        return kDeviceFailure;
    }
    if (Overlaps(address, count, passcode_.protection, 2) && !Unlocked()) return kDeviceFailure;
    // Meters and ZB types take maintenance writes (resets, loop-test flags and values,
    // energy presets) only after the unlock command, protected or not.
    if (!zc_ && measured_->Owns(address, count) && !measuredFree && !Unlocked())
        return kDeviceFailure;
    return WriteSpecial(address, count, values);
}

uint8_t DeviceModel::WriteSpecial(int address, int count, const uint16_t* values) {
    RefreshLocked();
    const bool pairOrder = zc_ ? false : swap_;
    // Check every value first, so that a refused request changes nothing.
    if (Overlaps(address, count, passcode_.unlock, 1)) {
        const uint16_t code = values[passcode_.unlock - address];
        if (code > 2) return kIllegalValue;
    }
    if (Overlaps(address, count, passcode_.protection, 2)) {
        RegisterFile copy;
        for (int r = 0; r < 2; ++r)
            copy.Set(r, regs_.Get(passcode_.protection + r));
        for (int i = 0; i < count; ++i) {
            const int r = address + i - passcode_.protection;
            if (r == 0 || r == 1) copy.Set(r, values[i]);
        }
        if (copy.Get32(0, pairOrder) > 999999999u) return kIllegalValue;
    }
    if (Overlaps(address, count, kClockRegister, kClockRegisters)) {
        const uint8_t result = WriteClock(address, count, values);
        if (result != 0) return result;
    }
    if (measured_->Owns(address, count)) {
        const uint8_t result = measured_->Write(regs_, address, count, values);
        if (result != 0) return result;
        lastRefresh_ = -1;  // commands show their effect at once
    }
    for (int i = 0; i < count; ++i) {
        const int a = address + i;
        if (Overlaps(a, 1, kClockRegister, kClockRegisters) || measured_->Owns(a, 1)) continue;
        regs_.Set(a, values[i]);
    }
    if (Overlaps(address, count, passcode_.entered, 2)) {
        entered_ = regs_.Get32(passcode_.entered, pairOrder);
    }
    if (Overlaps(address, count, passcode_.protection, 2)) {
        protection_ = regs_.Get32(passcode_.protection, pairOrder);
    }
    if (Overlaps(address, count, passcode_.unlock, 1)) {
        const uint16_t code = values[passcode_.unlock - address];
        unlockState_ = (code != 0 && (!Protected() || entered_ == protection_)) ? code : 0;
    }
    RefreshLocked();
    return 0;
}

std::vector<uint16_t> DeviceModel::Peek(int address, int count) {
    std::lock_guard<std::mutex> lock(mutex_);
    RefreshLocked();
    if (Overlaps(address, count, kClockRegister, kClockRegisters))
        EncodeClock(BreakDown(DeviceTime()), regs_);
    std::vector<uint16_t> values(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        values[static_cast<std::size_t>(i)] = regs_.Get(address + i);
    return values;
}

void DeviceModel::Poke(int address, const std::vector<uint16_t>& values) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (std::size_t i = 0; i < values.size(); ++i) {
        regs_.Set(address + static_cast<int>(i), values[i]);
    }
}

void DeviceModel::AdvanceTime(double seconds) {
    std::lock_guard<std::mutex> lock(mutex_);
    // In steps of at most a minute, so that hours, tariffs and demand intervals that the
    // jump crosses are seen as they pass.
    while (seconds > 0) {
        const double step = std::min(seconds, 60.0);
        advanced_ += step;
        seconds -= step;
        lastRefresh_ = -1;
        RefreshLocked();
    }
}

}  // namespace voltaro::sim
