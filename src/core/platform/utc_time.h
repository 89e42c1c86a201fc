#pragma once
// Points in time as ISO 8601 text in UTC, for logs and machine-readable output.
#include <chrono>
#include <string>

namespace voltaro {

// "2026-12-07T15:54:00.123Z": UTC, milliseconds truncated.
std::string IsoUtcTimeText(std::chrono::system_clock::time_point time);

}  // namespace voltaro
