#pragma once
// A whole fleet of simulated devices in one process, from a voltaro-cli fleet file: every
// HOST:PORT of its tcp devices is served as a gateway, and the devices behind it answer by
// unit id, each simulating the catalogue row of its `row` key.
#include <signal.h>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/app/fleet_file.h"
#include "sim/sim_options.h"

namespace voltaro::sim {

class DeviceModel;
class ServerCore;
class TcpServer;

class FleetSimulator {
  public:
    // base gives every device its line, faults and defaults (its row when a device has no
    // `row`). Throws CPrivateException for a serial device, a unit id used twice behind one
    // gateway, or options the catalogue does not allow.
    FleetSimulator(const std::vector<FleetDevice>& devices, const SimulatorOptions& base);
    ~FleetSimulator();
    FleetSimulator(const FleetSimulator&) = delete;
    FleetSimulator& operator=(const FleetSimulator&) = delete;

    // Listens on every gateway's address; returns "HOST:PORT" of each.
    std::vector<std::string> Start();
    void Stop();

    std::size_t DeviceCount() const { return units_.size(); }
    std::size_t GatewayCount() const { return gateways_.size(); }
    // Raw registers of a device by its name (test assertions); throws for an unknown name.
    std::vector<uint16_t> Registers(const std::string& device, int address, int count) const;

  private:
    struct Unit;
    struct Gateway;
    std::vector<std::unique_ptr<Unit>> units_;
    std::vector<std::unique_ptr<Gateway>> gateways_;
};

// voltaro-sim --fleet: loads the file, serves it until one of endSignals arrives (they are
// blocked already); returns the exit status.
int ServeFleet(const std::string& path, const SimulatorOptions& base, const sigset_t& endSignals);

}  // namespace voltaro::sim
