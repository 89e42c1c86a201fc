#pragma once
// A fleet of simulated devices served by one voltaro-sim --fleet process, and the fleet file
// that names them: GATEWAYS loopback ports with UNITS devices each, named "gG-uU", catalogue
// row 39, the first two gateways tagged "east" and the others "west".
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "core/comm/comm_test_util.h"
#include "core/platform/temp_dir.h"

namespace voltaro::test {

// A loopback port nobody listens on just now.
inline int FreePort() {
    uint16_t port = 0;
    ::close(LoopbackSocket(-1, port));
    return port;
}

inline std::string FleetName(int gateway, int unit) {
    return "g" + std::to_string(gateway) + "-u" + std::to_string(unit);
}

class SimFleet {
  public:
    // simArgs: further voltaro-sim options for every device (--passcode, --delay-ms ...).
    SimFleet(const TempDir& dir, int gateways, int units, std::vector<std::string> simArgs = {}) {
        for (int g = 0; g < gateways; ++g)
            ports_.push_back(FreePort());
        std::string text = "; simulated devices\n";
        for (int u = 1; u <= units; ++u)
            for (int g = 0; g < gateways; ++g)
                text += "[" + FleetName(g, u) + "]\ntcp = 127.0.0.1:" + Port(g) +
                        "\nunit = " + std::to_string(u) +
                        "\nrow = 39\ntags = " + (g < 2 ? "east" : "west") + "\n\n";
        path_ = dir.File("fleet.ini");
        WriteFile(path_, text);
        CliProcess::Options options;
        options.program = std::string(VOLTARO_BINARY_DIR) + "/bin/voltaro-sim";
        std::vector<std::string> args{"--fleet", path_};
        args.insert(args.end(), simArgs.begin(), simArgs.end());
        process_ = std::make_unique<CliProcess>(args, options);
        started_ =
            process_->WaitForLines(static_cast<std::size_t>(gateways), std::chrono::seconds(10));
    }
    ~SimFleet() {
        process_->Signal(SIGTERM);
        process_->Wait(std::chrono::seconds(10));
    }
    SimFleet(const SimFleet&) = delete;
    SimFleet& operator=(const SimFleet&) = delete;

    bool Started() const { return started_; }
    const std::string& Path() const { return path_; }
    std::string Port(int gateway) const { return std::to_string(ports_[gateway]); }
    CliProcess& Process() { return *process_; }

  private:
    std::vector<int> ports_;
    std::string path_;
    std::unique_ptr<CliProcess> process_;
    bool started_ = false;
};

}  // namespace voltaro::test
