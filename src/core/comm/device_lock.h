#pragma once
// A per-device advisory lock between the programs of this system on one computer: while
// one holds the lock of a device (a serial port, or a TCP host, port and unit), another
// that asks for it waits, telling the user, and gives up after a limit. Sequences that
// must not interleave take it for their whole length, e.g. unlock - download - relock,
// which a second program would otherwise relock half-way.
//
// The lock files live in ${XDG_RUNTIME_DIR}/voltaro-locks, or /tmp/voltaro-locks-UID
// without XDG_RUNTIME_DIR (a directory of the user's own, mode 0700). The lock is an
// flock on that file: the system releases it when the process ends, however it ends.
#include <cstdint>
#include <string>

#include "core/comm/com_settings.h"

namespace voltaro {

// How long a second program waits for the device by default.
constexpr uint32_t kDeviceLockWaitMs = 120000;

class CDeviceLock {
  public:
    // Takes the lock of the device that settings point at. When another holder has it,
    // tells kMsgDeviceInUseWaiting once and waits up to waitMs; then throws
    // CPrivateException kMsgDeviceInUse. When no lock file can be made (no runtime
    // directory), works unlocked.
    explicit CDeviceLock(const CComSettings& settings, uint32_t waitMs = kDeviceLockWaitMs);
    ~CDeviceLock();
    CDeviceLock(const CDeviceLock&) = delete;
    CDeviceLock& operator=(const CDeviceLock&) = delete;

    bool Held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

// The lock file's name for the device of settings: the link and its address, with every
// character outside [A-Za-z0-9.-] as '_' (so that no name leaves the lock directory).
std::string DeviceLockName(const CComSettings& settings);
// The directory of the lock files (see the top of this file).
std::string DeviceLockDirectory();

}  // namespace voltaro
