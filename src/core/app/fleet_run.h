#pragma once
// A fleet run: one job per device, devices on one bus (serial port or gateway) one after
// another, different buses in parallel up to a bound. A failing device does not stop the
// others; once cancel is set, the running jobs finish and no new one starts.
#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/app/fleet_file.h"

namespace voltaro {

enum class FleetOutcome { kOk, kFailed, kDiffers, kCancelled, kNotStarted };

// What a job tells of its device.
struct FleetJobResult {
    FleetOutcome outcome = FleetOutcome::kOk;
    std::string message;
};

struct FleetResult {
    std::string device;
    FleetOutcome outcome = FleetOutcome::kNotStarted;
    double seconds = 0;
    std::string message;
};

// Runs on a worker thread; a CPrivateException (or other std::exception) counts as kFailed
// with its text, a CCancelled as kCancelled.
using FleetJob = std::function<FleetJobResult(const FleetDevice&)>;

// Buses served at once unless asked otherwise.
constexpr int kDefaultFleetJobs = 8;

struct FleetRunOptions {
    int jobs = kDefaultFleetJobs;               // buses served at once (at least 1)
    const std::atomic<bool>* cancel = nullptr;  // set: start no further device
    // Told of each finished device (index into the devices) as it ends, one at a time.
    std::function<void(std::size_t index, const FleetResult&)> onResult;
};

// The devices' indexes grouped by bus, each group in file order; the groups with the most
// devices first, so that the longest chains start early.
std::vector<std::vector<std::size_t>> FleetBuses(const std::vector<FleetDevice>& devices);

// Runs job for every device; the results are in the order of devices.
std::vector<FleetResult> RunFleet(const std::vector<FleetDevice>& devices, const FleetJob& job,
                                  const FleetRunOptions& options);

}  // namespace voltaro
