// voltaro-sim: serves one simulated device until SIGINT or SIGTERM.
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "core/platform/private_exception.h"
#include "core/platform/program_version.h"
#include "sim/fleet_sim.h"
#include "sim/options.h"
#include "sim/shared_bus.h"
#include "sim/simulator.h"

int main(int argc, char** argv) {
    using namespace voltaro;
    sim::CommandLine line;
    try {
        line = sim::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const CPrivateException& error) {
        std::fprintf(stderr, "voltaro-sim: %s\n", error.what());
        return 2;
    }
    if (line.help) {
        std::fputs(sim::UsageText().c_str(), stdout);
        return 0;
    }
    if (line.version) {
        std::fputs(VersionText().c_str(), stdout);
        return 0;
    }
    if (line.listRows) {
        std::fputs(sim::RowListText().c_str(), stdout);
        return 0;
    }
    // Block the end signals before any thread starts, so that only sigwait receives them.
    sigset_t endSignals;
    sigemptyset(&endSignals);
    sigaddset(&endSignals, SIGINT);
    sigaddset(&endSignals, SIGTERM);
    sigaddset(&endSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &endSignals, nullptr);
    if (!line.fleetPath.empty()) return sim::ServeFleet(line.fleetPath, line.options, endSignals);
    if (!line.bus.empty()) return sim::ServeSharedBus(line, endSignals);
    try {
        sim::Simulator simulator(line.options);
        const int row = line.options.device.row;
        const std::string model = sim::ModelText(row);
        std::fprintf(stderr, "voltaro-sim: row %d (%s), device id %u, version %u\n", row,
                     model.empty() ? "not listed" : model.c_str(), simulator.Type().deviceId,
                     simulator.Type().version);
        if (line.tcp) {
            const int port = simulator.StartTcp(line.tcpHost, line.tcpPort);
            std::printf("tcp %s:%d\n", line.tcpHost.c_str(), port);
        }
        if (line.pty) {
            const std::string slave = simulator.StartPty(line.ptyLink);
            std::printf("pty %s %s\n", slave.c_str(), simulator.LinkPath().c_str());
        }
        if (!line.serialPort.empty()) {
            simulator.StartSerial(line.serialPort);
            std::printf("serial %s\n", line.serialPort.c_str());
        }
        std::fflush(stdout);
        int received = 0;
        sigwait(&endSignals, &received);
        simulator.Stop();
        std::fprintf(stderr, "voltaro-sim: %s\n", simulator.Summary().c_str());
    } catch (const CPrivateException& error) {
        std::fprintf(stderr, "voltaro-sim: %s\n", error.what());
        return 1;
    }
    return 0;
}
