#include "core/comm/modbus_tcp.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>

#include "core/comm/cancel_event.h"
#include "core/comm/com_settings.h"
#include "core/comm/rtu_framing.h"
#include "core/platform/cancelled.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/sys_error.h"

namespace voltaro {
namespace {

std::atomic<uint16_t>& TransactionCounter() {
    static std::atomic<uint16_t> counter{0};
    return counter;
}

int RemainingMs(std::chrono::steady_clock::time_point deadline) {
    auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

}  // namespace

uint16_t NextTransactionId() {
    return static_cast<uint16_t>(TransactionCounter().fetch_add(1) + 1);
}

void SetTransactionCounter(uint16_t value) {
    TransactionCounter().store(value);
}

bool IsEarlierTransaction(uint16_t received, uint16_t sent) {
    const auto behind = static_cast<uint16_t>(sent - received);
    return behind != 0 && behind < 0x8000;
}

std::vector<uint8_t> BuildMbapFrame(uint16_t transaction, const std::vector<uint8_t>& request) {
    std::vector<uint8_t> frame;
    frame.reserve(6 + request.size());
    frame.push_back(static_cast<uint8_t>(transaction >> 8));
    frame.push_back(static_cast<uint8_t>(transaction & 0xFF));
    frame.push_back(0);
    frame.push_back(0);
    frame.push_back(0);
    frame.push_back(static_cast<uint8_t>(request.size() & 0xFF));
    frame.insert(frame.end(), request.begin(), request.end());
    return frame;
}

CTcpConnection::~CTcpConnection() {
    Close();
}

void CTcpConnection::Close() {
    pending_.clear();
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

void CTcpConnection::Open(const std::string& host, const std::string& service,
                          uint32_t connectTimeoutMs, const CCancelEvent* cancel) {
    Close();
    // A number outside 1 - 65535 would be taken modulo 65536 by the resolver.
    if (!IsValidServicePort(service))
        throw CPrivateException(FormatMessageId(kMsgPortOutOfRange, {service}));
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP);
    if (fd < 0) throw CPrivateException(kMsgModbusTcpError, errno);
    auto fail = [&](int error) {
        ::close(fd);
        throw CPrivateException(kMsgModbusTcpError, error);
    };

    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    addrinfo* found = nullptr;
    int rc = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found);
    if (rc != 0 || found == nullptr) {
        int savedErrno = errno;
        ::close(fd);
        if (rc == EAI_SYSTEM) throw CPrivateException(kMsgModbusTcpError, savedErrno);
        throw CPrivateException::WithSystemText(kMsgModbusTcpError, ResolverErrorText(rc));
    }
    rc = ::connect(fd, found->ai_addr, found->ai_addrlen);
    int error = errno;
    ::freeaddrinfo(found);
    if (rc != 0) {
        if (error != EINPROGRESS) fail(error);
        // Bounded connect: a host that never answers must not hold the user for the
        // system's own (minutes long) connection time-out, and Cancel must end it.
        int ready = WaitReady(fd, POLLOUT, cancel, static_cast<int>(connectTimeoutMs));
        if (ready == 0) fail(ETIMEDOUT);
        if (ready == -1) {
            ::close(fd);
            throw CCancelled();
        }
        if (ready < 0) fail(errno);
        int soError = 0;
        socklen_t length = sizeof soError;
        if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &soError, &length) != 0) fail(errno);
        if (soError != 0) fail(soError);
    }
    // Every request is one small frame that waits for its answer: sending it at once
    // (no Nagle delay behind an unacknowledged segment) keeps an exchange one round trip.
    const int yes = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
    fd_ = fd;
}

bool CTcpConnection::Send(const std::vector<uint8_t>& frame) {
    std::size_t sent = 0;
    while (fd_ >= 0 && sent < frame.size()) {
        ssize_t n = ::send(fd_, frame.data() + sent, frame.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            if (WaitReady(fd_, POLLOUT, nullptr, 5000) != 1) return false;
        } else {
            return false;
        }
    }
    return sent == frame.size();
}

MbapCollector::MbapCollector(std::vector<uint8_t>& buffer, std::size_t capacity)
    : buffer_(buffer), capacity_(capacity), wanted_(capacity) {
    buffer_.assign(capacity, 0);
}

std::size_t MbapCollector::Take(const uint8_t* data, std::size_t size) {
    std::size_t used = 0;
    for (; used < size && got_ < wanted_; ++used, ++got_) {
        const uint8_t byte = data[used];
        if (got_ < capacity_) buffer_[got_] = byte;
        if (got_ < header_.size()) header_[got_] = byte;
        if (got_ + 1 == header_.size()) {
            const std::size_t length = static_cast<std::size_t>(header_[4]) << 8 | header_[5];
            // A plausible length (unit id + PDU) fixes the end of this answer.
            if (length >= 1 && length <= 254) wanted_ = header_.size() + length;
        }
    }
    return used;
}

ModbusFailure JudgeTcpAnswer(const std::vector<uint8_t>& buffer, std::size_t received,
                             std::size_t expectedLength, uint16_t sentTransaction,
                             std::vector<uint8_t>& response, int* exceptionCode) {
    const std::size_t n = received > 6 ? received - 6 : 0;
    response.assign(expectedLength, 0);
    for (std::size_t i = 0; i < expectedLength && 6 + i < buffer.size(); ++i)
        response[i] = buffer[6 + i];
    const uint16_t receivedTransaction =
        buffer.size() >= 2 ? static_cast<uint16_t>(buffer[0] << 8 | buffer[1]) : 0;
    return ValidateResponse(n, sentTransaction, receivedTransaction, response, expectedLength,
                            exceptionCode);
}

std::size_t CTcpConnection::Receive(std::vector<uint8_t>& buffer, std::size_t capacity,
                                    const CCancelEvent* cancel,
                                    std::chrono::steady_clock::time_point deadline) {
    MbapCollector answer(buffer, capacity);
    // Bytes that arrived behind the previous answer belong to the next one.
    const std::size_t fromPending = answer.Take(pending_.data(), pending_.size());
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(fromPending));
    lastEnd_ = ReceiveEnd::Complete;
    uint8_t chunk[512];
    while (!answer.Complete()) {
        if (fd_ < 0) {
            lastEnd_ = ReceiveEnd::Closed;
            break;
        }
        const int ready = WaitReady(fd_, POLLIN, cancel, RemainingMs(deadline));
        if (ready != 1) {
            lastEnd_ = ready == 0    ? ReceiveEnd::TimedOut
                       : ready == -1 ? ReceiveEnd::Cancelled
                                     : ReceiveEnd::Closed;
            break;
        }
        ssize_t n = ::recv(fd_, chunk, sizeof chunk, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) {  // closed by the peer, or a connection error
            lastEnd_ = ReceiveEnd::Closed;
            break;
        }
        const std::size_t used = answer.Take(chunk, static_cast<std::size_t>(n));
        pending_.insert(pending_.end(), chunk + used, chunk + n);
    }
    return answer.Stored();
}

std::size_t CTcpConnection::DiscardPending() {
    std::size_t dropped = pending_.size();
    pending_.clear();
    uint8_t chunk[512];
    while (fd_ >= 0) {
        ssize_t n = ::recv(fd_, chunk, sizeof chunk, MSG_DONTWAIT);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // nothing more (EAGAIN), closed, or failed: the receive tells
        dropped += static_cast<std::size_t>(n);
    }
    return dropped;
}

}  // namespace voltaro
