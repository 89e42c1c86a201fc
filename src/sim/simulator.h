#pragma once
// In-process simulated device: one device of a catalogue row served on a loopback TCP
// port and/or a pseudo-terminal (or a real serial port), with direct register access
// for test assertions, run-time fault injection and request counters.
//
//   voltaro::sim::SimulatorOptions options;
//   options.device.row = 39;
//   voltaro::sim::Simulator sim(options);
//   int port = sim.StartTcp();            // 127.0.0.1:port
//   std::string tty = sim.StartPty();     // slave path, also published as a symlink
//   sim.Registers(9601, 1);               // what the device holds
//   sim.SetFaults(faults); sim.ClearFaults();
//   sim.Stop();                           // idempotent; the destructor calls it
#include <memory>
#include <string>
#include <vector>

#include "core/model/device_type.h"
#include "sim/server_core.h"
#include "sim/sim_options.h"

namespace voltaro::sim {

class DeviceModel;
class TcpServer;
class RtuServer;

class Simulator {
  public:
    // Throws CPrivateException for options the catalogue does not allow.
    explicit Simulator(const SimulatorOptions& options);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Serves Modbus-TCP on host:port (port 0: a free one); returns the port.
    int StartTcp(const std::string& host = "127.0.0.1", int port = 0);
    // Serves Modbus-RTU on a new pseudo-terminal; returns its slave path. The port is
    // also published as VirtualPortDirectory()/link (default "VOLTARO-SIM-<pid>").
    std::string StartPty(const std::string& link = "");
    // Serves Modbus-RTU on a real serial port with the options' line settings.
    void StartSerial(const std::string& path);
    // Ends every transport and joins its threads; removes the published symlink.
    void Stop();

    const CDeviceType& Type() const;
    // The symlink published by StartPty (empty without one).
    std::string LinkPath() const;

    // Raw register contents (measured values brought up to date first).
    std::vector<uint16_t> Registers(int address, int count) const;
    uint16_t Register(int address) const { return Registers(address, 1)[0]; }
    // Stores raw register values, bypassing the register map and the protection.
    void SetRegisters(int address, const std::vector<uint16_t>& values);
    // Moves the device's time forward (energies, demand, clock) without waiting.
    void AdvanceTime(double seconds);

    void SetFaults(const FaultSettings& faults);
    void ClearFaults() { SetFaults(FaultSettings{}); }
    SimulatorCounts Counts() const;
    std::string Summary() const;

  private:
    SimulatorOptions options_;
    std::unique_ptr<DeviceModel> model_;
    std::unique_ptr<ServerCore> core_;
    std::unique_ptr<TcpServer> tcp_;
    std::unique_ptr<RtuServer> rtu_;
};

}  // namespace voltaro::sim
