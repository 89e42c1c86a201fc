#include "sim/tcp_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "core/platform/private_exception.h"
#include "core/platform/sys_error.h"

namespace voltaro::sim {
namespace {

// The exception a gateway answers for a unit id behind which no device answers.
constexpr uint8_t kGatewayNoResponse = 0x0B;

}  // namespace

int TcpServer::Start(const std::string& host, int port) {
    if (running_) throw CPrivateException("The TCP transport is already running.");
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port);
    const int gai =
        getaddrinfo(host.empty() ? "127.0.0.1" : host.c_str(), service.c_str(), &hints, &found);
    if (gai != 0)
        throw CPrivateException("Cannot use address " + host + ": " + ResolverErrorText(gai));
    listenFd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int yes = 1;
    setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    if (listenFd_ < 0 || bind(listenFd_, found->ai_addr, found->ai_addrlen) != 0 ||
        listen(listenFd_, SOMAXCONN) != 0) {  // a burst of clients must not wait for a retry
        const int error = errno;
        freeaddrinfo(found);
        if (listenFd_ >= 0) close(listenFd_);
        listenFd_ = -1;
        throw CPrivateException("Cannot listen on " + host + ":" + service + ": " +
                                SystemErrorText(error));
    }
    freeaddrinfo(found);
    sockaddr_in bound{};
    socklen_t length = sizeof bound;
    getsockname(listenFd_, reinterpret_cast<sockaddr*>(&bound), &length);
    if (pipe2(wakePipe_, O_CLOEXEC) != 0) {
        close(listenFd_);
        listenFd_ = -1;
        throw CPrivateException("Cannot create a pipe: " + SystemErrorText(errno));
    }
    running_ = true;
    acceptThread_ = std::thread([this] { AcceptLoop(); });
    return ntohs(bound.sin_port);
}

void TcpServer::Stop() {
    if (!running_.exchange(false)) return;
    const char wake = 1;
    [[maybe_unused]] const ssize_t written = write(wakePipe_[1], &wake, 1);
    if (acceptThread_.joinable()) acceptThread_.join();
    {
        std::lock_guard<std::mutex> lock(connectionsMutex_);
        for (auto& connection : connections_)
            shutdown(connection->fd, SHUT_RDWR);
    }
    for (auto& connection : connections_) {
        if (connection->thread.joinable()) connection->thread.join();
    }
    connections_.clear();
    close(listenFd_);
    close(wakePipe_[0]);
    close(wakePipe_[1]);
    listenFd_ = wakePipe_[0] = wakePipe_[1] = -1;
}

void TcpServer::ReapFinished() {
    std::lock_guard<std::mutex> lock(connectionsMutex_);
    for (auto it = connections_.begin(); it != connections_.end();) {
        if ((*it)->done) {
            (*it)->thread.join();
            it = connections_.erase(it);
        } else {
            ++it;
        }
    }
}

void TcpServer::AcceptLoop() {
    while (running_) {
        pollfd fds[2] = {{listenFd_, POLLIN, 0}, {wakePipe_[0], POLLIN, 0}};
        if (poll(fds, 2, 1000) < 0 && errno != EINTR) break;
        ReapFinished();
        if (fds[1].revents != 0 || !running_) break;
        if ((fds[0].revents & POLLIN) == 0) continue;
        const int fd = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) continue;
        const int yes = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        core_.Count(&SimulatorCounts::connections);
        std::lock_guard<std::mutex> lock(connectionsMutex_);
        auto connection = std::make_unique<Connection>();
        connection->fd = fd;
        connection->number = nextNumber_++;
        Connection* raw = connection.get();
        connections_.push_back(std::move(connection));
        raw->thread = std::thread([this, raw] { Serve(*raw); });
    }
}

bool TcpServer::SendAnswer(int fd, const std::vector<uint8_t>& frame, int segments) {
    if (segments < 1) segments = 1;
    const std::size_t part = (frame.size() + static_cast<std::size_t>(segments) - 1) /
                             static_cast<std::size_t>(segments);
    for (std::size_t at = 0; at < frame.size();) {
        if (at > 0) SleepMs(2);
        const std::size_t end = std::min(frame.size(), at + part);
        while (at < end) {
            const ssize_t sent = send(fd, frame.data() + at, end - at, MSG_NOSIGNAL);
            if (sent <= 0) return false;
            at += static_cast<std::size_t>(sent);
        }
    }
    return true;
}

void TcpServer::Serve(Connection& connection) {
    const std::string channel = "tcp#" + std::to_string(connection.number);
    std::vector<uint8_t> buffer;
    int requests = 0;
    bool open = true;
    while (open && running_) {
        uint8_t chunk[1024];
        const ssize_t got = recv(connection.fd, chunk, sizeof chunk, 0);
        if (got <= 0) break;
        buffer.insert(buffer.end(), chunk, chunk + got);
        while (open) {
            MbapRequest request;
            const int used = ExtractMbap(buffer, request);
            if (used == 0) break;
            if (used < 0) {
                core_.LogBytes(channel, "<-", buffer, "unusable MBAP header: connection closed");
                open = false;
                break;
            }
            const std::vector<uint8_t> raw(buffer.begin(), buffer.begin() + used);
            buffer.erase(buffer.begin(), buffer.begin() + used);
            if (request.protocol != 0) {
                core_.LogBytes(channel, "<-", raw, "protocol id is not 0: ignored");
                continue;
            }
            core_.LogBytes(channel, "<-", raw, DescribeRequest(request.pdu));
            FaultDecision decision;
            ServerCore* target = route_ ? route_(request.unit) : &core_;
            std::optional<std::vector<uint8_t>> answer =
                target
                    ? target->Handle(request.pdu, channel, decision)
                    : std::vector<uint8_t>{
                          static_cast<uint8_t>((request.pdu.empty() ? 0 : request.pdu[0]) | 0x80),
                          kGatewayNoResponse};
            ++requests;
            if (answer) {
                const FaultSettings faults = core_.Faults();
                std::vector<uint8_t> pdu = *answer;
                std::string note = DescribeAnswer(request.pdu, pdu);
                if (decision.cutShort) {
                    pdu.resize(ServerCore::CutLength(pdu.size()));
                    core_.Count(&SimulatorCounts::shortened);
                    note += " [cut short]";
                }
                uint16_t transaction = request.transaction;
                if (decision.wrongTransaction) {
                    ++transaction;
                    core_.Count(&SimulatorCounts::wrongTransactions);
                    note += " [wrong transaction]";
                }
                const std::vector<uint8_t> frame = MbapFrame(transaction, request.unit, pdu);
                core_.LogBytes(channel, "->", frame, note);
                if (!SendAnswer(connection.fd, frame, faults.splitTcp)) open = false;
            }
            const int closeAfter = core_.Faults().closeAfter;
            if (closeAfter > 0 && requests >= closeAfter) {
                core_.LogBytes(channel, "--", {}, "connection closed (injected)");
                open = false;
            }
        }
    }
    {
        std::lock_guard<std::mutex> lock(connectionsMutex_);
        shutdown(connection.fd, SHUT_RDWR);
        close(connection.fd);
        connection.fd = -1;
    }
    connection.done = true;
}

}  // namespace voltaro::sim
