#pragma once
// A simulated device on loopback TCP for voltaro-cli runs, and the JSON Lines the
// program prints.
#include <sstream>
#include <string>
#include <vector>

#include "sim/simulator.h"
#include "support/json_value.h"

namespace voltaro::test {

struct SimDevice {
    explicit SimDevice(int row) : SimDevice(Options(row)) {}
    explicit SimDevice(const sim::SimulatorOptions& options)
        : simulator(options), port(simulator.StartTcp()) {}
    static sim::SimulatorOptions Options(int row) {
        sim::SimulatorOptions options;
        options.device.row = row;
        options.line.turnaroundMs = 0;
        return options;
    }
    std::string Tcp() const { return "--tcp 127.0.0.1:" + std::to_string(port); }
    std::vector<std::string> TcpArgs() const {
        return {"--tcp", "127.0.0.1:" + std::to_string(port)};
    }
    sim::Simulator simulator;
    int port;
};

inline std::vector<JsonValue> JsonLines(const std::string& out) {
    std::vector<JsonValue> passes;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        passes.push_back(JsonReader::Parse(line));
    return passes;
}

}  // namespace voltaro::test
