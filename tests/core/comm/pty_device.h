#pragma once
// A scripted Modbus-RTU device on the master side of a pseudo-terminal pair: a thread
// reads each request frame and lets the test's handler answer (or stay silent).
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/comm/comm_test_util.h"
#include "core/comm/rtu_framing.h"

namespace voltaro::test {

using Bytes = std::vector<uint8_t>;

inline uint16_t RegisterValue(int address) {
    return static_cast<uint16_t>(address * 7 + 3);
}

// The correct answer of a simulated device to a read or write request (without CRC).
inline Bytes AnswerTo(const Bytes& request) {
    if (request[1] == 4) {
        int address = request[2] << 8 | request[3];
        int count = request[5];
        Bytes answer{request[0], 4, static_cast<uint8_t>(2 * count)};
        for (int i = 0; i < count; ++i) {
            uint16_t v = RegisterValue(address + i);
            answer.push_back(static_cast<uint8_t>(v >> 8));
            answer.push_back(static_cast<uint8_t>(v & 0xFF));
        }
        return answer;
    }
    return Bytes(request.begin(), request.begin() + 6);
}

class PtyDevice {
  public:
    // Handler: gets the request (without CRC) and its index; returns the bytes to send
    // back (already framed), or nothing for a silent device. It may also write to fd().
    using Handler = std::function<Bytes(const Bytes& request, int index)>;

    explicit PtyDevice(Handler handler) : handler_(std::move(handler)) {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(master_);
        ::unlockpt(master_);
        slavePath_ = ::ptsname(master_);
        // Held open so that the master never sees a hang-up between connections.
        keeper_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY);
        thread_ = std::thread([this] { Run(); });
    }
    ~PtyDevice() {
        stop_ = true;
        thread_.join();
        ::close(keeper_);
        ::close(master_);
    }

    const std::string& SlavePath() const { return slavePath_; }
    int fd() const { return master_; }
    int keeperFd() const { return keeper_; }

    std::vector<Bytes> Requests() { return log_.Requests(); }
    bool WaitForRequests(std::size_t count) { return log_.WaitForRequests(count); }
    void Send(const Bytes& bytes) {
        [[maybe_unused]] auto n = ::write(master_, bytes.data(), bytes.size());
    }

  private:
    void Run() {
        Bytes pending;
        while (!stop_) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 10) <= 0 || !(p.revents & POLLIN)) continue;
            uint8_t chunk[512];
            ssize_t n = ::read(master_, chunk, sizeof chunk);
            if (n <= 0) continue;
            pending.insert(pending.end(), chunk, chunk + n);
            for (;;) {
                std::size_t length = FrameLength(pending);
                if (length == 0 || pending.size() < length) break;
                Bytes request(pending.begin(), pending.begin() + length - 2);
                pending.erase(pending.begin(), pending.begin() + length);
                Bytes answer = handler_(request, log_.Add(request));
                if (!answer.empty()) Send(answer);
            }
        }
    }
    static std::size_t FrameLength(const Bytes& b) {
        if (b.size() < 2) return 0;
        if (b[1] == 16) return b.size() < 7 ? 0 : 9 + b[6];
        return 8;
    }

    Handler handler_;
    int master_ = -1;
    int keeper_ = -1;
    std::string slavePath_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    RequestLog log_;
};

}  // namespace voltaro::test
