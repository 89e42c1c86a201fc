#include "core/app/fleet_run.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <map>
#include <mutex>
#include <thread>

#include "core/platform/cancelled.h"

namespace voltaro {
namespace {

FleetResult RunOne(const FleetDevice& device, const FleetJob& job) {
    FleetResult result;
    result.device = device.name;
    const auto start = std::chrono::steady_clock::now();
    try {
        FleetJobResult done = job(device);
        result.outcome = done.outcome;
        result.message = std::move(done.message);
    } catch (const CCancelled&) {
        result.outcome = FleetOutcome::kCancelled;
    } catch (const std::exception& e) {
        result.outcome = FleetOutcome::kFailed;
        result.message = e.what();
    }
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

}  // namespace

std::vector<std::vector<std::size_t>> FleetBuses(const std::vector<FleetDevice>& devices) {
    std::vector<std::vector<std::size_t>> buses;
    std::map<std::string, std::size_t> busOfKey;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        const auto [it, added] = busOfKey.emplace(FleetBusKey(devices[i]), buses.size());
        if (added) buses.emplace_back();
        buses[it->second].push_back(i);
    }
    std::stable_sort(buses.begin(), buses.end(),
                     [](const auto& a, const auto& b) { return a.size() > b.size(); });
    return buses;
}

std::vector<FleetResult> RunFleet(const std::vector<FleetDevice>& devices, const FleetJob& job,
                                  const FleetRunOptions& options) {
    std::vector<FleetResult> results(devices.size());
    for (std::size_t i = 0; i < devices.size(); ++i)
        results[i].device = devices[i].name;
    const std::vector<std::vector<std::size_t>> buses = FleetBuses(devices);
    std::mutex mutex;  // guards nextBus, results and the listener
    std::size_t nextBus = 0;
    auto cancelled = [&] { return options.cancel && options.cancel->load(); };
    // One worker serves one whole bus before it takes the next: two devices of one bus are
    // never talked to at the same time.
    auto worker = [&] {
        for (;;) {
            std::size_t bus = 0;
            {
                std::lock_guard<std::mutex> lock(mutex);
                if (nextBus >= buses.size()) return;
                bus = nextBus++;
            }
            for (std::size_t index : buses[bus]) {
                if (cancelled()) break;  // the rest of the bus stays kNotStarted
                FleetResult result = RunOne(devices[index], job);
                std::lock_guard<std::mutex> lock(mutex);
                results[index] = std::move(result);
                if (options.onResult) options.onResult(index, results[index]);
            }
        }
    };
    const std::size_t count =
        std::min(buses.size(), static_cast<std::size_t>(std::max(1, options.jobs)));
    std::vector<std::thread> threads;
    for (std::size_t i = 1; i < count; ++i)
        threads.emplace_back(worker);
    worker();
    for (std::thread& thread : threads)
        thread.join();
    return results;
}

}  // namespace voltaro
