// Wall-clock time of one recorded row on the thread that writes it (the monitor windows'
// GUI thread): the row of a meter pass built from a filled store and appended, flushed, to
// a CSV file in a temporary folder. Prints the median and the 99th percentile.
//   record_row [ROWS] [DIR]
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/model/device_type.h"
#include "core/monitor/measurand_store.h"
#include "core/monitor/monitor_recorder.h"
#include "core/platform/utc_time.h"

namespace {

double WallUs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace voltaro;
    const int rows = argc > 1 ? std::atoi(argv[1]) : 2000;
    const std::string dir = argc > 2 ? argv[2] : "/tmp";
    const std::string path = dir + "/record_row_bench.csv";
    std::remove(path.c_str());
    // A 7811 with counters and analogue outputs: the widest meter row.
    const CDeviceType type(7811, 240, 0x0001, {1, 1, 2, 2, 0});
    CMeasurandsKT2 store;
    uint32_t* slots = store.Slots();
    for (int i = 0; i < kMeasurandSlots; ++i)
        slots[i] = static_cast<uint32_t>(i * 7919);
    CMonitorRecorder recorder;
    recorder.Start(path, MeterLogColumns(type));
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) {
        const double start = WallUs();
        recorder.Pass(IsoUtcTimeText(std::chrono::system_clock::now()), store);
        times.push_back(WallUs() - start);
    }
    recorder.Stop();
    std::remove(path.c_str());
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const double p99 = times[times.size() * 99 / 100];
    std::printf("recorded row (%zu columns): median %.1f us, 99th percentile %.1f us\n",
                MeterLogColumns(type).indexes.size() + 1, median, p99);
    return 0;
}
