// Memory of the meter monitor's trend chart after a long run: every chartable measurand
// fed at a given rate for a given time (simulated clock), then the process's resident
// memory growth, the chart's own count of its entries' bytes and its stated bound, and the
// time of one window query of 24 hours reduced to 2000 points.
//   trend_memory [HOURS] [RATE_HZ]   (defaults: 24, 10)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "core/app/trend_chart_model.h"

namespace {

using namespace voltaro;

double ResidentMb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096.0 / (1024.0 * 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    const double hours = argc > 1 ? std::atof(argv[1]) : 24.0;
    const double rate = argc > 2 ? std::atof(argv[2]) : 10.0;
    const double before = ResidentMb();
    CTrendChartModel model(MeterTrendSeries());
    CMeasurandsKT2 store;
    const int64_t start = 1'765'000'000'000;
    const auto step = static_cast<int64_t>(1000.0 / rate);
    const auto end = start + static_cast<int64_t>(hours * 3600'000.0);
    int32_t v = 0;
    for (int64_t t = start; t < end; t += step) {
        store.SetValue(kIdxPhaseVoltage1, 23000 + (++v % 97));
        model.Sample(t, TrendGroup::kValues, store);
        model.Sample(t, TrendGroup::kThd, store);
    }
    const double after = ResidentMb();
    for (std::size_t s = 0; s < model.Series().size(); ++s)
        model.SetTicked(s, true);
    model.SetSpan(TrendSpans().back());
    const auto q0 = std::chrono::steady_clock::now();
    std::size_t points = 0;
    for (std::size_t s = 0; s < model.Series().size(); ++s)
        points += model.Points(s, 2000).size();
    const double queryMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - q0).count();
    std::printf("trend memory: %zu measurands, %.1f h at %.0f Hz\n", model.Series().size(), hours,
                rate);
    std::printf("resident growth: %.1f MB\n", after - before);
    std::printf("entries: %.1f MB of at most %.1f MB\n",
                static_cast<double>(model.MemoryBytes()) / (1024.0 * 1024.0),
                static_cast<double>(model.MaxMemoryBytes()) / (1024.0 * 1024.0));
    std::printf("24 h window of every measurand at 2000 points: %zu points in %.1f ms\n", points,
                queryMs);
    return 0;
}
