// The meter monitor's cycle as the window runs it: the monitoring thread executes one
// command at a time and, from its notification, the next command of the cycle is posted
// at once, for SECONDS. Prints the passes per second and the CPU time of this process
// (the monitoring thread's work; the device is another process) per pass.
//   monitor_throughput tcp HOST PORT SECONDS
//   monitor_throughput rtu TTY BAUD SECONDS
// With a device that never answers, the cycle must wait on its time-outs without using
// the processor; these modes make such a device here (a TCP listener that takes the
// connection but never answers, or a pseudo-terminal whose far end only drains) and print
// the CPU share of the process while the commands keep failing:
//   monitor_throughput silent-tcp SECONDS
//   monitor_throughput silent-rtu SECONDS
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/app/meter_monitor_model.h"
#include "core/comm/modbus_interface.h"
#include "core/monitor/back_thread.h"
#include "core/monitor/measurand_store.h"
#include "core/monitor/monitor_registers.h"

namespace {

using namespace voltaro;
using Clock = std::chrono::steady_clock;

double ProcessCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Posts the cycle's next command from every notification, as the monitor window does.
class CycleDriver : public CObserver {
  public:
    CycleDriver(CBackThread& thread, CMeasurandsKT2& store) : thread_(thread), store_(store) {}
    void Update(CObservable*) override {
        const CycleUpdate update =
            cycle_.OnCommandDone(thread_.lastFailed, thread_.DeviceType(), store_);
        ++commands;
        if (thread_.lastFailed) ++failures;
        if (update.next.command == kCmdIdentity) ++passes;
        if (!update.handOver) thread_.Post(update.next.command, update.next.argument);
    }
    void Start() {
        const MonitorRequest first = cycle_.Start();
        thread_.Post(first.command, first.argument);
    }
    std::atomic<int> passes{0};
    std::atomic<int> commands{0};
    std::atomic<int> failures{0};

  private:
    CBackThread& thread_;
    CMeasurandsKT2& store_;
    CMeterMonitorModel cycle_;
};

// A TCP peer that takes every connection and never answers; its thread sleeps in accept.
class SilentTcpDevice {
  public:
    SilentTcpDevice() {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof a;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&a), length) != 0 ||
            ::listen(listener_, 16) != 0 ||
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &length) != 0) {
            std::perror("listener");
            std::exit(1);
        }
        port_ = ntohs(a.sin_port);
        thread_ = std::thread([this] {
            for (;;) {
                const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
                if (fd < 0) return;  // the listener was shut down
                taken_.push_back(fd);
            }
        });
    }
    ~SilentTcpDevice() {
        ::shutdown(listener_, SHUT_RDWR);
        thread_.join();
        ::close(listener_);
        for (int fd : taken_)
            ::close(fd);
    }
    uint16_t Port() const { return port_; }

  private:
    int listener_ = -1;
    uint16_t port_ = 0;
    std::vector<int> taken_;
    std::thread thread_;
};

// A pseudo-terminal whose far end reads and drops every request; its thread sleeps in read.
class SilentSerialDevice {
  public:
    SilentSerialDevice() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
            std::perror("pseudo-terminal");
            std::exit(1);
        }
        path_ = ::ptsname(master_);
        // Held open so that the far end stays connected between the client's opens.
        holder_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        thread_ = std::thread([this] {
            uint8_t chunk[256];
            while (::read(master_, chunk, sizeof chunk) > 0) {
            }
        });
    }
    ~SilentSerialDevice() {
        ::close(holder_);
        ::close(master_);
        thread_.detach();  // its read ends with the descriptor
    }
    const std::string& Path() const { return path_; }

  private:
    int master_ = -1;
    int holder_ = -1;
    std::string path_;
    std::thread thread_;
};

int Usage() {
    std::fprintf(stderr,
                 "usage: monitor_throughput tcp HOST PORT SECONDS | rtu TTY BAUD SECONDS |"
                 " silent-tcp SECONDS | silent-rtu SECONDS\n");
    return 2;
}

int BaudIndex(int baud) {
    const int rates[] = {1200, 2400, 4800, 9600, 19200, 38400};
    for (int i = 0; i < 6; ++i)
        if (rates[i] == baud) return i;
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    const std::string mode = argv[1];
    CComSettings settings;
    std::unique_ptr<SilentTcpDevice> silentTcp;
    std::unique_ptr<SilentSerialDevice> silentSerial;
    double seconds = 0;
    if (mode == "tcp" && argc == 5) {
        settings.mode = ModbusTcp;
        settings.serverAddress = argv[2];
        settings.servicePort = argv[3];
        seconds = std::atof(argv[4]);
    } else if (mode == "rtu" && argc == 5) {
        settings.mode = ModbusRtu;
        settings.comPortName = argv[2];
        settings.baudrate = BaudIndex(std::atoi(argv[3]));
        settings.parity = 0;
        seconds = std::atof(argv[4]);
        if (settings.baudrate < 0) return Usage();
    } else if (mode == "silent-tcp" && argc == 3) {
        silentTcp = std::make_unique<SilentTcpDevice>();
        settings.mode = ModbusTcp;
        settings.serverAddress = "127.0.0.1";
        settings.servicePort = std::to_string(silentTcp->Port());
        seconds = std::atof(argv[2]);
    } else if (mode == "silent-rtu" && argc == 3) {
        silentSerial = std::make_unique<SilentSerialDevice>();
        settings.mode = ModbusRtu;
        settings.comPortName = silentSerial->Path();
        settings.parity = 0;
        seconds = std::atof(argv[2]);
    } else {
        return Usage();
    }
    const bool silent = silentTcp || silentSerial;
    CModbusInterface client(settings);
    // A silent device fails every attempt on its time-out: shorter ones give more of them
    // in the time measured; the waiting is the same.
    if (silent) {
        client.timeouts.tcpResponseMs = 200;
        client.timeouts.readBaseMs = 150;
    }
    CMeasurandsKT2 store;
    CBackThread thread(client, store);
    CycleDriver driver(thread, store);
    Attach(store, driver);
    thread.Start();
    driver.Start();
    // The first pass warms up (connection set-up, page faults) and is not counted; a
    // silent device is measured from its first command on.
    const auto warmUpEnd = Clock::now() + std::chrono::seconds(5);
    while (!silent && driver.passes < 1 && Clock::now() < warmUpEnd)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const int passes0 = driver.passes, commands0 = driver.commands;
    const double cpu0 = ProcessCpuMs();
    const auto start = Clock::now();
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    const double cpu = ProcessCpuMs() - cpu0;
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    const int passes = driver.passes - passes0, commands = driver.commands - commands0;
    thread.Stop();
    store.Detach(driver);
    if (silent) {
        std::printf("silent device: commands=%d failures=%d cpu_ms=%.2f cpu_percent=%.3f\n",
                    commands, driver.failures.load(), cpu, 100.0 * cpu / (1000.0 * wall));
        return driver.failures == driver.commands && commands > 0 ? 0 : 1;
    }
    if (passes <= 0 || driver.failures > 0) {
        std::fprintf(stderr, "no complete pass, or failed commands (%d)\n", driver.failures.load());
        return 1;
    }
    std::printf("passes=%d commands=%d passes_per_s=%.2f cpu_ms_per_pass=%.3f\n", passes, commands,
                passes / wall, cpu / passes);
    return 0;
}
