#include "sim/meter_values.h"

#include <algorithm>
#include <cmath>

#include "core/model/device_registers.h"
#include "core/model/parameter_blocks.h"
#include "core/model/parameter_words.h"
#include "sim/zc_values.h"

namespace voltaro::sim {
namespace {

constexpr int kResetMainRegister = 5329;
constexpr int kResetSecondRegister = 5337;

// The 33 instantaneous values in register order (0-15, then 32-81).
std::array<int32_t, 33> Instantaneous(const ElectricalValues& v) {
    std::array<int32_t, 33> r{};
    r[0] = Milli(v.currentSum);
    r[1] = Centi(v.voltageSum);
    r[2] = Whole(v.activeSum);
    r[3] = Whole(v.reactiveSum);
    r[4] = Whole(v.apparentSum);
    r[5] = PowerFactorUnits(v.powerFactorSum);
    r[6] = Centi(v.frequency);
    r[7] = v.reactiveSum < 0 ? 1 : 0;
    for (int k = 0; k < 4; ++k)
        r[8 + k] = Milli(v.current[k]);
    for (int k = 0; k < 3; ++k) {
        r[12 + k] = Centi(v.lineVoltage[k]);
        r[15 + k] = Centi(v.phaseVoltage[k]);
        r[18 + k] = Whole(v.active[k]);
        r[21 + k] = Whole(v.reactive[k]);
        r[24 + k] = Whole(v.apparent[k]);
        r[27 + k] = PowerFactorUnits(v.powerFactor[k]);
        r[30 + k] = v.reactive[k] < 0 ? 1 : 0;
    }
    return r;
}

int InstantRegister(int offset, int index) {
    return offset + (index < 8 ? 2 * index : 32 + 2 * (index - 8));
}

}  // namespace

std::unique_ptr<MeasuredValues> MakeMeasuredValues(const CDeviceType& type, bool highFirst,
                                                   uint64_t seed) {
    if (type.HasFeature(0, FAM_ZC)) return std::make_unique<ZcValues>(type, seed);
    return std::make_unique<MeterValues>(type, highFirst, seed);
}

MeterValues::MeterValues(const CDeviceType& type, bool highFirst, uint64_t seed)
    : type_(type),
      highFirst_(highFirst),
      seed_(seed),
      zb_(type.HasFeature(0, FAM_ZB)),
      counters_(type.ioConfig[4]),
      analogOutputs_(type.HasFeature(FEAT_AO1 | FEAT_AO2 | FEAT_AO3 | FEAT_AO4, 0)),
      area_(kRegisterCount, kNone),
      areaChannel_(kRegisterCount, 0) {
    const int inputs = zb_ && type.ioConfig[3] >= 2 ? 2 : 1;
    for (int c = 0; c < inputs; ++c) {
        Channel ch;
        if (c == 1) {
            ch.offset = kSecondInputOffset;
            ch.maxBase = 2768;
            ch.thd = 8280;
            ch.harmonics = 8536;
            ch.flag = kVectorUnavailableRegister2;
            ch.angles = kPhaseAngleRegister2;
        }
        channels_.push_back(ch);
        if (zb_) {
            MarkArea(ch.offset, 16, kInstant, c);
            MarkArea(ch.offset + 32, 50, kInstant, c);
            MarkArea(ch.flag, 1, kLoopFlag, c);
        }
        MarkArea(ch.offset + 128, 128, kEnergy, c);
    }
    MarkArea(kResetMainRegister, 1, kResetMain, 0);
    if (zb_) MarkArea(kResetSecondRegister, 1, kResetSecond, 1);
    if (counters_ > 0) MarkArea(kCounterRegister, 2 * counters_, kCounter, 0);
    if (analogOutputs_) MarkArea(kCounterRegister, 4, kAnalogOut, 0);
    if (analogOutputs_ || counters_ == 8) MarkArea(kFixedOutputRegister, 1, kResetFixed, 0);
}

void MeterValues::MarkArea(int first, int count, Area area, int channel) {
    for (int a = first; a < first + count; ++a) {
        area_[a] = area;
        areaChannel_[a] = static_cast<uint8_t>(channel);
    }
}

void MeterValues::AddRanges(RegisterMap& map) const {
    for (const Channel& ch : channels_) {
        const uint8_t instant = zb_ ? kReadWrite : kReadable;
        map.Add(ch.offset, 16, instant);
        map.Add(ch.offset + 32, 50, instant);
        map.Add(ch.offset + 128, 128, kReadWrite);  // energies and fractions (presets)
        map.Add(ch.offset + 256, 80, kReadable);    // current demand and history
        map.Add(ch.offset + 512, 80, kReadable);    // power demand and history
        map.Add(ch.maxBase, 256, kReadable);        // maxima, maximum THD and demand, minima
        map.Add(ch.thd, 20, kReadable);
        for (int set = 0; set < kHarmonicSets; ++set) {
            map.Add(ch.harmonics + 64 * set, kHarmonicOrders, kReadable);
        }
        map.Add(ch.flag, 1, zb_ ? kReadWrite : kReadable);
        map.Add(ch.angles, 6, kReadable);
    }
    map.Add(kResetMainRegister, 1, kReadWrite);
    if (zb_) map.Add(kResetSecondRegister, 1, kReadWrite);
    if (counters_ > 0)
        map.Add(kCounterRegister, 16, kReadable),
            map.Add(kCounterRegister, 2 * counters_, kWritable);
    if (analogOutputs_) map.Add(kCounterRegister, 4, kReadWrite);
    if (analogOutputs_ || counters_ == 8) map.Add(kFixedOutputRegister, 1, kReadWrite);
}

bool MeterValues::Owns(int address, int count) const {
    for (int a = std::max(address, 0); a < std::min(address + count, kRegisterCount); ++a) {
        if (area_[a] != kNone) return true;
    }
    return false;
}

bool MeterValues::NeedsUnlock(int address, int count) const {
    for (int a = address; a < address + count; ++a) {
        if (a < 0 || a >= kRegisterCount || area_[a] != kCounter) return true;
    }
    return false;
}

void MeterValues::AddEnergy(RegisterFile& regs, int address, double tenths) {
    const auto whole = static_cast<int64_t>(regs.GetSigned32(address, highFirst_));
    const uint32_t fraction = regs.Get32(address + 64, highFirst_);
    // Unsigned arithmetic: a counter preset near its end wraps round as the device's
    // 32-bit register does, instead of overflowing.
    uint64_t fixed = (static_cast<uint64_t>(whole) << 32) + fraction;
    fixed += static_cast<uint64_t>(std::llround(tenths * 4294967296.0));
    regs.Set32(address, static_cast<uint32_t>(fixed >> 32), highFirst_);
    regs.Set32(address + 64, static_cast<uint32_t>(fixed & 0xFFFFFFFFll), highFirst_);
}

void MeterValues::Refresh(RegisterFile& regs, const MeasuringSetup& setup, double seconds,
                          const std::tm& clock) {
    const double dt = lastSeconds_ < 0 ? 0 : std::max(0.0, seconds - lastSeconds_);
    // A meter switched on here has counted its load before: the first refresh adds 200 to
    // 400 hours of it (the same for the same seed) to the energies and the operating time.
    constexpr int kPastSlot = 2000;  // a noise slot clear of Measure's
    const double past =
        lastSeconds_ < 0 ? 3600.0 * (300.0 + 100.0 * Noise(seed_, 0, kPastSlot, 0)) : 0.0;
    lastSeconds_ = seconds;
    for (std::size_t c = 0; c < channels_.size(); ++c) {
        const ElectricalValues v = Measure(setup, static_cast<int>(c), seconds, seed_);
        RefreshChannel(regs, channels_[c], v, dt, dt + past, setup, seconds, clock);
        if (c == 0 && analogOutputs_ && !aoLoopTest_) {
            for (int out = 0; out < kAnalogOutputCount; ++out) {
                const auto level = [&](int setting) {
                    const int word = AnalogOutputWord(out, setting);
                    return static_cast<double>(
                        static_cast<int16_t>(regs.Get(RegisterOfWord(MeterBlockTable(), word))));
                };
                const double low = level(kAoOutputZero);
                const double high = level(kAoOutputFull);
                const double share = std::clamp(v.loadFraction[out % 3], 0.0, 1.0);
                regs.Set(kCounterRegister + out,
                         static_cast<uint16_t>(Whole(low + (high - low) * share)));
            }
        }
    }
    for (int k = 0; k < counters_; ++k) {
        counterFraction_[k] += dt * 0.2 * (k + 1);
        const double whole = std::floor(counterFraction_[k]);
        counterFraction_[k] -= whole;
        const int address = kCounterRegister + 2 * k;
        regs.Set32(address, regs.Get32(address, highFirst_) + static_cast<uint32_t>(whole),
                   highFirst_);
    }
}

void MeterValues::RefreshChannel(RegisterFile& regs, Channel& ch, const ElectricalValues& v,
                                 double dt, double energySeconds, const MeasuringSetup& setup,
                                 double seconds, const std::tm& clock) {
    const std::array<int32_t, 33> now = Instantaneous(v);
    if (!ch.loopTest) {
        for (int i = 0; i < 33; ++i) {
            regs.Set32(InstantRegister(ch.offset, i), static_cast<uint32_t>(now[i]), highFirst_);
        }
        for (int k = 0; k < 3; ++k) {
            regs.Set(ch.angles + 2 * k, AngleWord(v.currentAngle[k]));
            regs.Set(ch.angles + 2 * k + 1, AngleWord(v.voltageAngle[k]));
        }
    }
    // Energies of the tariff in force (register units: 0.1 kWh, 0.1 h).
    const bool offPeak = setup.tariffs && (clock.tm_hour >= 22 || clock.tm_hour < 8);
    const int set = ch.offset + (offPeak ? 160 : 128);
    const double p = v.activeSum * energySeconds / 360000.0;
    const double q = v.reactiveSum * energySeconds / 360000.0;
    const double s = v.apparentSum * energySeconds / 360000.0;
    const double in = p > 0 ? p : 0, out = p < 0 ? -p : 0;
    const double lag = q > 0 ? q : 0, lead = q < 0 ? -q : 0;
    const double perEnergy[14] = {in,
                                  lag,
                                  s,
                                  out,
                                  lead,
                                  p > 0 ? lag : 0,
                                  p > 0 ? lead : 0,
                                  p < 0 ? lag : 0,
                                  p < 0 ? lead : 0,
                                  v.currentSum > 0 ? energySeconds / 360.0 : 0,
                                  p > 0 ? std::fabs(q) : 0,
                                  p < 0 ? std::fabs(q) : 0,
                                  p,
                                  std::fabs(q)};
    for (int e = 0; e < 14; ++e) {
        if (perEnergy[e] != 0) AddEnergy(regs, set + 2 * e, perEnergy[e]);
    }
    // Maxima and minima of indexes 0-6 and 8-29, THD maxima.
    const auto slot = [](int i) { return i < 7 ? i : i - 1; };  // 0-6 -> 0-6, 8-29 -> 7-28
    for (int i = 0; i < 30; ++i) {
        if (i == 7) continue;
        const int s2 = slot(i);
        if (!ch.haveExtremes) ch.max[s2] = ch.min[s2] = now[i];
        ch.max[s2] = std::max(ch.max[s2], now[i]);
        ch.min[s2] = std::min(ch.min[s2], now[i]);
    }
    for (int n = 0; n < kHarmonicSets; ++n) {
        const auto thd = static_cast<int32_t>(std::lround(v.thd[n]));
        regs.Set32(ch.thd + 2 * n, static_cast<uint32_t>(thd), highFirst_);
        ch.thdMax[n] = ch.haveExtremes ? std::max(ch.thdMax[n], thd) : thd;
        for (int k = 0; k < kHarmonicOrders; ++k) {
            regs.Set(ch.harmonics + 64 * n + k,
                     static_cast<uint16_t>(std::lround(v.harmonics[n][k])));
        }
    }
    ch.haveExtremes = true;
    for (int s2 = 0; s2 < 7; ++s2) {
        regs.Set32(ch.maxBase + 2 * s2, static_cast<uint32_t>(ch.max[s2]), highFirst_);
        regs.Set32(ch.maxBase + 160 + 2 * s2, static_cast<uint32_t>(ch.min[s2]), highFirst_);
    }
    for (int j = 0; j < 22; ++j) {
        regs.Set32(ch.maxBase + 32 + 2 * j, static_cast<uint32_t>(ch.max[7 + j]), highFirst_);
        regs.Set32(ch.maxBase + 192 + 2 * j, static_cast<uint32_t>(ch.min[7 + j]), highFirst_);
    }
    for (int n = 0; n < kHarmonicSets; ++n) {
        regs.Set32(ch.maxBase + 96 + 2 * n, static_cast<uint32_t>(ch.thdMax[n]), highFirst_);
    }
    // Demand: a thermal average over the interval, histories shifted at each interval end.
    const double currents[5] = {v.currentSum, v.current[0], v.current[1], v.current[2],
                                v.current[3]};
    const double powers[3] = {v.activeSum, v.reactiveSum, v.apparentSum};
    const auto follow = [dt](double& demand, double value, int minutes) {
        const double tau = 60.0 * (minutes > 0 ? minutes : 30) / 3.0;
        demand += (value - demand) * (1.0 - std::exp(-dt / tau));
    };
    for (int k = 0; k < 5; ++k)
        follow(ch.currentDemand[k], currents[k], setup.demandMinutesCurrent);
    for (int k = 0; k < 3; ++k)
        follow(ch.powerDemand[k], powers[k], setup.demandMinutesPower);
    const long currentInterval =
        static_cast<long>(seconds / (60.0 * std::max(1, setup.demandMinutesCurrent)));
    const long powerInterval =
        static_cast<long>(seconds / (60.0 * std::max(1, setup.demandMinutesPower)));
    if (ch.currentInterval >= 0 && currentInterval != ch.currentInterval) {
        for (int h = 3; h > 0; --h)
            ch.currentHistory[h] = ch.currentHistory[h - 1];
        ch.currentHistory[0] = ch.currentDemand;
    }
    if (ch.powerInterval >= 0 && powerInterval != ch.powerInterval) {
        for (int h = 3; h > 0; --h)
            ch.powerHistory[h] = ch.powerHistory[h - 1];
        ch.powerHistory[0] = ch.powerDemand;
    }
    ch.currentInterval = currentInterval;
    ch.powerInterval = powerInterval;
    for (int k = 0; k < 5; ++k) {
        regs.Set32(ch.offset + 256 + 2 * k, static_cast<uint32_t>(Milli(ch.currentDemand[k])),
                   highFirst_);
        for (int h = 0; h < 4; ++h) {
            regs.Set32(ch.offset + 272 + 16 * h + 2 * k,
                       static_cast<uint32_t>(Milli(ch.currentHistory[h][k])), highFirst_);
        }
        ch.maxDemand[k] = std::max(ch.maxDemand[k], ch.currentDemand[k]);
    }
    for (int k = 0; k < 3; ++k) {
        regs.Set32(ch.offset + 512 + 2 * k, static_cast<uint32_t>(Whole(ch.powerDemand[k])),
                   highFirst_);
        for (int h = 0; h < 4; ++h) {
            regs.Set32(ch.offset + 528 + 16 * h + 2 * k,
                       static_cast<uint32_t>(Whole(ch.powerHistory[h][k])), highFirst_);
        }
    }
    const double p2 = ch.powerDemand[0], q2 = ch.powerDemand[1];
    ch.maxDemand[5] = std::max(ch.maxDemand[5], p2);
    ch.maxDemand[6] = std::max(ch.maxDemand[6], -p2);
    ch.maxDemand[7] = std::max(ch.maxDemand[7], q2);
    ch.maxDemand[8] = std::max(ch.maxDemand[8], -q2);
    ch.maxDemand[9] = std::max(ch.maxDemand[9], ch.powerDemand[2]);
    for (int m = 0; m < 10; ++m) {
        const int32_t value = m < 5 ? Milli(ch.maxDemand[m]) : Whole(ch.maxDemand[m]);
        regs.Set32(ch.maxBase + 128 + 2 * m, static_cast<uint32_t>(value), highFirst_);
    }
}

void MeterValues::ResetChannel(RegisterFile& regs, Channel& ch, int command) {
    if (command == 1) {
        for (int a = ch.offset + 128; a < ch.offset + 256; ++a)
            regs.Set(a, 0);
    } else if (command == 2) {
        ch.haveExtremes = false;  // restart from the present values at the next refresh
    } else if (command == 3) {
        ch.currentDemand = {};
        ch.powerDemand = {};
        ch.currentHistory = {};
        ch.powerHistory = {};
        ch.maxDemand = {};
    }
}

uint8_t MeterValues::Check(int address, uint16_t value) const {
    const int channel = areaChannel_[address];
    switch (area_[address]) {
        case kInstant:
            return channels_[static_cast<std::size_t>(channel)].loopTest ? 0 : kDeviceFailure;
        case kAnalogOut:
            return aoLoopTest_ ? 0 : kDeviceFailure;
        case kResetMain:
            return value <= 3 ? 0 : kIllegalValue;
        case kResetSecond:
            if (value == 15 && counters_ > 0) return 0;
            return value <= 3 && channels_.size() > 1 ? 0 : kIllegalValue;
        case kResetFixed:
            if (analogOutputs_) return value <= 1 ? 0 : kIllegalValue;
            return value == 0 || value == 255 ? 0 : kIllegalValue;
        case kLoopFlag:
            return value <= 1 ? 0 : kIllegalValue;
        default:
            return 0;
    }
}

void MeterValues::Commit(RegisterFile& regs, int address, uint16_t value) {
    const int channel = areaChannel_[address];
    switch (area_[address]) {
        case kResetMain:
        case kResetSecond:
            if (value == 15) {
                for (int a = kCounterRegister; a < kCounterRegister + 2 * counters_; ++a)
                    regs.Set(a, 0);
            } else if (value != 0) {
                const int target = area_[address] == kResetMain ? 0 : 1;
                ResetChannel(regs, channels_[static_cast<std::size_t>(target)], value);
            }
            regs.Set(address, 0);
            break;
        case kResetFixed:
            if (analogOutputs_) {
                aoLoopTest_ = value == 1;
                regs.Set(address, value);
            } else {
                if (value == 255) {
                    for (int a = kCounterRegister; a < kCounterRegister + 16; ++a)
                        regs.Set(a, 0);
                }
                regs.Set(address, 0);
            }
            break;
        case kLoopFlag:
            channels_[static_cast<std::size_t>(channel)].loopTest = value == 1;
            regs.Set(address, value);
            if (value == 1) {
                const int angles = channels_[static_cast<std::size_t>(channel)].angles;
                for (int k = 0; k < 6; ++k)
                    regs.Set(angles + k, 0);
            }
            break;
        default:
            regs.Set(address, value);
    }
}

uint8_t MeterValues::Write(RegisterFile& regs, int address, int count, const uint16_t* values) {
    for (int i = 0; i < count; ++i) {
        if (area_[address + i] == kNone) continue;
        const uint8_t result = Check(address + i, values[i]);
        if (result != 0) return result;
    }
    for (int i = 0; i < count; ++i) {
        if (area_[address + i] != kNone) Commit(regs, address + i, values[i]);
    }
    return 0;
}

}  // namespace voltaro::sim
