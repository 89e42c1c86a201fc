#pragma once
// A Modbus-TCP relay on loopback that records every request passing through it
// (function, address, count), so that tests can check the exact requests a transfer
// sends to the simulator.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
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
    void Run() {
        while (!stop_) {
            int client = ::accept(listen_, nullptr, nullptr);
            if (client < 0) return;
            int server = ::socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in a = Loopback(target_);
            if (::connect(server, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0)
                Relay(client, server);
            ::close(server);
            ::close(client);
        }
    }
    // Pumps both directions; requests are recorded as complete MBAP frames arrive.
    void Relay(int client, int server) {
        std::vector<uint8_t> pending;
        uint8_t buffer[4096];
        while (!stop_) {
            pollfd p[2] = {{client, POLLIN, 0}, {server, POLLIN, 0}};
            if (::poll(p, 2, 100) <= 0) continue;
            if (p[0].revents) {
                ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
                if (n <= 0) return;
                pending.insert(pending.end(), buffer, buffer + n);
                while (pending.size() >= 7) {
                    size_t length = (pending[4] << 8) | pending[5];
                    if (pending.size() < 6 + length) break;
                    if (length >= 6) {
                        std::lock_guard<std::mutex> lock(mutex_);
                        requests_.push_back({pending[7], (pending[8] << 8) | pending[9],
                                             (pending[10] << 8) | pending[11]});
                    }
                    pending.erase(pending.begin(), pending.begin() + 6 + static_cast<long>(length));
                }
                if (::send(server, buffer, static_cast<size_t>(n), MSG_NOSIGNAL) < 0) return;
            }
            if (p[1].revents) {
                ssize_t n = ::recv(server, buffer, sizeof buffer, 0);
                if (n <= 0) return;
                if (::send(client, buffer, static_cast<size_t>(n), MSG_NOSIGNAL) < 0) return;
            }
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
