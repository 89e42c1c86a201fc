#pragma once
// Modbus-TCP transport: the MBAP envelope, the process-wide transaction counter and a
// TCP connection whose connect and receive a cancel event can end at once.
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace voltaro {

class CCancelEvent;
enum class ModbusFailure;

// Increments the process-wide counter and returns the new value (the first request of
// a process carries 1; after 65535 comes 0). Never reset on reconnection.
uint16_t NextTransactionId();
// Test hook: the next NextTransactionId returns value + 1 (mod 65536).
void SetTransactionCounter(uint16_t value);

// Whether an answer's transaction id belongs to a request sent before the one carrying
// `sent` (the older half of the 16-bit ring): a late answer to an earlier attempt.
bool IsEarlierTransaction(uint16_t received, uint16_t sent);

// Transaction id (2), protocol id 0 (2), length (2: high 0, low = request size), then the
// request itself, whose first byte is the unit identifier.
std::vector<uint8_t> BuildMbapFrame(uint16_t transaction, const std::vector<uint8_t>& request);

// Collects one answer from the bytes of a Modbus-TCP stream (pure byte handling, no I/O):
// the MBAP header's length, when plausible (1 to 254), fixes where the answer ends, else
// `capacity` bytes make it. Bytes beyond capacity are taken but not kept.
class MbapCollector {
  public:
    // buffer is resized to capacity and zero-filled.
    MbapCollector(std::vector<uint8_t>& buffer, std::size_t capacity);
    // Takes bytes of this answer from the front of data; returns how many belonged to it
    // (the rest belong to what follows in the stream).
    std::size_t Take(const uint8_t* data, std::size_t size);
    bool Complete() const { return got_ >= wanted_; }
    // Bytes kept in the buffer.
    std::size_t Stored() const { return got_ < capacity_ ? got_ : capacity_; }

  private:
    std::vector<uint8_t>& buffer_;
    std::size_t capacity_;
    std::size_t wanted_;
    std::size_t got_ = 0;
    std::array<uint8_t, 6> header_{};
};

// Judges a collected answer (buffer as MbapCollector left it, `received` bytes kept) to
// the request that carried sentTransaction: the response PDU (expectedLength bytes, zero
// beyond what arrived) goes to response; the result is ValidateResponse's.
ModbusFailure JudgeTcpAnswer(const std::vector<uint8_t>& buffer, std::size_t received,
                             std::size_t expectedLength, uint16_t sentTransaction,
                             std::vector<uint8_t>& response, int* exceptionCode);

// How the last CTcpConnection::Receive ended.
enum class ReceiveEnd { Complete, Closed, Cancelled, TimedOut };

class CTcpConnection {
  public:
    CTcpConnection() = default;
    ~CTcpConnection();
    CTcpConnection(const CTcpConnection&) = delete;
    CTcpConnection& operator=(const CTcpConnection&) = delete;

    // Resolves host/service to the first IPv4 stream address and connects, for at most
    // connectTimeoutMs; a signalled cancel event ends the wait at once. Failures throw
    // kMsgModbusTcpError with the resolver's or the system's text; the socket is then closed.
    void Open(const std::string& host, const std::string& service, uint32_t connectTimeoutMs,
              const CCancelEvent* cancel);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

    // Sends the whole frame. False when the connection failed (the receive then reports it).
    bool Send(const std::vector<uint8_t>& frame);

    // Receives one response into buffer (resized to `capacity` and zero-filled): reads
    // until the length announced by the MBAP header has arrived, the peer closes, the
    // connection fails, the cancel event is signalled or the deadline passed (one poll
    // waits for the socket and the cancel event together, until the deadline).
    // Bytes of the answer beyond capacity are read and dropped; bytes that arrived behind
    // it are kept for the next Receive. Returns the bytes stored (<= capacity).
    std::size_t Receive(std::vector<uint8_t>& buffer, std::size_t capacity,
                        const CCancelEvent* cancel, std::chrono::steady_clock::time_point deadline);
    ReceiveEnd LastReceiveEnd() const { return lastEnd_; }
    // Reads and drops whatever has already arrived (the rest of a garbled or late answer).
    // Returns the number of bytes dropped.
    std::size_t DiscardPending();

    int fd() const { return fd_; }

  private:
    int fd_ = -1;
    std::vector<uint8_t> pending_;  // received behind the last answer
    ReceiveEnd lastEnd_ = ReceiveEnd::Complete;
};

}  // namespace voltaro
