// Per-exchange latency of the Modbus client over TCP: N single-register reads over one
// connection, each timed on its own; prints the median and the 99th percentile.
//   read_latency HOST PORT N ADDRESS
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/comm/modbus_interface.h"
#include "core/work/sync_objects.h"

int main(int argc, char** argv) {
    using namespace voltaro;
    using Clock = std::chrono::steady_clock;
    if (argc != 5) {
        std::fprintf(stderr, "usage: read_latency HOST PORT N ADDRESS\n");
        return 2;
    }
    const int n = std::atoi(argv[3]);
    const int address = std::atoi(argv[4]);
    if (n <= 0) return 2;
    CComSettings settings;
    settings.mode = ModbusTcp;
    settings.address = 1;
    settings.serverAddress = argv[1];
    settings.servicePort = argv[2];
    CModbusInterface client(settings);
    CAccessRight access(client);
    client.Open();
    std::vector<double> us(static_cast<std::size_t>(n));
    uint16_t value = 0;
    for (int i = -n / 10 - 1; i < n; ++i) {  // the first reads warm up
        const auto start = Clock::now();
        client.ReadHoldingRegisters(address, 1, &value);
        if (i >= 0)
            us[static_cast<std::size_t>(i)] =
                std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    }
    client.Close();
    std::sort(us.begin(), us.end());
    std::printf("latency p50_us=%.1f p99_us=%.1f\n", us[us.size() / 2], us[us.size() * 99 / 100]);
    return 0;
}
