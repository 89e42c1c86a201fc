#pragma once
// The Modbus client: the one object through which the system talks to a device. Reads
// (function 4) and writes (function 16) of 16-bit registers over the serial line (RTU)
// or TCP, split into legal requests, retried, with a running success rate.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "core/comm/cancel_event.h"
#include "core/comm/com_settings.h"
#include "core/comm/link_monitor.h"
#include "core/comm/modbus_tcp.h"
#include "core/comm/register_reader.h"
#include "core/comm/serial_io.h"
#include "core/work/observer.h"
#include "core/work/sync_objects.h"

namespace voltaro {

// One block of a measured-value list: `count` 32-bit values from register `start` on, into
// the destination from 32-bit slot `offset` on. A start of -1 ends a list.
struct RegisterBlock {
    int32_t start;
    int32_t count;
    int32_t offset;
};

// Time-outs of an exchange. The defaults are the system's; tests shrink them.
struct ModbusTimeouts {
    uint32_t readBaseMs = 1000;     // serial response time-out base of a read
    uint32_t writeBaseMs = 4000;    // ... of a write
    uint32_t tcpResponseMs = 5000;  // receive watchdog: the deadline of a TCP answer
    uint32_t connectMs = 5000;      // TCP connect bound
    // Multiplies the computed serial response time-out and the guard delay (1 = real).
    double serialScale = 1.0;
    // Non-zero: the serial response time-out of every exchange in place of the computed one.
    uint32_t serialResponseMs = 0;
    // Non-zero: attempts per request in place of the link's own (a bus scan tries once).
    int attempts = 0;
};

// Told by the client when an exchange failed and is about to be tried again, on the thread
// that runs the exchange: a silent device costs a whole time-out per attempt, and whoever
// shows the work can say why it does not advance.
class IRetryListener {
  public:
    virtual ~IRetryListener() = default;
    // attempt (2 ...) of attempts is about to start.
    virtual void OnRetry(int attempt, int attempts) = 0;
};

class CModbusInterface : public CObserver, public CMutexObject, public IRegisterReader {
  public:
    // Settings loaded from the user profile's "ComSettings".
    CModbusInterface();
    explicit CModbusInterface(const CComSettings& settings);
    ~CModbusInterface() override;

    CComSettings settings;
    ModbusTimeouts timeouts;
    // Set by the user interface to stop retrying (and, with CancelBlockingCall, to end a
    // blocked receive or connect). Cleared at the start of every register operation.
    // A read or a connect that it ends throws CCancelled; a write stops retrying and
    // reports its failure, and between two requests of a long write throws CCancelled.
    std::atomic<bool> abortRequested{false};

    // Opens the serial port or connects over TCP. The TCP receive watchdog is the deadline
    // of the poll that waits for the answer (beside the cancel event): no thread of its own.
    void Open();
    // Closes everything; safe when nothing is open.
    void Close();
    bool IsOpen() const;

    bool ReadHoldingRegisters(int address, int count, uint16_t* values) override;
    bool WriteMultipleRegisters(int address, int count, const uint16_t* values);
    // pairCount 32-bit values as 2 x pairCount registers, low half first unless swap.
    bool WriteRegisterPairs(int address, int pairCount, const uint32_t* values32, bool swap);
    // Exchanges the 16-bit halves of each value in place when swap is set.
    static bool SwapRegisterPairs(uint32_t* values32, int pairCount, bool swap);
    // Reads every block up to the terminator into destination's 32-bit slots; stops early
    // (returning false) when one of stopFlags is set.
    bool ReadRegisterList(const RegisterBlock* blocks, uint32_t* destination, bool swap,
                          const std::vector<const std::atomic<bool>*>& stopFlags = {});

    // The listener told of retries (nullptr: none). Set it while no exchange runs, and
    // clear it before the listener goes.
    void SetRetryListener(IRetryListener* listener) { retryListener_ = listener; }

    // Ends a blocked receive or connect at once (from any thread).
    void CancelBlockingCall();
    // abortRequested plus CancelBlockingCall: the user's Cancel.
    void RequestAbort();

    // Success rate of the last (at most 8) exchanges, in percent.
    double QualityPercent() const { return qualityPercent_.load(); }
    std::deque<bool> QualityHistory() const;
    // Whether the last exchange failed with the device's exception answer: the device
    // refused the request (a value or register it does not take); the link is fine.
    bool LastFailureWasRefusal() const { return lastRefused_; }

    // Nothing notifies the client: the receive watchdog runs in the receiving thread.
    void Update(CObservable* source) override;
    // TCP receives that the watchdog ended (the answer did not come in time), since
    // construction.
    uint32_t WatchdogExpiries() const { return watchdogExpiries_; }
    // This connection's figures (all zero before the first Open). The same figures are in
    // CLinkMonitor's snapshots, for those who do not hold the client.
    LinkSnapshot Statistics() const;

  private:
    struct Exchange {
        const char* command;
        int address;
        int count;
        std::vector<uint8_t> request;
        std::size_t expectedLength;
        uint32_t baseMs;
    };
    // One attempt: send, receive, validate. Returns the validated response.
    std::vector<uint8_t> RunAttempt(const Exchange& exchange);
    std::vector<uint8_t> RunWithRetries(const Exchange& exchange, bool abortAfterResponse);
    std::vector<uint8_t> SerialAttempt(const Exchange& exchange);
    std::vector<uint8_t> TcpAttempt(const Exchange& exchange);
    void PushQuality(bool success);
    void StartRequest();
    uint8_t UnitAddress() const;
    int BlockLimit(bool write, int count) const;
    int Attempts() const;
    // Counting and the frame log: a request frame went out; an attempt ended. CountAnswer
    // returns the failure to report (an answer from another unit or to another function
    // is an invalid response).
    void CountRequest(const Exchange& exchange, const std::vector<uint8_t>& frame);
    ModbusFailure CountAnswer(const Exchange& exchange, ModbusFailure failure, int code,
                              const std::vector<uint8_t>& response, std::size_t n,
                              const uint8_t* bytes, std::size_t size, bool cancelled);
    void PublishLate(const std::vector<uint8_t>& bytes, std::size_t size);

    CTcpConnection socket_;
    CSerialIO serial_;
    CCancelEvent cancel_;
    uint32_t watchdogExpiries_ = 0;
    uint32_t responseTimeoutMs_ = 3000;
    bool lastRefused_ = false;
    IRetryListener* retryListener_ = nullptr;
    bool tcpUnclean_ = false;  // the last TCP exchange failed: drop what is left before the next
    CLinkMonitor& monitor_ = CLinkMonitor::Instance();
    std::shared_ptr<CLinkStatistics> link_;
    int attempt_ = 1;  // of the exchange running
    std::chrono::steady_clock::time_point sentAt_;
    std::deque<bool> qualityHistory_;
    std::atomic<double> qualityPercent_{0.0};
    mutable std::mutex qualityMutex_;
};

}  // namespace voltaro
