#include "core/platform/trace.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace voltaro {

bool TraceEnabled() {
    static const bool enabled = std::getenv("VOLTARO_TRACE") != nullptr;
    return enabled;
}

void Trace(const std::string& line) {
    if (!TraceEnabled()) return;
    static std::mutex mutex;
    std::lock_guard<std::mutex> lock(mutex);
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
}

void TraceF(const char* format, ...) {
    if (!TraceEnabled()) return;
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    Trace(buffer);
}

}  // namespace voltaro
