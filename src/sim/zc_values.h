#pragma once
// Measured values of the ZC map (8 or 16 measuring inputs sharing one voltage):
// common values, per-channel currents and powers with maxima and minima, demand records
// with time stamps, energy blocks with 24 hourly values, discrete-input counts of the
// counter variant, THD and spectra, bit reset commands and per-channel loop tests.
#include <array>
#include <vector>

#include "sim/electrical.h"

namespace voltaro::sim {

class ZcValues : public MeasuredValues {
  public:
    ZcValues(const CDeviceType& type, uint64_t seed);
    void AddRanges(RegisterMap& map) const override;
    void Refresh(RegisterFile& regs, const MeasuringSetup& setup, double seconds,
                 const std::tm& clock) override;
    bool Owns(int address, int count) const override;
    uint8_t Write(RegisterFile& regs, int address, int count, const uint16_t* values) override;
    bool NeedsUnlock(int address, int count) const override;

    // First register of channel k's energy block (k 0-15; 8-15 on the extension module).
    static int EnergyBlock(int k);

  private:
    enum Area : uint8_t {
        kNone,
        kCommon,
        kChannelValues,
        kEnergy,
        kCounts,
        kReset,
        kCountReset,  // 8995 + 8 + k: the counts of discrete input k
        kLoopFlag
    };
    struct Extremes {
        std::vector<int32_t> max, min;
        bool valid = false;
        void Follow(const int32_t* values, int first, int count);
        void Restart(int first, int count);
    };
    struct ChannelState {
        bool loopTest = false;
        Extremes currents, powers;       // 5 and 16 values
        std::array<double, 8> demand{};  // Isum, I1, I2, I3, IN, P, Q, S
        std::array<int32_t, 8> maxDemand{}, minDemand{};
        std::array<uint32_t, 8> maxStamp{}, minStamp{};  // packed BCD dd hh mm ss
        bool demandValid = false;
        std::array<double, 24> hours{};
        double pending[2] = {};  // fractions of a tenth not yet counted (active, reactive)
        double countPending = 0;
        std::array<double, 24> countHours{};
        int hour = -1;
        int32_t thdMax[4] = {};
    };

    void Mark(int first, int count, Area area, int channel);
    void RefreshChannel(RegisterFile& regs, int a, const ElectricalValues& v, double dt,
                        const MeasuringSetup& setup, const std::tm& clock);
    void WriteStamped(RegisterFile& regs, int address, int32_t value, const std::tm& clock);
    void FillPastHours(RegisterFile& regs, int a, const ElectricalValues& v, const std::tm& clock);
    void Reset(RegisterFile& regs, int channel, uint16_t bits);
    void ResetCounts(RegisterFile& regs, int input, uint16_t bits);
    uint8_t Check(int address, uint16_t value) const;

    uint64_t seed_;
    int channels_;
    bool counts_;
    std::vector<ChannelState> state_;
    Extremes common_;
    int32_t thdVoltageMax_[6] = {};
    bool thdVoltageValid_ = false;
    std::vector<uint8_t> area_, areaChannel_;
    double lastSeconds_ = -1;
    std::tm lastClock_{};
};

}  // namespace voltaro::sim
