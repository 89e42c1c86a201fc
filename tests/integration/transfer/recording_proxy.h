#pragma once
// A Modbus-TCP relay on loopback that records every request passing through it
// (function, address, count), so that tests can check the exact requests a transfer
// sends to the simulator.
#include <arpa/inet.h>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace voltaro::test {

struct RecordedRequest {
    int function;
    int address;
    int count;
    bool operator==(const RecordedRequest&) const = default;
};

class RecordingProxy {
public:
    explicit RecordingProxy(int targetPort) : target_(targetPort) {
        listen_ = ::socket(AF_INET, SOCK_STREAM, 0);
        int one = 1;
        ::setsockopt(listen_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in a = Loopback(0);
        ::bind(listen_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(listen_, 4);
        socklen_t len = sizeof a;
        ::getsockname(listen_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
        thread_ = std::thread([this] { Run(); });
    }
    ~RecordingProxy() {
        stop_ = true;
        ::shutdown(listen_, SHUT_RDWR);
        thread_.join();
        ::close(listen_);
    }
    int Port() const { return port_; }
    std::vector<RecordedRequest> Requests() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_;
    }
    std::vector<RecordedRequest> Writes() const {
        std::vector<RecordedRequest> writes;
        for (const auto& r : Requests())
            if (r.function == 16) writes.push_back(r);
        return writes;
    }
    void Clear() {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.clear();
    }

private:
    static sockaddr_in Loopback(int port) {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(static_cast<uint16_t>(port));
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return a;
    }
    static bool ReadExact(int fd, uint8_t* p, size_t n) {
        while (n) {
            ssize_t r = ::recv(fd, p, n, 0);
            if (r <= 0) return false;
            p += r;
            n -= static_cast<size_t>(r);
        }
        return true;
    }
    static bool ReadFrame(int fd, std::vector<uint8_t>& frame) {
        frame.assign(7, 0);
        if (!ReadExact(fd, frame.data(), 7)) return false;
        size_t length = (frame[4] << 8) | frame[5];
        if (length < 1) return false;
        frame.resize(6 + length);
        return ReadExact(fd, frame.data() + 7, length - 1);
    }
    void Run() {
        while (!stop_) {
            int client = ::accept(listen_, nullptr, nullptr);
            if (client < 0) return;
            int server = ::socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in a = Loopback(target_);
            if (::connect(server, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) Relay(client, server);
            ::close(server);
            ::close(client);
        }
    }
    void Relay(int client, int server) {
        std::vector<uint8_t> frame;
        while (!stop_) {
            pollfd p{client, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0) continue;
            if (!ReadFrame(client, frame)) return;
            if (frame.size() >= 12) {
                std::lock_guard<std::mutex> lock(mutex_);
                requests_.push_back({frame[7], (frame[8] << 8) | frame[9], (frame[10] << 8) | frame[11]});
            }
            if (::send(server, frame.data(), frame.size(), MSG_NOSIGNAL) < 0) return;
            if (!ReadFrame(server, frame)) return;
            if (::send(client, frame.data(), frame.size(), MSG_NOSIGNAL) < 0) return;
        }
    }

    int target_;
    int listen_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<RecordedRequest> requests_;
    std::thread thread_;
};

}  // namespace voltaro::test
