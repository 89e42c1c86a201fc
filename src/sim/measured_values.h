#pragma once
// What every measured-value model of the simulated device offers to the device model:
// the registers it owns, their refresh over time, and writes to them (presets, loop-test
// values, reset commands, loop-test flags).
#include <cstdint>
#include <ctime>
#include <memory>
#include <random>

#include "core/model/device_type.h"
#include "sim/register_map.h"
#include "sim/wiring_fault.h"

namespace voltaro::sim {

// Modbus exception codes the device answers with.
constexpr uint8_t kIllegalFunction = 0x01;
constexpr uint8_t kIllegalAddress = 0x02;
constexpr uint8_t kIllegalValue = 0x03;
constexpr uint8_t kDeviceFailure = 0x04;

// The parameter values a measurement depends on, read from the device's own registers.
struct MeasuringSetup {
    int wiringSystem = 5;            // System parameter, 0..6
    double primaryVoltage = 110;     // V
    double primaryCurrent[16] = {};  // A per measuring input
    int demandMinutesCurrent = 30;
    int demandMinutesPower = 30;
    bool tariffs = false;  // second tariff counts off-peak (22:00-08:00)
    WiringFault wiring;    // how the installation is wired (kNone: right)
    // Single-phase 3-wire on the inputs of phases 1 and 3 (KT6) instead of 1 and 2.
    bool singlePhaseOnL3 = false;
};

class MeasuredValues {
  public:
    virtual ~MeasuredValues() = default;
    // Registers the model owns, with their access rights.
    virtual void AddRanges(RegisterMap& map) const = 0;
    // Brings every value up to model time `seconds` (monotonic) and device clock `clock`.
    virtual void Refresh(RegisterFile& regs, const MeasuringSetup& setup, double seconds,
                         const std::tm& clock) = 0;
    // Whether a write to [address, address + count) touches registers the model owns.
    virtual bool Owns(int address, int count) const = 0;
    // Checks and carries out a write to owned registers; 0 or an exception code. The
    // values are stored by the model itself (command registers read back as 0).
    virtual uint8_t Write(RegisterFile& regs, int address, int count, const uint16_t* values) = 0;
    // Energy and counter presets of the ZC series are written without an unlock.
    virtual bool NeedsUnlock(int address, int count) const {
        (void)address;
        (void)count;
        return true;
    }
};

// The model for the row: the meter map (meters and ZB) or the ZC map.
std::unique_ptr<MeasuredValues> MakeMeasuredValues(const CDeviceType& type, bool highFirst,
                                                   uint64_t seed);

// Whether [a, a + n) and [b, b + m) overlap.
inline bool Overlaps(int a, int n, int b, int m) {
    return a < b + m && b < a + n;
}

}  // namespace voltaro::sim
