#pragma once
// Modbus-TCP transport of the simulated device: a listening socket, one thread per
// connection, MBAP requests that may arrive split or several in one segment, and the
// TCP faults (split answers, closed connections, wrong transaction ids, short answers).
#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "sim/server_core.h"

namespace voltaro::sim {

class TcpServer {
  public:
    explicit TcpServer(ServerCore& core) : core_(core) {}
    // A gateway in front of several devices: route gives the device that answers a unit
    // id (nullptr: none, answered with exception 0x0B); core counts and logs the link.
    using UnitRoute = std::function<ServerCore*(uint8_t unit)>;
    TcpServer(ServerCore& core, UnitRoute route) : core_(core), route_(std::move(route)) {}
    ~TcpServer() { Stop(); }
    TcpServer(const TcpServer&) = delete;
    TcpServer& operator=(const TcpServer&) = delete;

    // Listens on host:port (port 0 picks a free one); returns the port. Throws
    // CPrivateException when the address cannot be used.
    int Start(const std::string& host, int port);
    void Stop();

  private:
    struct Connection {
        int fd = -1;
        int number = 0;
        std::thread thread;
        std::atomic<bool> done{false};
    };

    void AcceptLoop();
    void Serve(Connection& connection);
    bool SendAnswer(int fd, const std::vector<uint8_t>& frame, int segments);
    void ReapFinished();

    ServerCore& core_;
    UnitRoute route_;
    int listenFd_ = -1;
    int wakePipe_[2] = {-1, -1};
    std::atomic<bool> running_{false};
    std::thread acceptThread_;
    std::mutex connectionsMutex_;
    std::list<std::unique_ptr<Connection>> connections_;
    int nextNumber_ = 1;
};

}  // namespace voltaro::sim
