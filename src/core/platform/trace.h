#pragma once
// Debug trace: silent unless the environment variable VOLTARO_TRACE is set,
// then every line goes to standard error.
#include <string>

namespace voltaro {

bool TraceEnabled();
void Trace(const std::string& line);
// printf-style convenience; the format is the system's own (never user text).
void TraceF(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace voltaro
