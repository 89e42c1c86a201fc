#pragma once
// Modbus-RTU transport of the simulated device on a pseudo-terminal (published as a
// symlink in the virtual port directory) or a real serial port: frame recognition by
// the length the function code gives or by an inter-frame silence, CRC check (a bad CRC
// or another unit address gets no answer), wire-time emulation and the RTU faults.
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "sim/server_core.h"

namespace voltaro::sim {

class RtuServer {
  public:
    explicit RtuServer(ServerCore& core) : core_(core) {}
    // A shared bus: every request goes to the devices of its unit address, and only when
    // the baud rate that the client applied to the pseudo-terminal is the device's (a
    // pseudo-terminal does not carry parity). The first core sets the bus timing.
    explicit RtuServer(std::vector<ServerCore*> bus) : core_(*bus.front()), bus_(std::move(bus)) {}
    ~RtuServer() { Stop(); }
    RtuServer(const RtuServer&) = delete;
    RtuServer& operator=(const RtuServer&) = delete;

    // Creates a pseudo-terminal and publishes it as VirtualPortDirectory()/link (default
    // "VOLTARO-SIM-<pid>"); returns the slave path.
    std::string StartPty(const std::string& link);
    // Opens a real serial port with the line options' baud rate, parity and stop bits.
    void StartSerial(const std::string& path);
    void Stop();
    const std::string& LinkPath() const { return linkPath_; }

  private:
    void Run();
    void Process(const std::vector<uint8_t>& frame);
    void Serve(ServerCore& core, const std::vector<uint8_t>& frame);

    ServerCore& core_;
    std::vector<ServerCore*> bus_;
    int fd_ = -1;
    int slaveFd_ = -1;  // kept open so the master never sees a hang-up between clients
    int wakePipe_[2] = {-1, -1};
    std::string linkPath_;
    std::string channel_ = "rtu";
    std::atomic<bool> running_{false};
    std::thread thread_;
};

}  // namespace voltaro::sim
