#pragma once
// Several simulated devices on one pseudo-terminal: a multi-drop RS-485 bus. Each device
// has its own register map and state and answers only its own address, and only at its own
// baud rate; the others stay silent. (A pseudo-terminal does not carry the parity, so devices
// cannot be told apart by it.)
//
//   voltaro-sim --pty BUS --bus "4@1,64@5,10@17:19200/E"
#include <signal.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/model/device_type.h"
#include "sim/server_core.h"
#include "sim/sim_options.h"

namespace voltaro::sim {

class DeviceModel;
class RtuServer;

struct BusDevice {
    int row = 0;
    int unit = 1;
    std::optional<LineOptions> line;  // nothing: the bus's line settings
};

// "row@address[:baud[/parity[/stop]]]" items separated by commas; throws CPrivateException
// naming the bad item. Addresses must differ.
std::vector<BusDevice> ParseBusDevices(const std::string& text);

class SharedBus {
  public:
    // common: the bus's line settings and everything the devices share (faults, seed, log).
    SharedBus(const SimulatorOptions& common, const std::vector<BusDevice>& devices);
    ~SharedBus();
    SharedBus(const SharedBus&) = delete;
    SharedBus& operator=(const SharedBus&) = delete;

    // Serves the bus on a new pseudo-terminal published as `link`; returns the slave path.
    std::string StartPty(const std::string& link = "");
    void Stop();
    std::string LinkPath() const;

    std::size_t Size() const { return members_.size(); }
    const CDeviceType& Type(std::size_t index) const;
    const SimulatorOptions& Options(std::size_t index) const { return members_[index].options; }
    SimulatorCounts Counts(std::size_t index) const;
    // One line per device: its address, line settings and counters.
    std::string Summary() const;

  private:
    struct Member {
        SimulatorOptions options;
        std::unique_ptr<DeviceModel> model;
        std::unique_ptr<ServerCore> core;
    };
    std::vector<Member> members_;
    std::unique_ptr<RtuServer> rtu_;
};

struct CommandLine;
// voltaro-sim's bus mode: serves line.bus until one of endSignals (blocked by the caller)
// arrives; returns the program's exit code.
int ServeSharedBus(const CommandLine& line, const sigset_t& endSignals);

}  // namespace voltaro::sim
