#include "sim/zc_values.h"

#include <algorithm>
#include <cmath>

#include "sim/device_clock.h"

namespace voltaro::sim {
namespace {

constexpr int kCurrents = 64;  // + 32 a: present, maximum (+10), minimum (+20)
constexpr int kPowers = 576;   // + 96 a: present, maximum (+32), minimum (+64)
constexpr int kDemand = 2115;  // + 144 a
constexpr int kDemandPower = 2128;
constexpr int kDemandMax = 2140;  // + 144 a + 5 j: value and three BCD time-stamp words
constexpr int kDemandMin = 2195;
constexpr int kThdVoltage = 6464;
constexpr int kThdCurrent = 6480;  // + 8 a
constexpr int kResetRegister = 8995;
constexpr int kLoopFlags = 9136;
constexpr int kEnergyRegisters = 58;
constexpr int kModuleOffset = 1024;
constexpr uint16_t kResetBits = 0x1FFF;

int VoltageHarmonics(int set) {
    return (409 + set) * 16;
}  // sets 4-9
int CurrentHarmonics(int set, int a) {
    return (419 + set + 4 * a) * 16;
}  // sets 0-3

}  // namespace

int ZcValues::EnergyBlock(int k) {
    const int base = k % 8;
    return 4416 + 64 * (base % 2) + 256 * (base / 2) + (k >= 8 ? kModuleOffset : 0);
}

void ZcValues::Extremes::Follow(const int32_t* values, int first, int count) {
    if (max.size() < static_cast<std::size_t>(first + count)) {
        max.resize(static_cast<std::size_t>(first + count));
        min.resize(max.size());
    }
    for (int i = first; i < first + count; ++i) {
        const auto u = static_cast<std::size_t>(i);
        max[u] = valid ? std::max(max[u], values[i]) : values[i];
        min[u] = valid ? std::min(min[u], values[i]) : values[i];
    }
}

void ZcValues::Extremes::Restart(int first, int count) {
    for (int i = first; i < first + count && i < static_cast<int>(max.size()); ++i) {
        max[static_cast<std::size_t>(i)] = INT32_MIN;
        min[static_cast<std::size_t>(i)] = INT32_MAX;
    }
}

ZcValues::ZcValues(const CDeviceType& type, uint64_t seed)
    : seed_(seed),
      channels_(type.ioConfig[3] == 16 ? 16 : 8),
      counts_(type.ioConfig[4] == 8),
      state_(static_cast<std::size_t>(channels_)),
      area_(kRegisterCount, kNone),
      areaChannel_(kRegisterCount, 0) {
    Mark(0, 16, kCommon, 0);
    for (int a = 0; a < channels_; ++a) {
        Mark(kCurrents + 32 * a, 10, kChannelValues, a);
        Mark(kPowers + 96 * a, 32, kChannelValues, a);
        Mark(EnergyBlock(a), kEnergyRegisters, kEnergy, a);
        Mark(kResetRegister + a, 1, kReset, a);
        Mark(kLoopFlags + a, 1, kLoopFlag, a);
    }
    if (counts_) {
        for (int k = 0; k < 8; ++k) {
            Mark(EnergyBlock(k) + kModuleOffset, kEnergyRegisters, kCounts, k);
            Mark(kResetRegister + 8 + k, 1, kCountReset, k);
        }
    }
}

void ZcValues::Mark(int first, int count, Area area, int channel) {
    for (int r = first; r < first + count; ++r) {
        area_[r] = area;
        areaChannel_[r] = static_cast<uint8_t>(channel);
    }
}

void ZcValues::AddRanges(RegisterMap& map) const {
    map.Add(0, 48, kReadable);
    map.Add(0, 16, kWritable);
    for (int a = 0; a < channels_; ++a) {
        map.Add(kCurrents + 32 * a, 30, kReadable);
        map.Add(kCurrents + 32 * a, 10, kWritable);
        map.Add(kPowers + 96 * a, 96, kReadable);
        map.Add(kPowers + 96 * a, 32, kWritable);
        map.Add(kDemand + 144 * a, 120, kReadable);
        map.Add(EnergyBlock(a), kEnergyRegisters, kReadWrite);
        map.Add(kThdCurrent + 8 * a, 8, kReadable);
        for (int set = 0; set < 4; ++set)
            map.Add(CurrentHarmonics(set, a), 15, kReadable);
        map.Add(kResetRegister + a, 1, kReadWrite);
        map.Add(kLoopFlags + a, 1, kReadWrite);
    }
    if (counts_) {
        for (int k = 0; k < 8; ++k) {
            map.Add(EnergyBlock(k) + kModuleOffset, kEnergyRegisters, kReadWrite);
            map.Add(kResetRegister + 8 + k, 1, kReadWrite);
        }
    }
    map.Add(kThdVoltage, 14, kReadable);
    for (int set = 4; set < kHarmonicSets; ++set)
        map.Add(VoltageHarmonics(set), 15, kReadable);
}

bool ZcValues::Owns(int address, int count) const {
    for (int r = std::max(address, 0); r < std::min(address + count, kRegisterCount); ++r) {
        if (area_[r] != kNone) return true;
    }
    return false;
}

bool ZcValues::NeedsUnlock(int address, int count) const {
    // The preset of the power management monitor writes energies and counts directly.
    for (int r = address; r < address + count; ++r) {
        if (area_[r] != kEnergy && area_[r] != kCounts) return true;
    }
    return false;
}

void ZcValues::WriteStamped(RegisterFile& regs, int address, int32_t value, const std::tm& clock) {
    regs.Set32(address, static_cast<uint32_t>(value), false);
    EncodeClock(clock, regs);  // the clock words double as the time stamp
    for (int r = 0; r < 3; ++r)
        regs.Set(address + 2 + r, regs.Get(kClockRegister + r));
}

void ZcValues::Refresh(RegisterFile& regs, const MeasuringSetup& setup, double seconds,
                       const std::tm& clock) {
    const double dt = lastSeconds_ < 0 ? 0 : std::max(0.0, seconds - lastSeconds_);
    lastSeconds_ = seconds;
    lastClock_ = clock;
    ElectricalValues first{};
    for (int a = 0; a < channels_; ++a) {
        const ElectricalValues v = Measure(setup, a, seconds, seed_);
        if (a == 0) first = v;
        RefreshChannel(regs, a, v, dt, setup, clock);
    }
    int32_t common[8];
    for (int k = 0; k < 3; ++k) {
        common[k] = Centi(first.lineVoltage[k]);
        common[3 + k] = Centi(first.phaseVoltage[k]);
    }
    common[6] = Centi(first.voltageSum);
    common[7] = Centi(first.frequency);
    if (!state_[0].loopTest) {
        for (int i = 0; i < 8; ++i)
            regs.Set32(2 * i, static_cast<uint32_t>(common[i]), false);
    }
    common_.Follow(common, 0, 8);
    common_.valid = true;
    for (int i = 0; i < 8; ++i) {
        regs.Set32(16 + 2 * i, static_cast<uint32_t>(common_.max[static_cast<std::size_t>(i)]),
                   false);
        regs.Set32(32 + 2 * i, static_cast<uint32_t>(common_.min[static_cast<std::size_t>(i)]),
                   false);
    }
    // Voltage THD (16-bit registers): present 6464-6469, maxima 6472-6477.
    const int voltageSets[6] = {4, 5, 6, 7, 8, 9};
    for (int i = 0; i < 6; ++i) {
        const auto thd = static_cast<int32_t>(std::lround(first.thd[voltageSets[i]]));
        thdVoltageMax_[i] = thdVoltageValid_ ? std::max(thdVoltageMax_[i], thd) : thd;
        regs.Set(kThdVoltage + i, static_cast<uint16_t>(thd));
        regs.Set(kThdVoltage + 8 + i, static_cast<uint16_t>(thdVoltageMax_[i]));
        for (int k = 0; k < 15; ++k) {
            regs.Set(VoltageHarmonics(voltageSets[i]) + k,
                     static_cast<uint16_t>(std::lround(first.harmonics[voltageSets[i]][k])));
        }
    }
    thdVoltageValid_ = true;
}

void ZcValues::RefreshChannel(RegisterFile& regs, int a, const ElectricalValues& v, double dt,
                              const MeasuringSetup& setup, const std::tm& clock) {
    ChannelState& st = state_[static_cast<std::size_t>(a)];
    int32_t currents[5] = {Milli(v.current[0]), Milli(v.current[1]), Milli(v.current[2]),
                           Milli(v.current[3]), Milli(v.currentSum)};
    int32_t powers[16];
    for (int k = 0; k < 3; ++k) {
        powers[k] = Whole(v.active[k]);
        powers[4 + k] = Whole(v.reactive[k]);
        powers[8 + k] = Whole(v.apparent[k]);
        powers[12 + k] = PowerFactorUnits(v.powerFactor[k]);
    }
    powers[3] = Whole(v.activeSum);
    powers[7] = Whole(v.reactiveSum);
    powers[11] = Whole(v.apparentSum);
    powers[15] = PowerFactorUnits(v.powerFactorSum);
    const int cur = kCurrents + 32 * a, pow = kPowers + 96 * a;
    if (!st.loopTest) {
        for (int i = 0; i < 5; ++i)
            regs.Set32(cur + 2 * i, static_cast<uint32_t>(currents[i]), false);
        for (int i = 0; i < 16; ++i)
            regs.Set32(pow + 2 * i, static_cast<uint32_t>(powers[i]), false);
    }
    st.currents.Follow(currents, 0, 5);
    st.powers.Follow(powers, 0, 16);
    st.currents.valid = st.powers.valid = true;
    for (int i = 0; i < 5; ++i) {
        regs.Set32(cur + 10 + 2 * i,
                   static_cast<uint32_t>(st.currents.max[static_cast<std::size_t>(i)]), false);
        regs.Set32(cur + 20 + 2 * i,
                   static_cast<uint32_t>(st.currents.min[static_cast<std::size_t>(i)]), false);
    }
    for (int i = 0; i < 16; ++i) {
        regs.Set32(pow + 32 + 2 * i,
                   static_cast<uint32_t>(st.powers.max[static_cast<std::size_t>(i)]), false);
        regs.Set32(pow + 64 + 2 * i,
                   static_cast<uint32_t>(st.powers.min[static_cast<std::size_t>(i)]), false);
    }
    // Demand with time-stamped maxima and minima.
    const double values[8] = {v.currentSum, v.current[0], v.current[1],  v.current[2],
                              v.current[3], v.activeSum,  v.reactiveSum, v.apparentSum};
    for (int j = 0; j < 8; ++j) {
        const int minutes = j < 5 ? setup.demandMinutesCurrent : setup.demandMinutesPower;
        const double tau = 60.0 * (minutes > 0 ? minutes : 30) / 3.0;
        st.demand[static_cast<std::size_t>(j)] +=
            (values[j] - st.demand[static_cast<std::size_t>(j)]) * (1.0 - std::exp(-dt / tau));
    }
    const int record = 144 * a;
    for (int j = 0; j < 8; ++j) {
        const double d = st.demand[static_cast<std::size_t>(j)];
        const int32_t units = j < 5 ? Milli(d) : Whole(d);
        const int address = j < 5 ? kDemand + record + 2 * j : kDemandPower + record + 2 * (j - 5);
        regs.Set32(address, static_cast<uint32_t>(units), false);
        auto& mx = st.maxDemand[static_cast<std::size_t>(j)];
        auto& mn = st.minDemand[static_cast<std::size_t>(j)];
        if (!st.demandValid || units > mx) {
            mx = units;
            WriteStamped(regs, kDemandMax + record + 5 * j, mx, clock);
        }
        if (!st.demandValid || units < mn) {
            mn = units;
            WriteStamped(regs, kDemandMin + record + 5 * j, mn, clock);
        }
    }
    st.demandValid = true;
    // THD and spectra of the channel's currents.
    for (int set = 0; set < 4; ++set) {
        const auto thd = static_cast<int32_t>(std::lround(v.thd[set]));
        st.thdMax[set] = std::max(st.thdMax[set], thd);
        regs.Set(kThdCurrent + 8 * a + set, static_cast<uint16_t>(thd));
        regs.Set(kThdCurrent + 8 * a + 4 + set, static_cast<uint16_t>(st.thdMax[set]));
        for (int k = 0; k < 15; ++k) {
            regs.Set(CurrentHarmonics(set, a) + k,
                     static_cast<uint16_t>(std::lround(v.harmonics[set][k])));
        }
    }
    // Energies (0.1 kWh) with today's hourly values; slot 3 is the hour in progress.
    const int block = EnergyBlock(a);
    if (st.hour < 0) FillPastHours(regs, a, v, clock);
    if (st.hour != clock.tm_hour) {
        st.hour = clock.tm_hour;
        st.hours[static_cast<std::size_t>(st.hour)] = 0;
        st.countHours[static_cast<std::size_t>(st.hour)] = 0;
    }
    const double energy[2] = {std::max(0.0, v.activeSum) * dt / 360000.0,
                              std::max(0.0, v.reactiveSum) * dt / 360000.0};
    for (int e = 0; e < 2; ++e) {
        st.pending[e] += energy[e];
        const double whole = std::floor(st.pending[e]);
        st.pending[e] -= whole;
        const int address = block + 2 * e;
        regs.Set32(address, regs.Get32(address, false) + static_cast<uint32_t>(whole), false);
    }
    st.hours[static_cast<std::size_t>(st.hour)] += energy[0];
    regs.Set32(block + 6, static_cast<uint32_t>(st.hours[static_cast<std::size_t>(st.hour)]),
               false);
    for (int h = 0; h < 24; ++h) {
        regs.Set32(block + 10 + 2 * h, static_cast<uint32_t>(st.hours[static_cast<std::size_t>(h)]),
                   false);
    }
    if (counts_ && a < 8) {
        // Discrete-input counts of the extension module, in the same layout.
        const int counts = block + kModuleOffset;
        const double pulses = dt * 0.1 * (a + 1);
        st.countPending += pulses;
        const double whole = std::floor(st.countPending);
        st.countPending -= whole;
        regs.Set32(counts, regs.Get32(counts, false) + static_cast<uint32_t>(whole), false);
        st.countHours[static_cast<std::size_t>(st.hour)] += pulses;
        regs.Set32(counts + 6,
                   static_cast<uint32_t>(st.countHours[static_cast<std::size_t>(st.hour)]), false);
        for (int h = 0; h < 24; ++h) {
            regs.Set32(counts + 10 + 2 * h,
                       static_cast<uint32_t>(st.countHours[static_cast<std::size_t>(h)]), false);
        }
    }
}

// A device that has just been switched on here has been measuring before: every hour of
// the table holds the energy of the channel's present load, a few per cent more or less
// per hour (the same for the same seed), the hour in progress the share that has passed,
// and the totals at least what the table adds up to. The counts of the discrete inputs
// likewise at their pulse rate.
void ZcValues::FillPastHours(RegisterFile& regs, int a, const ElectricalValues& v,
                             const std::tm& clock) {
    constexpr int kHourSlot = 1000;  // noise slots of the hours, clear of Measure's
    constexpr double kVariation = 0.15;
    constexpr double kTenthsPerWattHour = 1.0 / 100.0;  // 0.1 kWh units from W over an hour
    ChannelState& st = state_[static_cast<std::size_t>(a)];
    const double passed = (clock.tm_min * 60 + clock.tm_sec) / 3600.0;
    const double rates[2] = {std::max(0.0, v.activeSum) * kTenthsPerWattHour,
                             std::max(0.0, v.reactiveSum) * kTenthsPerWattHour};
    const double pulsesPerHour = 3600.0 * 0.1 * (a + 1);
    double share = 0;  // hours of the present load that the table holds
    for (int h = 0; h < 24; ++h) {
        const double part =
            h == clock.tm_hour ? passed : 1.0 + kVariation * Noise(seed_, a, kHourSlot + h, 0);
        st.hours[static_cast<std::size_t>(h)] = rates[0] * part;
        st.countHours[static_cast<std::size_t>(h)] = pulsesPerHour * part;
        share += part;
    }
    st.hour = clock.tm_hour;
    const int block = EnergyBlock(a);
    for (int e = 0; e < 2; ++e) {
        const double total = std::floor(rates[e] * share);
        regs.Set32(block + 2 * e, regs.Get32(block + 2 * e, false) + static_cast<uint32_t>(total),
                   false);
    }
    if (counts_ && a < 8) {
        const int counts = block + kModuleOffset;
        const double total = std::floor(pulsesPerHour * share);
        regs.Set32(counts, regs.Get32(counts, false) + static_cast<uint32_t>(total), false);
    }
}

void ZcValues::Reset(RegisterFile& regs, int channel, uint16_t bits) {
    ChannelState& st = state_[static_cast<std::size_t>(channel)];
    const int block = EnergyBlock(channel);
    if (bits & 1) {
        regs.Set32(block, 0, false);
        regs.Set32(block + 2, 0, false);
        st.pending[0] = st.pending[1] = 0;
    }
    if (bits & 2) st.hours = {};
    if (bits & 4) std::fill(st.demand.begin(), st.demand.begin() + 5, 0.0);
    if (bits & 8) std::fill(st.demand.begin() + 5, st.demand.end(), 0.0);
    if (bits & 16) common_.Restart(0, 7);
    if (bits & 32) st.currents.Restart(0, 5);
    if (bits & 64) st.powers.Restart(0, 12);
    if (bits & 128) st.powers.Restart(12, 4);
    if (bits & 256) common_.Restart(7, 1);
    if (bits & (512 | 1024)) st.demandValid = false;  // restart at the next refresh
    if (bits & 2048) thdVoltageValid_ = false;
    if (bits & 4096) std::fill(std::begin(st.thdMax), std::end(st.thdMax), 0);
}

// The reset register of a discrete input: 1 its count, 2 its hourly counts.
void ZcValues::ResetCounts(RegisterFile& regs, int input, uint16_t bits) {
    ChannelState& st = state_[static_cast<std::size_t>(input)];
    if (bits & 1) {
        regs.Set32(EnergyBlock(input) + kModuleOffset, 0, false);
        st.countPending = 0;
    }
    if (bits & 2) st.countHours = {};
}

uint8_t ZcValues::Check(int address, uint16_t value) const {
    const int a = areaChannel_[address];
    switch (area_[address]) {
        case kCommon:
            return state_[0].loopTest ? 0 : kDeviceFailure;
        case kChannelValues:
            return state_[static_cast<std::size_t>(a)].loopTest ? 0 : kDeviceFailure;
        case kReset:
        case kCountReset:
            return (value & ~kResetBits) == 0 ? 0 : kIllegalValue;
        case kLoopFlag:
            return value <= 1 ? 0 : kIllegalValue;
        default:
            return 0;
    }
}

uint8_t ZcValues::Write(RegisterFile& regs, int address, int count, const uint16_t* values) {
    for (int i = 0; i < count; ++i) {
        if (area_[address + i] == kNone) continue;
        const uint8_t result = Check(address + i, values[i]);
        if (result != 0) return result;
    }
    for (int i = 0; i < count; ++i) {
        const int r = address + i;
        const int a = areaChannel_[r];
        switch (area_[r]) {
            case kNone:
                break;
            case kReset:
                Reset(regs, a, values[i]);
                regs.Set(r, 0);
                break;
            case kCountReset:
                ResetCounts(regs, a, values[i]);
                regs.Set(r, 0);
                break;
            case kLoopFlag:
                state_[static_cast<std::size_t>(a)].loopTest = values[i] == 1;
                regs.Set(r, values[i]);
                break;
            default:
                regs.Set(r, values[i]);
        }
    }
    return 0;
}

}  // namespace voltaro::sim
