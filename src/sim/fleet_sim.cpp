#include "sim/fleet_sim.h"

#include <cstdio>

#include "core/platform/fleet_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/private_exception.h"
#include "sim/device_model.h"
#include "sim/server_core.h"
#include "sim/tcp_server.h"

namespace voltaro::sim {

struct FleetSimulator::Unit {
    FleetDevice device;
    std::unique_ptr<DeviceModel> model;
    std::unique_ptr<ServerCore> core;
};

struct FleetSimulator::Gateway {
    std::string host;
    int port = 0;
    std::map<uint8_t, Unit*> units;
    std::unique_ptr<TcpServer> server;
};

FleetSimulator::FleetSimulator(const std::vector<FleetDevice>& devices,
                               const SimulatorOptions& base) {
    std::map<std::string, Gateway*> gatewayOfBus;
    for (const FleetDevice& device : devices) {
        if (device.settings.mode != ModbusTcp)
            throw CPrivateException(FormatMessageId(kMsgFleetSimTcpOnly, {device.name}));
        SimulatorOptions options = base;
        if (device.row >= 0) options.device.row = device.row;
        options.device.version = device.row >= 0 ? -1 : base.device.version;
        options.device.unit = device.settings.address;
        // Every device its own serial number and measurement noise.
        char serial[16];
        std::snprintf(serial, sizeof serial, "F%04zu", units_.size() + 1);
        if (base.device.serial.empty()) options.device.serial = serial;
        options.seed = base.seed + units_.size();
        ValidateOptions(options);
        auto unit = std::make_unique<Unit>();
        unit->device = device;
        unit->model = std::make_unique<DeviceModel>(options);
        unit->core = std::make_unique<ServerCore>(*unit->model, options);

        Gateway*& gateway = gatewayOfBus[FleetBusKey(device)];
        if (!gateway) {
            gateways_.push_back(std::make_unique<Gateway>());
            gateway = gateways_.back().get();
            gateway->host = device.settings.serverAddress;
            gateway->port = std::stoi(device.settings.servicePort);
        }
        const auto id = static_cast<uint8_t>(device.settings.address);
        if (const auto it = gateway->units.find(id); it != gateway->units.end())
            throw CPrivateException(FormatMessageId(
                kMsgFleetSimUnitTwice,
                {device.name, device.settings.address,
                 gateway->host + ":" + std::to_string(gateway->port), it->second->device.name}));
        gateway->units[id] = unit.get();
        units_.push_back(std::move(unit));
    }
}

FleetSimulator::~FleetSimulator() {
    Stop();
}

std::vector<std::string> FleetSimulator::Start() {
    std::vector<std::string> endpoints;
    for (auto& gateway : gateways_) {
        Gateway* g = gateway.get();
        g->server = std::make_unique<TcpServer>(
            *g->units.begin()->second->core, [g](uint8_t unit) -> ServerCore* {
                const auto it = g->units.find(unit);
                return it == g->units.end() ? nullptr : it->second->core.get();
            });
        const int port = g->server->Start(g->host, g->port);
        endpoints.push_back(g->host + ":" + std::to_string(port));
    }
    return endpoints;
}

void FleetSimulator::Stop() {
    for (auto& gateway : gateways_)
        if (gateway->server) gateway->server->Stop();
}

std::vector<uint16_t> FleetSimulator::Registers(const std::string& device, int address,
                                                int count) const {
    for (const auto& unit : units_)
        if (unit->device.name == device) return unit->model->Peek(address, count);
    throw CPrivateException("No simulated device [" + device + "].");
}

int ServeFleet(const std::string& path, const SimulatorOptions& base, const sigset_t& endSignals) {
    try {
        // The profile plays no part: serial defaults do not matter to tcp devices.
        const FleetFile fleet = LoadFleetFile(path, CComSettings());
        FleetSimulator simulator(fleet.devices, base);
        for (const std::string& endpoint : simulator.Start())
            std::printf("tcp %s\n", endpoint.c_str());
        std::fflush(stdout);
        std::fprintf(
            stderr, "voltaro-sim: %s\n",
            FormatMessageId(kMsgFleetSimServing, {static_cast<int>(simulator.DeviceCount()),
                                                  static_cast<int>(simulator.GatewayCount())})
                .c_str());
        int received = 0;
        sigwait(&endSignals, &received);
        simulator.Stop();
    } catch (const CPrivateException& error) {
        std::fprintf(stderr, "voltaro-sim: %s\n", error.what());
        return 1;
    }
    return 0;
}

}  // namespace voltaro::sim
