#pragma once
// A scripted Modbus-TCP device on a loopback port: accepts connections one after the
// other and lets the test's handler answer each request (by segments, or not at all).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
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

namespace voltaro::test {

class TcpDevice {
  public:
    using Bytes = std::vector<uint8_t>;
    struct Reply {
        std::vector<Bytes> segments;  // sent one after the other with a pause between
        bool close = false;           // close the connection instead of answering
    };
    // Gets the whole request (MBAP header included) and its index.
    using Handler = std::function<Reply(const Bytes& request, int index)>;

    explicit TcpDevice(Handler handler) : handler_(std::move(handler)) {
        listener_ = LoopbackSocket(4, port_);
        thread_ = std::thread([this] { Run(); });
    }
    ~TcpDevice() {
        stop_ = true;
        thread_.join();
        ::close(listener_);
    }

    std::string Port() const { return std::to_string(port_); }
    std::vector<Bytes> Requests() { return log_.Requests(); }
    bool WaitForRequests(std::size_t count) { return log_.WaitForRequests(count); }

    // The correct answer (MBAP included) to a request carrying transaction `tx`.
    static Bytes Answer(const Bytes& request, uint16_t (*value)(int), int txOffset = 0) {
        const uint16_t tx = static_cast<uint16_t>((request[0] << 8 | request[1]) + txOffset);
        Bytes pdu;
        if (request[7] == 4) {
            int address = request[8] << 8 | request[9];
            int count = request[11];
            pdu = {request[6], 4, static_cast<uint8_t>(2 * count)};
            for (int i = 0; i < count; ++i) {
                uint16_t v = value(address + i);
                pdu.push_back(static_cast<uint8_t>(v >> 8));
                pdu.push_back(static_cast<uint8_t>(v & 0xFF));
            }
        } else {
            for (std::size_t i = 6; i < 12; ++i)
                pdu.push_back(request[i]);
        }
        Bytes frame{static_cast<uint8_t>(tx >> 8),   static_cast<uint8_t>(tx & 0xFF), 0, 0, 0,
                    static_cast<uint8_t>(pdu.size())};
        for (uint8_t b : pdu)
            frame.push_back(b);
        return frame;
    }

  private:
    void Run() {
        while (!stop_) {
            pollfd p{listener_, POLLIN, 0};
            if (::poll(&p, 1, 10) <= 0) continue;
            int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd < 0) continue;
            Serve(fd);
        }
    }
    void Serve(int fd) {
        Bytes pending;
        while (!stop_) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 10) <= 0) continue;
            uint8_t chunk[512];
            ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
            if (n <= 0) break;
            pending.insert(pending.end(), chunk, chunk + n);
            while (pending.size() >= 6 && pending.size() >= 6u + pending[5]) {
                Bytes request(pending.begin(), pending.begin() + 6 + pending[5]);
                pending.erase(pending.begin(), pending.begin() + 6 + pending[5]);
                Reply reply = handler_(request, log_.Add(request));
                if (reply.close) {
                    ::close(fd);
                    return;
                }
                for (std::size_t i = 0; i < reply.segments.size(); ++i) {
                    if (i > 0) std::this_thread::sleep_for(std::chrono::milliseconds(20));
                    ::send(fd, reply.segments[i].data(), reply.segments[i].size(), MSG_NOSIGNAL);
                }
            }
        }
        ::close(fd);
    }

    Handler handler_;
    int listener_ = -1;
    uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    RequestLog log_;
};

}  // namespace voltaro::test
