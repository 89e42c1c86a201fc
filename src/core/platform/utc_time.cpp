#include "core/platform/utc_time.h"

#include <cstdio>
#include <ctime>

namespace voltaro {

std::string IsoUtcTimeText(std::chrono::system_clock::time_point time) {
    using namespace std::chrono;
    // Whole seconds rounded down, also before 1970, so that the milliseconds are 0 .. 999.
    const auto seconds = floor<std::chrono::seconds>(time);
    const auto millis = duration_cast<milliseconds>(time - seconds).count();
    const std::time_t t = system_clock::to_time_t(seconds);
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                  static_cast<int>(millis));
    return text;
}

}  // namespace voltaro
