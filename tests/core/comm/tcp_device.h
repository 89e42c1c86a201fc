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
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        int one = 1;
        ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(listener_, 4);
        socklen_t length = sizeof a;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &length);
        port_ = ntohs(a.sin_port);
        thread_ = std::thread([this] { Run(); });
    }
    ~TcpDevice() {
        stop_ = true;
        thread_.join();
        ::close(listener_);
    }

    std::string Port() const { return std::to_string(port_); }
    std::vector<Bytes> Requests() {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_;
    }
    bool WaitForRequests(std::size_t count) {
        std::unique_lock<std::mutex> lock(mutex_);
        return arrived_.wait_for(lock, std::chrono::seconds(5),
                                 [&] { return requests_.size() >= count; });
    }

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
            for (std::size_t i = 6; i < 12; ++i) pdu.push_back(request[i]);
        }
        Bytes frame{static_cast<uint8_t>(tx >> 8), static_cast<uint8_t>(tx & 0xFF), 0, 0, 0,
                    static_cast<uint8_t>(pdu.size())};
        for (uint8_t b : pdu) frame.push_back(b);
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
                int index;
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    requests_.push_back(request);
                    index = static_cast<int>(requests_.size()) - 1;
                }
                arrived_.notify_all();
                Reply reply = handler_(request, index);
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
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<Bytes> requests_;
};

}  // namespace voltaro::test
