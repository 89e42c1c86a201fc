#include "sim/simulator.h"

#include "core/platform/private_exception.h"
#include "sim/device_model.h"
#include "sim/rtu_server.h"
#include "sim/tcp_server.h"

namespace voltaro::sim {

Simulator::Simulator(const SimulatorOptions& options)
    : options_(options),
      model_(std::make_unique<DeviceModel>(options)),
      core_(std::make_unique<ServerCore>(*model_, options)) {}

Simulator::~Simulator() {
    Stop();
}

int Simulator::StartTcp(const std::string& host, int port) {
    if (tcp_) throw CPrivateException("The simulator already serves Modbus-TCP.");
    auto server = std::make_unique<TcpServer>(*core_);
    const int bound = server->Start(host, port);
    tcp_ = std::move(server);
    return bound;
}

std::string Simulator::StartPty(const std::string& link) {
    if (rtu_) throw CPrivateException("The simulator already serves Modbus-RTU.");
    auto server = std::make_unique<RtuServer>(*core_);
    std::string slave = server->StartPty(link);
    rtu_ = std::move(server);
    return slave;
}

void Simulator::StartSerial(const std::string& path) {
    if (rtu_) throw CPrivateException("The simulator already serves Modbus-RTU.");
    auto server = std::make_unique<RtuServer>(*core_);
    server->StartSerial(path);
    rtu_ = std::move(server);
}

void Simulator::Stop() {
    if (tcp_) tcp_->Stop();
    if (rtu_) rtu_->Stop();
    tcp_.reset();
    rtu_.reset();
}

const CDeviceType& Simulator::Type() const {
    return model_->Type();
}

std::string Simulator::LinkPath() const {
    return rtu_ ? rtu_->LinkPath() : std::string();
}

std::vector<uint16_t> Simulator::Registers(int address, int count) const {
    return model_->Peek(address, count);
}

void Simulator::SetRegisters(int address, const std::vector<uint16_t>& values) {
    model_->Poke(address, values);
}

void Simulator::AdvanceTime(double seconds) {
    model_->AdvanceTime(seconds);
}

void Simulator::SetFaults(const FaultSettings& faults) {
    SimulatorOptions check = options_;
    check.faults = faults;
    ValidateOptions(check);
    core_->SetFaults(faults);
}

SimulatorCounts Simulator::Counts() const {
    return core_->Counts();
}

std::string Simulator::Summary() const {
    return core_->Summary();
}

}  // namespace voltaro::sim
