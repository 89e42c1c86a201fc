#include "core/comm/serial_io.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>

#include "core/comm/cancel_event.h"
#include "core/comm/rtu_framing.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/sys_error.h"

namespace voltaro {
namespace {

constexpr unsigned long kSerialTimerSlackNs = 1000;

// The errors of a port whose adapter was unplugged (or whose far end is gone).
bool IsPortGone(int error) {
    return error == EIO || error == ENXIO || error == ENODEV;
}

speed_t SpeedCode(uint32_t baud) {
    switch (baud) {
        case 1200:
            return B1200;
        case 2400:
            return B2400;
        case 4800:
            return B4800;
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        default:
            return B0;
    }
}

bool EqualsIgnoreCase(const std::string& a, std::size_t pos, const char* b) {
    for (std::size_t i = 0; b[i]; ++i) {
        if (pos + i >= a.size() || std::toupper(static_cast<unsigned char>(a[pos + i])) != b[i])
            return false;
    }
    return true;
}

}  // namespace

SerialLineSettings LineSettingsFor(const CComSettings& settings) {
    SerialLineSettings line;
    if (settings.mode == Infrared) {
        line = {1200, 8, 1, 1};
        return line;
    }
    line.baud = BaudRateOfIndex(settings.baudrate);
    line.dataBits = settings.character == 1 ? 8 : 7;
    line.parity = settings.parity;
    line.stopBits = settings.stop == 1 ? 2 : 1;
    return line;
}

std::string SerialDevicePath(const std::string& portName) {
    std::size_t pos = portName.rfind("\\\\.\\", 0) == 0 ? 4 : 0;
    if (EqualsIgnoreCase(portName, pos, "COM") && portName.size() > pos + 3) {
        std::size_t digits = pos + 3;
        bool allDigits = true;
        for (std::size_t i = digits; i < portName.size(); ++i)
            allDigits = allDigits && std::isdigit(static_cast<unsigned char>(portName[i]));
        if (allDigits && portName.size() - digits <= 6) {
            int n = std::stoi(portName.substr(digits));
            if (n >= 1) return "/dev/ttyS" + std::to_string(n - 1);
        }
    }
    return portName;
}

bool MakeRawTermios(termios& t, const SerialLineSettings& line) {
    speed_t speed = SpeedCode(line.baud);
    if (speed == B0) return false;
    cfmakeraw(&t);
    t.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK | PARMRK | IGNPAR);
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS | CMSPAR);
    t.c_cflag |= CLOCAL | CREAD | (line.dataBits == 8 ? CS8 : CS7);
    switch (line.parity) {
        case 1:
            t.c_cflag |= PARENB | PARODD;
            break;
        case 2:
            t.c_cflag |= PARENB;
            break;
        case 3:
            t.c_cflag |= PARENB | PARODD | CMSPAR;
            break;
        case 4:
            t.c_cflag |= PARENB | CMSPAR;
            break;
        default:
            break;
    }
    if (line.stopBits == 2) t.c_cflag |= CSTOPB;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    cfsetispeed(&t, speed);
    cfsetospeed(&t, speed);
    return true;
}

CSerialIO::~CSerialIO() {
    Close();
}

void CSerialIO::Open() {
    const bool infrared = settings.mode == Infrared;
    portPath_ = infrared ? settings.irComPortName : settings.comPortName;
    Close();
    const std::string& display =
        infrared ? settings.irComPortDisplayName : settings.comPortDisplayName;
    auto fail = [&]() {
        throw CPrivateException(
            FormatMessageId(kMsgPortCannotOpen, {display.empty() ? portPath_ : display}));
    };
    if (portPath_.empty()) throw CPrivateException(kMsgNoPortChosen);
    std::string device = SerialDevicePath(portPath_);
    if (device.empty()) fail();
    int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) fail();
    // TIOCEXCL keeps other (unprivileged) openers out; the lock also stops privileged
    // instances of this program from sharing the port.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
        ::close(fd);
        fail();
    }
    fd_ = fd;
    // The thread that opens the port runs its exchanges (the client's lock is held from
    // open to close). Its guard delays and response waits are a few milliseconds each: the
    // default timer slack (50 us) would add a noticeable share to every exchange.
    ::prctl(PR_SET_TIMERSLACK, kSerialTimerSlackNs);
}

void CSerialIO::OpenAndConfigure() {
    Open();
    Configure(LineSettingsFor(settings));
}

void CSerialIO::Configure(const SerialLineSettings& line) {
    termios t{};
    if (fd_ < 0 || ::tcgetattr(fd_, &t) != 0 || !MakeRawTermios(t, line) ||
        ::tcsetattr(fd_, TCSANOW, &t) != 0) {
        if (fd_ >= 0 && IsPortGone(errno)) ThrowPortGone(errno);
        throw CPrivateException(kMsgPortSettingsFailed);
    }
    applied_ = line;
}

void CSerialIO::ThrowPortGone(int error) const {
    const std::string& display =
        settings.mode == Infrared ? settings.irComPortDisplayName : settings.comPortDisplayName;
    throw CPrivateException(FormatMessageId(
        kMsgPortGone, {display.empty() ? portPath_ : display, SystemErrorText(error)}));
}

std::size_t CSerialIO::Write(const uint8_t* bytes, std::size_t count) {
    std::size_t written = 0;
    while (fd_ >= 0 && written < count) {
        ssize_t n = ::write(fd_, bytes + written, count - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            // Output buffer full: wait for room, but never for ever.
            if (WaitReady(fd_, POLLOUT, nullptr, 2000) != 1) break;
        } else {
            // An unplugged adapter: the port is gone, not misconfigured.
            if (n < 0 && IsPortGone(errno)) ThrowPortGone(errno);
            break;
        }
    }
    if (written != count) throw CPrivateException(kMsgPortSettingsFailed);
    ::tcdrain(fd_);
    return count;
}

std::size_t CSerialIO::Read(uint8_t* buffer, std::size_t count, uint32_t timeoutMs,
                            const CCancelEvent* cancel) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::size_t got = 0;
    while (fd_ >= 0 && got < count) {
        auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) break;
        int ready = WaitReady(fd_, POLLIN, cancel, static_cast<int>(left));
        if (ready != 1) break;
        ssize_t n = ::read(fd_, buffer + got, count - got);
        if (n > 0) {
            got += static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        } else {
            // Hang-up or a port error: nothing more will come; wait out the time-out
            // would only add delay, so the caller judges what arrived.
            break;
        }
    }
    return got;
}

void CSerialIO::Purge() {
    // Drops whatever an earlier exchange left behind: up to 512 bytes already received
    // are read and discarded without waiting for more (the guard delay after every
    // exchange has already given late bytes their time), then the driver's input queue
    // is flushed. Waiting for a quiet line here would add a fixed delay to every request.
    if (fd_ < 0) return;
    uint8_t discard[512];
    std::size_t total = 0;
    while (total < sizeof discard) {
        ssize_t n = ::read(fd_, discard, sizeof discard - total);
        if (n > 0) {
            total += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            break;  // nothing buffered (EAGAIN on the non-blocking descriptor) or an error
        }
    }
    ::tcflush(fd_, TCIFLUSH);
}

void CSerialIO::Close() {
    if (fd_ >= 0) {
        // The exclusive flag belongs to the tty, not to this descriptor: give it back.
        ::ioctl(fd_, TIOCNXCL);
        ::close(fd_);
        fd_ = -1;
    }
}

}  // namespace voltaro
