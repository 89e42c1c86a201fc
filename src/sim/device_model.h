#pragma once
// The simulated device behind the protocol: identification, parameter registers of the
// row's block table, passcode protection, clock, tag and the measured-value model. All
// entry points are thread-safe (one lock for the whole device, as a real device
// handles one request at a time).
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "core/model/device_registers.h"
#include "core/model/device_type.h"
#include "sim/measured_values.h"
#include "sim/register_map.h"
#include "sim/sim_options.h"

namespace voltaro::sim {

class DeviceModel {
  public:
    explicit DeviceModel(const SimulatorOptions& options);
    ~DeviceModel();
    DeviceModel(const DeviceModel&) = delete;
    DeviceModel& operator=(const DeviceModel&) = delete;

    const CDeviceType& Type() const { return type_; }
    bool IsZc() const { return zc_; }

    // Function 4: `count` registers from `address` into `out`; 0 or an exception code.
    uint8_t Read(int address, int count, uint16_t* out);
    // Function 16; 0 or an exception code (nothing is changed on an exception).
    uint8_t Write(int address, int count, const uint16_t* values);

    // Direct access for tests and tools: no map, no protection. Peek refreshes the
    // measured values first; Poke stores raw register values.
    std::vector<uint16_t> Peek(int address, int count);
    void Poke(int address, const std::vector<uint16_t>& values);
    // Moves the device's time (measurements and clock) forward.
    void AdvanceTime(double seconds);

  private:
    void BuildIdentification(const SimulatorOptions& options);
    void BuildParameters(const SimulatorOptions& options);
    void BuildMap(const SimulatorOptions& options);
    double ModelSeconds() const;
    std::time_t DeviceTime() const;
    void RefreshLocked();
    MeasuringSetup Setup() const;
    uint8_t WriteSpecial(int address, int count, const uint16_t* values);
    uint8_t WriteClock(int address, int count, const uint16_t* values);
    bool Unlocked() const { return unlockState_ != 0; }
    bool Protected() const { return protection_ != 0; }

    std::mutex mutex_;
    CDeviceType type_;
    bool zc_ = false;
    bool swap_ = false;
    bool lenient_ = false;
    WiringFault wiring_;
    bool supportsPasscode_ = true;
    RegisterMap map_;
    RegisterFile regs_;
    std::unique_ptr<MeasuredValues> measured_;
    PasscodeRegisterSet passcode_{};
    uint32_t protection_ = 0;
    uint32_t entered_ = 0;
    uint16_t unlockState_ = 0;
    std::chrono::steady_clock::time_point start_;
    double advanced_ = 0;     // seconds added by AdvanceTime
    double clockOffset_ = 0;  // device wall clock minus host time, seconds
    double lastRefresh_ = -1;
};

// Fills 8 or 16 bytes of text into registers, each register low byte first.
void PutText(RegisterFile& regs, int address, int registers, const std::string& text);

}  // namespace voltaro::sim
