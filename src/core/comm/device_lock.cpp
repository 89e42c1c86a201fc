// CDeviceLock: the per-device advisory lock (flock on a file per device).
#include "core/comm/device_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "core/comm/serial_io.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/user_notice.h"

namespace voltaro {
namespace {

constexpr int kPollMs = 50;

// The user's words for the device: the port, or host:port (unit).
std::string DeviceText(const CComSettings& settings) {
    if (settings.mode == ModbusTcp)
        return settings.serverAddress + ":" + settings.servicePort + " (unit " +
               std::to_string(settings.address) + ")";
    const bool infrared = settings.mode == Infrared;
    const std::string& display =
        infrared ? settings.irComPortDisplayName : settings.comPortDisplayName;
    return display.empty() ? (infrared ? settings.irComPortName : settings.comPortName) : display;
}

// A directory of the user's own: made with mode 0700, refused when another user owns it
// (somebody else's directory in /tmp could hold planted links).
bool OwnDirectory(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
}

}  // namespace

std::string DeviceLockDirectory() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') return std::string(runtime) + "/voltaro-locks";
    return "/tmp/voltaro-locks-" + std::to_string(::geteuid());
}

std::string DeviceLockName(const CComSettings& settings) {
    std::string name;
    if (settings.mode == ModbusTcp) {
        name = "tcp-" + settings.serverAddress + "-" + settings.servicePort + "-" +
               std::to_string(settings.address);
    } else {
        // Both link kinds of one port are the same device; its real path names it.
        const std::string port =
            settings.mode == Infrared ? settings.irComPortName : settings.comPortName;
        std::string path = SerialDevicePath(port);
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            path = real;
            std::free(real);
        }
        name = "serial-" + path;
    }
    for (char& c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == '-';
        if (!plain) c = '_';
    }
    return name + ".lock";
}

CDeviceLock::CDeviceLock(const CComSettings& settings, uint32_t waitMs) {
    const std::string directory = DeviceLockDirectory();
    if (!OwnDirectory(directory)) return;
    const std::string path = directory + "/" + DeviceLockName(settings);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    bool told = false;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) {  // no locking on this file system: work unlocked
            ::close(fd);
            return;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            throw CPrivateException(FormatMessageId(kMsgDeviceInUse, {DeviceText(settings)}));
        }
        if (!told) {
            TellUser(FormatMessageId(kMsgDeviceInUseWaiting, {DeviceText(settings)}));
            told = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
    fd_ = fd;
}

CDeviceLock::~CDeviceLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the flock
}

}  // namespace voltaro
