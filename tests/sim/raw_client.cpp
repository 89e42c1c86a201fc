#include "raw_client.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

#include "core/comm/crc16.h"

namespace voltaro::sim::test {
namespace {

Bytes ReadWithTimeout(int fd, std::size_t count, int timeoutMs, bool quiet) {
    Bytes data;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (data.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0) break;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left)) <= 0) break;
        uint8_t chunk[512];
        const ssize_t got = read(fd, chunk, std::min(sizeof chunk, count - data.size()));
        if (got <= 0) break;
        data.insert(data.end(), chunk, chunk + got);
        if (quiet)
            deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    }
    return data;
}

}  // namespace

Bytes ReadPdu(int address, int count) {
    return {4, static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address),
            static_cast<uint8_t>(count >> 8), static_cast<uint8_t>(count)};
}

Bytes WritePdu(int address, const std::vector<uint16_t>& values) {
    Bytes pdu{16, static_cast<uint8_t>(address >> 8),  static_cast<uint8_t>(address),
              0,  static_cast<uint8_t>(values.size()), static_cast<uint8_t>(2 * values.size())};
    for (uint16_t v : values) {
        pdu.push_back(static_cast<uint8_t>(v >> 8));
        pdu.push_back(static_cast<uint8_t>(v));
    }
    return pdu;
}

RawTcp::RawTcp(int port) {
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        throw std::runtime_error("connect failed");
    }
    const int yes = 1;
    setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
}

RawTcp::~RawTcp() {
    close(fd_);
}

void RawTcp::Send(const Bytes& bytes) {
    if (send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(bytes.size())) {
        throw std::runtime_error("send failed");
    }
}

Bytes RawTcp::Receive(std::size_t count, int timeoutMs) {
    return ReadWithTimeout(fd_, count, timeoutMs, false);
}

Bytes RawTcp::ReceiveOnce(int timeoutMs) {
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, timeoutMs) <= 0) return {};
    uint8_t chunk[600];
    const ssize_t got = recv(fd_, chunk, sizeof chunk, 0);
    return got > 0 ? Bytes(chunk, chunk + got) : Bytes{};
}

Bytes RawTcp::Exchange(const Bytes& pdu, uint16_t transaction, uint8_t unit, int timeoutMs) {
    Bytes frame{static_cast<uint8_t>(transaction >> 8),
                static_cast<uint8_t>(transaction),
                0,
                0,
                0,
                static_cast<uint8_t>(pdu.size() + 1),
                unit};
    frame.insert(frame.end(), pdu.begin(), pdu.end());
    Send(frame);
    Bytes header = Receive(6, timeoutMs);
    if (header.size() < 6) return {};
    const std::size_t length = static_cast<std::size_t>(header[4] << 8 | header[5]);
    Bytes rest = Receive(length, timeoutMs);
    header.insert(header.end(), rest.begin(), rest.end());
    return header;
}

Bytes RawTcp::Request(const Bytes& pdu, uint16_t transaction) {
    Bytes frame = Exchange(pdu, transaction);
    if (frame.size() < 7) return {};
    return Bytes(frame.begin() + 7, frame.end());
}

bool RawTcp::ClosedByPeer(int timeoutMs) {
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, timeoutMs) <= 0) return false;
    uint8_t byte;
    return recv(fd_, &byte, 1, 0) == 0;
}

RawRtu::RawRtu(const std::string& path) {
    fd_ = open(path.c_str(), O_RDWR | O_NOCTTY);
    if (fd_ < 0) throw std::runtime_error("cannot open " + path);
    termios tio{};
    tcgetattr(fd_, &tio);
    cfmakeraw(&tio);
    tcsetattr(fd_, TCSANOW, &tio);
}

RawRtu::~RawRtu() {
    close(fd_);
}

void RawRtu::Send(const Bytes& bytes) {
    if (write(fd_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
        throw std::runtime_error("write failed");
    }
}

Bytes RawRtu::Receive(std::size_t count, int quietMs) {
    return ReadWithTimeout(fd_, count, quietMs, true);
}

Bytes RawRtu::Exchange(uint8_t unit, const Bytes& pdu, std::size_t expected, int quietMs) {
    Bytes frame{unit};
    frame.insert(frame.end(), pdu.begin(), pdu.end());
    const uint16_t crc = Crc16(frame.data(), frame.size());
    frame.push_back(static_cast<uint8_t>(crc));
    frame.push_back(static_cast<uint8_t>(crc >> 8));
    Send(frame);
    return Receive(expected, quietMs);
}

bool TcpRegisterReader::ReadHoldingRegisters(int address, int count, uint16_t* values) {
    const Bytes answer = tcp_.Request(ReadPdu(address, count));
    if (answer.size() != 2 + 2 * static_cast<std::size_t>(count) || answer[0] != 4) {
        throw std::runtime_error("read failed");
    }
    const std::vector<uint16_t> regs = Registers(answer);
    std::copy(regs.begin(), regs.end(), values);
    return true;
}

std::vector<uint16_t> Registers(const Bytes& answer) {
    std::vector<uint16_t> regs;
    for (std::size_t at = 2; at + 1 < answer.size(); at += 2) {
        regs.push_back(static_cast<uint16_t>(answer[at] << 8 | answer[at + 1]));
    }
    return regs;
}

SimulatorOptions Row(int row) {
    SimulatorOptions options;
    options.device.row = row;
    options.line.turnaroundMs = 0;
    return options;
}

uint32_t Pair(const std::vector<uint16_t>& regs, std::size_t at, bool highFirst) {
    const uint32_t a = regs.at(at), b = regs.at(at + 1);
    return highFirst ? (a << 16 | b) : (b << 16 | a);
}

}  // namespace voltaro::sim::test
