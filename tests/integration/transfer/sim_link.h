#pragma once
// Test helpers: a simulated device on loopback TCP (optionally behind a recording
// relay) and a Modbus client pointed at it with short time-outs.
#include <memory>
#include <string>

#include "core/comm/modbus_interface.h"
#include "core/transfer/transfers.h"
#include "recording_proxy.h"
#include "sim/simulator.h"

namespace voltaro::test {

inline sim::SimulatorOptions SimRow(int row, int version = -1) {
    sim::SimulatorOptions options;
    options.device.row = row;
    options.device.version = version;
    options.line.turnaroundMs = 0;
    return options;
}

// The row with its second I/O configuration (the counter or discrete-input variant).
inline sim::SimulatorOptions SimRowAlternateIo(int row) {
    sim::SimulatorOptions options = SimRow(row);
    options.device.alternateIo = true;
    return options;
}

struct SimLink {
    explicit SimLink(const sim::SimulatorOptions& options)
        : simulator(options), port(simulator.StartTcp()), proxy(port) {
        CComSettings settings;
        settings.mode = ModbusTcp;
        settings.serverAddress = "127.0.0.1";
        settings.servicePort = std::to_string(proxy.Port());
        client = std::make_unique<CModbusInterface>(settings);
        client->timeouts.tcpResponseMs = 300;
        client->timeouts.connectMs = 1000;
    }
    sim::Simulator simulator;
    int port;
    RecordingProxy proxy;
    std::unique_ptr<CModbusInterface> client;
};

// Records every report; answers false from the report number stopAt on.
struct RecordingSink : IProgressSink {
    std::vector<double> reports;
    int stopAt = -1;
    bool ReportProgress(double percent) override {
        reports.push_back(percent);
        return stopAt < 0 || static_cast<int>(reports.size()) < stopAt;
    }
};

}  // namespace voltaro::test
