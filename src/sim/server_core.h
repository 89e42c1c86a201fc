#pragma once
// What both transports share: the fault decisions (deterministic for a seed), the
// request log on stderr and the counters, and the handling of one request PDU.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "sim/device_model.h"
#include "sim/protocol.h"
#include "sim/sim_options.h"

namespace voltaro::sim {

struct SimulatorCounts {
    uint64_t requests = 0;  // complete requests for this device
    uint64_t answers = 0;   // answers sent (exceptions included)
    uint64_t exceptions = 0;
    uint64_t dropped = 0;            // injected: not answered
    uint64_t corrupted = 0;          // injected: wrong CRC
    uint64_t shortened = 0;          // injected: cut short
    uint64_t wrongTransactions = 0;  // injected: another transaction id
    uint64_t badCrc = 0;             // received RTU frames with a wrong CRC (not answered)
    uint64_t otherUnit = 0;          // RTU frames for another unit address (not answered)
    uint64_t connections = 0;        // TCP connections accepted
};

// Which injected faults hit one answer.
struct FaultDecision {
    bool drop = false;
    bool corruptCrc = false;
    bool cutShort = false;
    bool wrongTransaction = false;
};

class ServerCore {
  public:
    ServerCore(DeviceModel& model, const SimulatorOptions& options);

    // Handles one request: decides the faults, waits the device's answer delay and
    // returns the answer PDU, or nothing when the request is dropped.
    std::optional<std::vector<uint8_t>> Handle(const std::vector<uint8_t>& pdu,
                                               const std::string& channel, FaultDecision& decision);
    // Length to which an answer of `size` bytes is cut (at least one byte shorter).
    static std::size_t CutLength(std::size_t size) { return size > 1 ? size / 2 : 0; }

    void LogBytes(const std::string& channel, const char* direction,
                  const std::vector<uint8_t>& bytes, const std::string& text);
    void Count(uint64_t SimulatorCounts::*counter);
    SimulatorCounts Counts() const;
    std::string Summary() const;

    void SetFaults(const FaultSettings& faults);
    FaultSettings Faults() const;
    const LineOptions& Line() const { return line_; }
    uint8_t Unit() const { return unit_; }
    DeviceModel& Model() { return model_; }

  private:
    DeviceModel& model_;
    LineOptions line_;
    uint8_t unit_;
    bool log_;
    mutable std::mutex mutex_;  // guards faults_, random_, counts_ and the log output
    FaultSettings faults_;
    std::mt19937_64 random_;
    SimulatorCounts counts_;
    int writes_ = 0;                     // write requests since the faults were set
    std::vector<uint8_t> refusedWrite_;  // the write refused by failWrite, while repeated
};

// Sleeps for a number of milliseconds (fractions allowed); nothing for 0 or less.
void SleepMs(double ms);

}  // namespace voltaro::sim
