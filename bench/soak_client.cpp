// The client side of bench/soak: one long-lived process that repeats a cycle against
// simulated devices until its time is up, the way the desktop program runs for a day.
//   voltaro-soak-client --mode upload --seconds N [--tcp HOST:PORT] [--serial PATH]
// Mode "upload": whole uploads through the progress thread, taking turns over the links
// given. Failures caused by the simulator's faults are counted, not fatal; a crash or a
// sanitizer report is what the soak looks for. Prints one summary line per minute and
// a final one on standard output; exits 0 when at least one cycle succeeded.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "core/comm/modbus_interface.h"
#include "core/model/parameter_image.h"
#include "core/platform/private_exception.h"
#include "core/transfer/progress_thread.h"

namespace {

using namespace voltaro;
using Clock = std::chrono::steady_clock;

volatile std::sig_atomic_t stopRequested = 0;
extern "C" void RequestStop(int) {
    stopRequested = 1;
}

struct Counts {
    long ok = 0;
    long failed = 0;
    std::map<std::string, long> failures;  // by the failure's first line
};

// One cycle of mode "upload": the whole parameter set of the device.
void UploadCycle(const CComSettings& link, Counts& counts) {
    CModbusInterface client(link);
    client.timeouts.tcpResponseMs = 300;
    client.timeouts.connectMs = 1000;
    ParameterImage image;
    try {
        if (RunUpload(client, image)) ++counts.ok;
    } catch (const CPrivateException& e) {
        ++counts.failed;
        const std::string& text = e.Message();
        const std::size_t reason = text.find("reason=");
        ++counts
              .failures[reason == std::string::npos ? text.substr(0, 60) : text.substr(reason, 40)];
    }
}

void PrintCounts(const char* label, double seconds, const Counts& counts) {
    std::printf("%s %.0f s: %ld cycles ok, %ld failed", label, seconds, counts.ok, counts.failed);
    for (const auto& [what, n] : counts.failures)
        std::printf("; %ld x %s", n, what.c_str());
    std::printf("\n");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode = "upload";
    long seconds = 60;
    std::vector<CComSettings> links;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i], value = argv[i + 1];
        if (name == "--mode") {
            mode = value;
        } else if (name == "--seconds") {
            seconds = std::atol(value.c_str());
        } else if (name == "--tcp") {
            CComSettings s;
            s.mode = ModbusTcp;
            s.serverAddress = value.substr(0, value.rfind(':'));
            s.servicePort = value.substr(value.rfind(':') + 1);
            links.push_back(s);
        } else if (name == "--serial") {
            CComSettings s;
            s.mode = ModbusRtu;
            s.comPortName = value;
            s.baudrate = 5;  // 38400
            s.parity = 0;
            links.push_back(s);
        } else {
            std::fprintf(stderr, "voltaro-soak-client: unknown option %s\n", name.c_str());
            return 2;
        }
    }
    // Further modes (the meter monitor's cycle) join here.
    if (mode != "upload" || links.empty()) {
        std::fprintf(stderr, "voltaro-soak-client: needs --mode upload and a link\n");
        return 2;
    }
    std::signal(SIGTERM, RequestStop);
    std::signal(SIGINT, RequestStop);

    const auto start = Clock::now();
    const auto end = start + std::chrono::seconds(seconds);
    auto nextReport = start + std::chrono::minutes(1);
    Counts counts;
    for (std::size_t turn = 0; !stopRequested && Clock::now() < end; ++turn) {
        UploadCycle(links[turn % links.size()], counts);
        if (Clock::now() >= nextReport) {
            PrintCounts("after", std::chrono::duration<double>(Clock::now() - start).count(),
                        counts);
            nextReport += std::chrono::minutes(1);
        }
    }
    PrintCounts("total", std::chrono::duration<double>(Clock::now() - start).count(), counts);
    return counts.ok > 0 ? 0 : 1;
}
