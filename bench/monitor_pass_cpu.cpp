// CPU time that the core spends on one pass of the meter monitor: the six commands of the
// cycle's pass (identity and vectors, the Trend view, the first tariff, THD, one spectrum,
// the analogue outputs) read from a simulated device on loopback TCP, and the formatting
// of every cell those commands fill. Measured as the CPU time of the thread that runs the
// passes; the simulator answers on threads of its own, which are not counted.
//   monitor_pass_cpu [PASSES] [ROW]
#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/app/meter_monitor_model.h"
#include "core/app/monitor_page_lists.h"
#include "core/comm/modbus_interface.h"
#include "core/monitor/measurand_format.h"
#include "core/monitor/monitor_commands.h"
#include "core/monitor/monitor_pass.h"
#include "core/work/sync_objects.h"
#include "sim/simulator.h"

namespace {

using namespace voltaro;

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// User-space CPU of this thread: the core's own work (framing, checks, decoding,
// formatting) without the kernel's loopback TCP, which on a real link is the wire's.
double ThreadUserMs() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec) * 1e3 +
           static_cast<double>(usage.ru_utime.tv_usec) / 1e3;
}

double WallMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

std::size_t FormatAll(const CMeasurandsKT2& store) {
    std::size_t characters = 0;
    for (auto list : {DeviceInfoValues(), InstantaneousValues(0), DemandValues(0), EnergyValues(0),
                      ThdValues(), AnalogOutputValues()})
        for (const MeasurandCell& cell : MeasurandCellTexts(store, list))
            characters += cell.text.size();
    return characters;
}

}  // namespace

int main(int argc, char** argv) {
    const int passes = argc > 1 ? std::atoi(argv[1]) : 300;
    sim::SimulatorOptions options;
    options.device.row = argc > 2 ? std::atoi(argv[2]) : 53;
    options.line.turnaroundMs = 0;
    sim::Simulator simulator(options);
    CComSettings settings;
    settings.mode = ModbusTcp;
    settings.serverAddress = "127.0.0.1";
    settings.servicePort = std::to_string(simulator.StartTcp());
    CModbusInterface client(settings);
    CMeasurandsKT2 store;
    CMeterMonitorModel cycle;
    MonitorCommandState state;
    std::size_t characters = 0;

    // The cycle's pass, each command under the lock with the link opened and closed, as
    // the monitoring thread runs it. The first passes warm up (connections, page faults)
    // and are not counted.
    const int warmUp = passes / 10 + 1;
    double cpu0 = 0, user0 = 0, wall0 = 0;
    MonitorRequest request = cycle.Start();
    int commands = 0;
    for (int pass = -warmUp; pass < passes;) {
        if (pass == 0 && request.command == kCmdIdentity && cpu0 == 0) {
            cpu0 = ThreadCpuMs();
            user0 = ThreadUserMs();
            wall0 = WallMs();
            commands = 0;
        }
        {
            CAccessRight access(client);
            client.Open();
            ExecuteMonitorCommand(client, store, state, request.command, request.argument);
            client.Close();
        }
        ++commands;
        const CycleUpdate update = cycle.OnCommandDone(false, state.deviceType, store);
        request = update.next;
        if (request.command == kCmdIdentity) {
            characters += FormatAll(store);
            ++pass;
        }
    }
    const double cpuCycle = (ThreadCpuMs() - cpu0) / passes;
    const double userCycle = (ThreadUserMs() - user0) / passes;
    const double wallCycle = (WallMs() - wall0) / passes;

    // The command-line pass: every command, one spectrum, all indexes listed with texts.
    MonitorPassOptions all;
    all.harmonicSets = {0};
    const double cpu1 = ThreadCpuMs();
    const double user1 = ThreadUserMs();
    std::size_t entries = 0;
    for (int pass = 0; pass < passes; ++pass) {
        const MonitorPassResult result = ReadMonitorPass(client, store, all);
        if (!result.ok) {
            std::fprintf(stderr, "pass failed: %s\n", result.error.c_str());
            return 1;
        }
        entries += MeasurandEntries(store, result).size();
    }
    const double cpuFull = (ThreadCpuMs() - cpu1) / passes;
    const double userFull = (ThreadUserMs() - user1) / passes;

    std::printf("row %d, %d passes, %d commands, %zu characters, %zu entries\n", options.device.row,
                passes, commands, characters, entries);
    std::printf(
        "monitor cycle pass: %.3f ms user CPU, %.3f ms CPU with the kernel (%.3f ms wall)\n",
        userCycle, cpuCycle, wallCycle);
    std::printf("full pass with texts: %.3f ms user CPU, %.3f ms CPU with the kernel\n", userFull,
                cpuFull);
    return 0;
}
