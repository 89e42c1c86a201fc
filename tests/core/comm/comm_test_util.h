#pragma once
// Small helpers shared by the communication tests.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "core/platform/private_exception.h"
#include "support/test_support.h"

namespace voltaro::test {

using Clock = std::chrono::steady_clock;

inline long long MsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// A TCP socket bound to a free loopback port, listening with the given backlog
// (negative: bound only). Returns the descriptor; port receives the port number.
inline int LoopbackSocket(int backlog, uint16_t& port) {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int one = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    if (backlog >= 0) ::listen(fd, backlog);
    socklen_t length = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &length);
    port = ntohs(a.sin_port);
    return fd;
}

// The requests a scripted device received, in order, for the test thread to inspect.
class RequestLog {
  public:
    using Bytes = std::vector<uint8_t>;
    // Records request and returns its index.
    int Add(const Bytes& request) {
        int index;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            requests_.push_back(request);
            index = static_cast<int>(requests_.size()) - 1;
        }
        arrived_.notify_all();
        return index;
    }
    std::vector<Bytes> Requests() {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_;
    }
    // Waits until `count` requests arrived (at most 5 s).
    bool WaitForRequests(std::size_t count) {
        std::unique_lock<std::mutex> lock(mutex_);
        return arrived_.wait_for(lock, std::chrono::seconds(5),
                                 [&] { return requests_.size() >= count; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<Bytes> requests_;
};

}  // namespace voltaro::test
