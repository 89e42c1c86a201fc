// The client side of bench/soak: one long-lived process that repeats a cycle against
// simulated devices until its time is up, the way the desktop program runs for a day.
//   voltaro-soak-client --mode upload|monitor|both --seconds N [--tcp HOST:PORT]
//                       [--serial PATH]
// Mode "upload": whole uploads through the progress thread, taking turns over the links
// given. Mode "monitor": the meter monitor's window without its widgets, opened on each
// link in turn for a few passes of its cycle and closed again (monitor_soak.cpp). Mode
// "both": one upload, then one monitor session, on each link in turn. Failures caused by
// the simulator's faults are counted, not fatal; a crash or a sanitizer report is what
// the soak looks for. Prints one summary line per minute and a final one on standard
// output; exits 0 when every mode run had at least one successful cycle.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/comm/modbus_interface.h"
#include "core/model/parameter_image.h"
#include "core/platform/private_exception.h"
#include "core/transfer/progress_thread.h"
#include "soak_counts.h"

namespace {

using namespace voltaro;
using Clock = std::chrono::steady_clock;

extern "C" void RequestStop(int) {
    soakStopRequested = 1;
}

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

void PrintCounts(const char* label, double seconds, const Counts& uploads,
                 const MonitorCounts& monitor) {
    std::printf("%s %.0f s: %ld uploads ok, %ld failed", label, seconds, uploads.ok,
                uploads.failed);
    for (const auto& [what, n] : uploads.failures)
        std::printf("; %ld x %s", n, what.c_str());
    std::printf(
        " | monitor: %ld sessions, %ld passes, %ld commands ok, %ld failed, %zu "
        "characters",
        monitor.sessions, monitor.passes, monitor.commands.ok, monitor.commands.failed,
        monitor.characters);
    for (const auto& [what, n] : monitor.commands.failures)
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
    const bool upload = mode == "upload" || mode == "both";
    const bool monitor = mode == "monitor" || mode == "both";
    if ((!upload && !monitor) || links.empty()) {
        std::fprintf(stderr,
                     "voltaro-soak-client: needs --mode upload, monitor or both and a "
                     "link\n");
        return 2;
    }
    std::signal(SIGTERM, RequestStop);
    std::signal(SIGINT, RequestStop);

    const auto start = Clock::now();
    const auto end = start + std::chrono::seconds(seconds);
    auto nextReport = start + std::chrono::minutes(1);
    Counts uploads;
    MonitorCounts monitored;
    for (std::size_t turn = 0; !soakStopRequested && Clock::now() < end; ++turn) {
        const CComSettings& link = links[turn % links.size()];
        if (upload) UploadCycle(link, uploads);
        if (monitor && !soakStopRequested) MonitorSession(link, turn, monitored);
        if (Clock::now() >= nextReport) {
            PrintCounts("after", std::chrono::duration<double>(Clock::now() - start).count(),
                        uploads, monitored);
            nextReport += std::chrono::minutes(1);
        }
    }
    PrintCounts("total", std::chrono::duration<double>(Clock::now() - start).count(), uploads,
                monitored);
    const bool uploadsOk = !upload || uploads.ok > 0;
    const bool monitorOk = !monitor || (monitored.passes > 0 && monitored.stalls == 0);
    return uploadsOk && monitorOk ? 0 : 1;
}
