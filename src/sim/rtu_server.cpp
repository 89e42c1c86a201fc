#include "sim/rtu_server.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "core/platform/paths.h"
#include "core/platform/private_exception.h"
#include "core/platform/sys_error.h"

namespace voltaro::sim {
namespace {

constexpr unsigned long kLineTimerSlackNs = 1000;

speed_t SpeedOf(int baud) {
    switch (baud) {
        case 300:
            return B300;
        case 600:
            return B600;
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
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        default:
            throw CPrivateException("Unsupported baud rate " + std::to_string(baud) + ".");
    }
}

void MakeRaw(int fd, const LineOptions& line, bool setSpeed) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0) return;
    cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    if (setSpeed) {
        cfsetspeed(&tio, SpeedOf(line.baud));
        tio.c_cflag &= static_cast<tcflag_t>(~(PARENB | PARODD | CSTOPB));
        if (line.parity != 'N') tio.c_cflag |= PARENB;
        if (line.parity == 'O') tio.c_cflag |= PARODD;
        if (line.stopBits == 2) tio.c_cflag |= CSTOPB;
    }
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    tcsetattr(fd, TCSANOW, &tio);
}

// The baud rate applied to the other side of a pseudo-terminal (the master reads the
// slave's termios); 0 when it cannot be read. Parity does not travel: the pseudo-terminal
// driver clears PARENB whatever the client asks for.
int AppliedBaud(int fd) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0) return 0;
    for (int baud : {300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200})
        if (cfgetospeed(&tio) == SpeedOf(baud)) return baud;
    return 0;
}

}  // namespace

std::string RtuServer::StartPty(const std::string& link) {
    if (running_) throw CPrivateException("The RTU transport is already running.");
    fd_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0 || grantpt(fd_) != 0 || unlockpt(fd_) != 0) {
        throw CPrivateException("Cannot create a pseudo-terminal: " + SystemErrorText(errno));
    }
    char name[128];
    if (ptsname_r(fd_, name, sizeof name) != 0) {
        throw CPrivateException("Cannot name the pseudo-terminal: " + SystemErrorText(errno));
    }
    slaveFd_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slaveFd_ >= 0) MakeRaw(slaveFd_, core_.Line(), false);
    const std::string directory = VirtualPortDirectory();
    mkdir(directory.c_str(), 0700);
    // The port list ignores a folder that is not the user's own; publishing there would
    // also follow links that another user put in place.
    if (!IsPrivateDirectory(directory))
        throw CPrivateException("Cannot publish the port in " + directory +
                                ": the folder is not private to this user.");
    linkPath_ = directory + "/" + (link.empty() ? "VOLTARO-SIM-" + std::to_string(getpid()) : link);
    unlink(linkPath_.c_str());
    if (symlink(name, linkPath_.c_str()) != 0) {
        const int error = errno;
        linkPath_.clear();
        throw CPrivateException("Cannot publish the port in " + directory + ": " +
                                SystemErrorText(error));
    }
    channel_ = "pty";
    if (pipe2(wakePipe_, O_CLOEXEC) != 0) throw CPrivateException("Cannot create a pipe.");
    running_ = true;
    thread_ = std::thread([this] { Run(); });
    return name;
}

void RtuServer::StartSerial(const std::string& path) {
    if (running_) throw CPrivateException("The RTU transport is already running.");
    fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) throw CPrivateException("Cannot open " + path + ": " + SystemErrorText(errno));
    MakeRaw(fd_, core_.Line(), true);
    channel_ = "serial";
    if (pipe2(wakePipe_, O_CLOEXEC) != 0) throw CPrivateException("Cannot create a pipe.");
    running_ = true;
    thread_ = std::thread([this] { Run(); });
}

void RtuServer::Stop() {
    if (running_.exchange(false)) {
        const char wake = 1;
        [[maybe_unused]] const ssize_t written = write(wakePipe_[1], &wake, 1);
        if (thread_.joinable()) thread_.join();
    }
    if (!linkPath_.empty()) unlink(linkPath_.c_str());
    linkPath_.clear();
    for (int* fd : {&fd_, &slaveFd_, &wakePipe_[0], &wakePipe_[1]}) {
        if (*fd >= 0) close(*fd);
        *fd = -1;
    }
}

void RtuServer::Run() {
    using Clock = std::chrono::steady_clock;
    // The emulated line speed sleeps to deadlines of a few milliseconds; the default 50 us timer
    // slack of this thread would show as added wire time.
    if (core_.Line().lineSpeed) ::prctl(PR_SET_TIMERSLACK, kLineTimerSlackNs);
    const double silenceMs = FrameSilenceMs(core_.Line().baud);
    std::vector<uint8_t> buffer;
    Clock::time_point lastByte = Clock::now();
    while (running_) {
        int timeout = 200;
        if (!buffer.empty()) {
            const double waited =
                std::chrono::duration<double, std::milli>(Clock::now() - lastByte).count();
            timeout = static_cast<int>(silenceMs - waited) + 1;
            if (timeout < 0) timeout = 0;
        }
        pollfd fds[2] = {{fd_, POLLIN, 0}, {wakePipe_[0], POLLIN, 0}};
        const int ready = poll(fds, 2, timeout);
        if (ready < 0 && errno != EINTR) break;
        if (fds[1].revents != 0) break;
        const Clock::time_point now = Clock::now();
        const bool silence =
            std::chrono::duration<double, std::milli>(now - lastByte).count() >= silenceMs;
        if (silence && !buffer.empty()) {
            // A silence ends a frame: a function without a known length is judged as it
            // stands; an incomplete request is thrown away.
            if (RtuRequestLength(buffer.data(), buffer.size()) < 0)
                Process(buffer);
            else
                core_.LogBytes(channel_, "<-", buffer, "incomplete frame discarded");
            buffer.clear();
        }
        if (fds[0].revents & POLLIN) {
            uint8_t chunk[512];
            const ssize_t got = read(fd_, chunk, sizeof chunk);
            if (got > 0) {
                buffer.insert(buffer.end(), chunk, chunk + got);
                lastByte = Clock::now();
            }
        } else if (fds[0].revents & (POLLHUP | POLLERR)) {
            SleepMs(10);  // no client on the other side
        }
        for (;;) {
            const int length = RtuRequestLength(buffer.data(), buffer.size());
            if (length <= 0 || buffer.size() < static_cast<std::size_t>(length)) break;
            const std::vector<uint8_t> frame(buffer.begin(), buffer.begin() + length);
            buffer.erase(buffer.begin(), buffer.begin() + length);
            Process(frame);
        }
    }
}

void RtuServer::Process(const std::vector<uint8_t>& frame) {
    if (bus_.empty()) {
        Serve(core_, frame);
        return;
    }
    // A device at another baud rate hears noise. (Stop bits would not matter on a real line
    // either: a receiver samples only the first.)
    const int baud = AppliedBaud(fd_);
    for (ServerCore* core : bus_) {
        if (!frame.empty() && (frame[0] == core->Unit() || frame[0] == 0) &&
            baud == core->Line().baud)
            Serve(*core, frame);
    }
}

void RtuServer::Serve(ServerCore& core, const std::vector<uint8_t>& frame) {
    const LineOptions& line = core.Line();
    if (!RtuCrcValid(frame.data(), frame.size())) {
        core.Count(&SimulatorCounts::badCrc);
        core.LogBytes(channel_, "<-", frame, "bad CRC: no answer");
        return;
    }
    const std::vector<uint8_t> pdu(frame.begin() + 1, frame.end() - 2);
    const uint8_t unit = frame[0];
    if (unit != core.Unit() && unit != 0) {
        core.Count(&SimulatorCounts::otherUnit);
        core.LogBytes(channel_, "<-", frame, "unit " + std::to_string(unit) + ": not for us");
        return;
    }
    core.LogBytes(channel_, "<-", frame, DescribeRequest(pdu));
    // With the line speed emulated, the request's and the answer's wire times run from the
    // moment the request was complete, as one deadline: two separate sleeps would each add
    // their wake-up delay to the exchange.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point received = Clock::now();
    const auto wireTime = [&](std::size_t bytes) {
        return std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double, std::milli>(WireTimeMs(bytes, line.baud)));
    };
    FaultDecision decision;
    std::optional<std::vector<uint8_t>> answer = core.Handle(pdu, channel_, decision);
    if (!answer || unit == 0) {  // dropped, or a broadcast: never answered
        if (line.lineSpeed) std::this_thread::sleep_until(received + wireTime(frame.size()));
        return;
    }
    std::vector<uint8_t> bytes = RtuFrame(unit, *answer);
    std::string note = DescribeAnswer(pdu, *answer);
    if (decision.corruptCrc) {
        bytes.back() ^= 0x5A;
        core.Count(&SimulatorCounts::corrupted);
        note += " [CRC corrupted]";
    }
    if (decision.cutShort) {
        bytes.resize(ServerCore::CutLength(bytes.size()));
        core.Count(&SimulatorCounts::shortened);
        note += " [cut short]";
    }
    if (line.lineSpeed)
        std::this_thread::sleep_until(received + wireTime(frame.size()) + wireTime(bytes.size()));
    core.LogBytes(channel_, "->", bytes, note);
    for (std::size_t at = 0; at < bytes.size();) {
        const ssize_t written = write(fd_, bytes.data() + at, bytes.size() - at);
        if (written < 0) {
            if (errno == EAGAIN || errno == EINTR) {
                SleepMs(1);
                continue;
            }
            break;
        }
        at += static_cast<std::size_t>(written);
    }
}

}  // namespace voltaro::sim
