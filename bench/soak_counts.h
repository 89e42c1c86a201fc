#pragma once
// What the soak client counts, shared by its cycles (soak_client.cpp, monitor_soak.cpp).
#include <csignal>
#include <cstddef>
#include <map>
#include <string>

#include "core/comm/com_settings.h"

namespace voltaro {

// Set by SIGTERM and SIGINT: the cycle in progress ends and the totals are printed.
inline volatile std::sig_atomic_t soakStopRequested = 0;

struct Counts {
    long ok = 0;
    long failed = 0;
    std::map<std::string, long> failures;  // by the failure's first line
};

struct MonitorCounts {
    long sessions = 0;           // windows opened and closed
    long passes = 0;             // cycles back to the identity command
    Counts commands;             // each command the thread completed, failed ones by number
    long stalls = 0;             // the thread reported nothing for a long time (a hang)
    std::size_t characters = 0;  // formatted cell texts, as the window fills its grids
};

// One session of the meter monitor on link: a window opened, a few passes of its cycle
// with its views taken in turn, the window closed. turn varies the views and the length.
void MonitorSession(const CComSettings& link, std::size_t turn, MonitorCounts& counts);

}  // namespace voltaro
