#pragma once
// Measured values of the meter map (meter families and the ZB series, one or two
// measuring inputs): instantaneous values, energies with fraction words, demand,
// maxima and minima, THD and spectra, phase angles, counters, analogue outputs, reset
// commands and loop tests.
#include <array>
#include <vector>

#include "core/model/device_registers.h"
#include "sim/electrical.h"

namespace voltaro::sim {

class MeterValues : public MeasuredValues {
  public:
    MeterValues(const CDeviceType& type, bool highFirst, uint64_t seed);
    void AddRanges(RegisterMap& map) const override;
    void Refresh(RegisterFile& regs, const MeasuringSetup& setup, double seconds,
                 const std::tm& clock) override;
    bool Owns(int address, int count) const override;
    uint8_t Write(RegisterFile& regs, int address, int count, const uint16_t* values) override;
    // Counter presets are written without an unlock (only energy presets unlock first).
    bool NeedsUnlock(int address, int count) const override;

  private:
    enum Area : uint8_t {
        kNone,
        kInstant,
        kEnergy,
        kCounter,
        kAnalogOut,
        kResetMain,
        kResetSecond,
        kResetFixed,
        kLoopFlag
    };
    struct Channel {
        int offset = 0;        // 0 or 4000: instantaneous, energy and demand registers
        int maxBase = 768;     // 768 or 2768: maxima and minima
        int thd = 1280;        // 1280 or 8280
        int harmonics = 1536;  // 1536 or 8536
        int flag = kVectorUnavailableRegister;  // also the ZB loop-test flag
        int angles = kPhaseAngleRegister;       // phase angles of the input
        bool loopTest = false;
        bool haveExtremes = false;
        std::array<int32_t, 30> max{}, min{};
        std::array<int32_t, 10> thdMax{};
        std::array<double, 5> currentDemand{};
        std::array<double, 3> powerDemand{};
        std::array<std::array<double, 5>, 4> currentHistory{};
        std::array<std::array<double, 3>, 4> powerHistory{};
        std::array<double, 10> maxDemand{};
        long currentInterval = -1, powerInterval = -1;
    };

    void MarkArea(int first, int count, Area area, int channel);
    // energySeconds: the time the energies count for (dt, plus the past of the first
    // refresh).
    void RefreshChannel(RegisterFile& regs, Channel& ch, const ElectricalValues& v, double dt,
                        double energySeconds, const MeasuringSetup& setup, double seconds,
                        const std::tm& clock);
    void AddEnergy(RegisterFile& regs, int address, double tenths);
    void ResetChannel(RegisterFile& regs, Channel& ch, int command);
    uint8_t Check(int address, uint16_t value) const;
    void Commit(RegisterFile& regs, int address, uint16_t value);

    CDeviceType type_;
    bool highFirst_;
    uint64_t seed_;
    bool zb_;
    int counters_;
    bool analogOutputs_;
    bool aoLoopTest_ = false;
    std::vector<Channel> channels_;
    std::vector<uint8_t> area_;
    std::vector<uint8_t> areaChannel_;
    std::array<double, 8> counterFraction_{};
    double lastSeconds_ = -1;
    std::array<int32_t, 33> lastInstant_{};
};

}  // namespace voltaro::sim
