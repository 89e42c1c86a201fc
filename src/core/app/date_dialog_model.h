#pragma once
// The "Set Date and Time" dialog without its widgets: the fields filled from the opening
// read, the auto-advance of the focus, the periodic read of the device clock (run on the
// background executor), what each 200 ms tick shows and enables, and when Close may end
// the dialog (only after the read in flight).
#include <array>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>

#include "core/device/device_clock.h"

namespace voltaro {

class CModbusInterface;

struct DateTickView {
    std::string pcText;           // "YYYY/MM/DD hh:mm:ss"
    std::string deviceText;       // empty while the device time is unavailable
    bool buttonsEnabled = false;  // "Set" and "Sync PC"
    bool postRead = false;        // post the periodic read again
};

class CDateDialogModel {
  public:
    explicit CDateDialogModel(const ClockWords& opening) : opening_(opening) {}

    std::array<std::string, 6> Fields() const { return ClockFields(opening_); }
    // The field the focus moves to after field holds length characters, or -1.
    static int NextField(int field, std::size_t length);

    // The periodic read (executor thread): reads the clock, never throws.
    void PeriodicRead(CModbusInterface& client);
    // Its completion (user interface thread): true when the dialog is to end now.
    bool ReadCompleted();
    // A timer tick (user interface thread).
    DateTickView Tick(const DateTime& pcTime);
    // Close: the dialog ends with the next completion.
    void Close() { closing_ = true; }
    bool Closing() const { return closing_; }

  private:
    ClockWords opening_;
    mutable std::mutex mutex_;  // latest_ and unavailable_ are written on the executor
    ClockWords latest_{};
    bool unavailable_ = true;
    bool readFinished_ = false;
    bool closing_ = false;
};

}  // namespace voltaro
