#pragma once
// What the "Utility" dialog offers for the monitored device: the device id, the channel
// index of the monitor's Channel selector (0 for devices with one input) and the number
// of counters decide which buttons are enabled.
#include <cstdint>

namespace voltaro {

constexpr uint16_t kZbDeviceId = 7851;  // the multi-circuit series with the loop test

struct UtilityDevice {
    uint16_t deviceId = 0;
    int channel = 0;   // channel index
    int counters = 0;  // 0, 4 or 8
};

inline bool UtilityCounterEnabled(const UtilityDevice& device) {
    return device.counters > 0;
}
inline bool UtilityLoopTestEnabled(const UtilityDevice& device) {
    return device.deviceId == kZbDeviceId;
}

}  // namespace voltaro
