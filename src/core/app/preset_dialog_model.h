#pragma once
// The meter preset dialog's read: on the background executor, under the client's lock,
// identify the device and read what the energy page's current view shows for the
// dialog's channel (the counters of a device without counters read as zeros, with no
// request). A communication failure sets the error flag and leaves the store as it was.
#include <atomic>

#include "core/monitor/measurand_store.h"
#include "core/monitor/monitor_commands.h"

namespace voltaro {

class CModbusInterface;

// The monitor command whose list a view (0 .. 4) shows.
int PresetReadCommand(int view);

class CPresetReader {
  public:
    CPresetReader(CModbusInterface& client, CMeasurandsKT2& store, int channel)
        : client_(client), store_(store) {
        state_.channel = channel;
    }
    // The view to read next (set on the user interface thread).
    std::atomic<int> view{0};
    // Runs one read (executor thread).
    void Read();
    // Results of the last read (valid after its completion).
    bool Failed() const { return failed_; }
    int ReadView() const { return readView_; }
    const CDeviceType& DeviceType() const { return state_.deviceType; }
    bool SwapWords() const { return state_.swapWords; }

  private:
    CModbusInterface& client_;
    CMeasurandsKT2& store_;
    MonitorCommandState state_;
    bool failed_ = false;
    int readView_ = -1;
};

}  // namespace voltaro
