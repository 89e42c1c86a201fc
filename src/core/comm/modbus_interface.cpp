#include "core/comm/modbus_interface.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

#include "core/comm/rtu_framing.h"
#include "core/platform/cancelled.h"
#include "core/platform/link_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/private_exception.h"

namespace voltaro {
namespace {

uint32_t Scaled(uint32_t ms, double scale) {
    return static_cast<uint32_t>(std::lround(static_cast<double>(ms) * scale));
}

}  // namespace

CModbusInterface::CModbusInterface() : settings(CComSettings::LoadFromUserProfile()) {}

CModbusInterface::CModbusInterface(const CComSettings& s) : settings(s) {}

CModbusInterface::~CModbusInterface() {
    DetachAll();
    Close();
    if (link_) link_->MarkClosed();
}

void CModbusInterface::Open() {
    Close();
    cancel_.Clear();
    std::string label =
        settings.mode == ModbusTcp
            ? FormatMessageId(kTextLinkTcpLabel, {settings.serverAddress, settings.servicePort})
            : FormatMessageId(
                  kTextLinkSerialLabel,
                  {settings.mode == Infrared ? settings.irComPortName : settings.comPortName});
    if (link_)
        link_->SetLabel(std::move(label));
    else
        link_ = monitor_.Register(std::move(label));
    if (settings.mode == ModbusTcp) {
        socket_.Open(settings.serverAddress, settings.servicePort, timeouts.connectMs, &cancel_);
        return;
    }
    serial_.settings = settings;
    serial_.OpenAndConfigure();
    responseTimeoutMs_ = 3000;
}

void CModbusInterface::Close() {
    socket_.Close();
    tcpUnclean_ = false;
    serial_.Close();
}

bool CModbusInterface::IsOpen() const {
    return socket_.IsOpen() || serial_.IsOpen();
}

void CModbusInterface::CancelBlockingCall() {
    cancel_.Signal();
}

void CModbusInterface::RequestAbort() {
    abortRequested = true;
    CancelBlockingCall();
}

void CModbusInterface::Update(CObservable*) {}

LinkSnapshot CModbusInterface::Statistics() const {
    return link_ ? link_->Snapshot() : LinkSnapshot{};
}

std::deque<bool> CModbusInterface::QualityHistory() const {
    std::lock_guard<std::mutex> lock(qualityMutex_);
    return qualityHistory_;
}

void CModbusInterface::PushQuality(bool success) {
    std::lock_guard<std::mutex> lock(qualityMutex_);
    qualityHistory_.push_back(success);
    if (qualityHistory_.size() > 8) qualityHistory_.pop_front();
    auto good = std::count(qualityHistory_.begin(), qualityHistory_.end(), true);
    qualityPercent_ =
        100.0 * static_cast<double>(good) / static_cast<double>(qualityHistory_.size());
}

void CModbusInterface::StartRequest() {
    abortRequested = false;
    cancel_.Clear();
}

uint8_t CModbusInterface::UnitAddress() const {
    return settings.mode == Infrared ? 1 : static_cast<uint8_t>(settings.address & 0xFF);
}

int CModbusInterface::BlockLimit(bool write, int count) const {
    // The quantity travels in one byte and the protocol allows at most 125 registers read
    // or 123 written per request: longer transfers become several legal requests, of an
    // even size so that no 32-bit value is torn across two requests.
    if (settings.mode == Infrared) return 8;
    const int limit = write ? kMaxWriteQuantity : kMaxReadQuantity;
    return count <= limit ? limit : limit - 1;
}

int CModbusInterface::Attempts() const {
    if (timeouts.attempts > 0) return timeouts.attempts;
    return settings.mode == Infrared ? 10 : 3;
}

std::vector<uint8_t> CModbusInterface::SerialAttempt(const Exchange& ex) {
    // Send: drop late bytes of an earlier exchange, then the framed request.
    serial_.Purge();
    std::vector<uint8_t> frame = FrameRtu(ex.request);
    serial_.Write(frame.data(), frame.size());
    CountRequest(ex, frame);

    const uint32_t rate = settings.mode == Infrared ? 1200 : BaudRateOfIndex(settings.baudrate);
    const auto byteCount = static_cast<uint32_t>(ex.request.size() + ex.expectedLength + 4);
    responseTimeoutMs_ =
        timeouts.serialResponseMs != 0
            ? timeouts.serialResponseMs
            : Scaled(ResponseTimeoutMs(byteCount, ex.baseMs, rate), timeouts.serialScale);

    std::vector<uint8_t> raw(ex.expectedLength + 2, 0);
    std::size_t received = serial_.Read(raw.data(), raw.size(), responseTimeoutMs_, &cancel_);
    const auto answered = std::chrono::steady_clock::now();
    std::vector<uint8_t> response;
    RtuReceipt receipt = ParseRtuResponse(raw.data(), received, ex.expectedLength, response);
    if (receipt.crcMismatch) {
        CountAnswer(ex, ModbusFailure::Crc, 0, response, receipt.n, raw.data(), received, false);
        throw CPrivateException(
            ModbusErrorMessage(ex.command, ex.address, ex.count, ModbusFailure::Crc, 0));
    }
    int code = 0;
    ModbusFailure failure = ValidateResponse(receipt.n, 0, 0, response, ex.expectedLength, &code);
    failure =
        CountAnswer(ex, failure, code, response, receipt.n, raw.data(), received, abortRequested);
    // Keep consecutive requests apart on the bus: the guard runs from the answer's end, so
    // the work after the receive is inside it rather than added to it. After a silent
    // time-out the line has been quiet far longer than the guard already.
    const uint32_t guard =
        Scaled(GuardDelayMs(BaudRateOfIndex(settings.baudrate)), timeouts.serialScale);
    if (received > 0) std::this_thread::sleep_until(answered + std::chrono::milliseconds(guard));

    if (failure != ModbusFailure::None) {
        lastRefused_ = failure == ModbusFailure::Exception;
        throw CPrivateException(
            ModbusErrorMessage(ex.command, ex.address, ex.count, failure, code));
    }
    return response;
}

std::vector<uint8_t> CModbusInterface::TcpAttempt(const Exchange& ex) {
    // After a failed exchange the stream may still hold the rest of a garbled answer or a
    // late one: drop what has arrived, so that one bad answer costs one retry.
    if (tcpUnclean_ && link_) link_->CountReceived(socket_.DiscardPending());
    tcpUnclean_ = true;  // until this exchange succeeds
    const uint16_t transaction = NextTransactionId();
    const std::vector<uint8_t> frame = BuildMbapFrame(transaction, ex.request);
    socket_.Send(frame);
    CountRequest(ex, frame);
    responseTimeoutMs_ = timeouts.tcpResponseMs;

    std::vector<uint8_t> buffer;
    // The watchdog: one deadline for the whole answer, also across dropped stale answers.
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(responseTimeoutMs_);
    std::size_t received = 0;
    for (;;) {
        received = socket_.Receive(buffer, ex.expectedLength + 6, &cancel_, deadline);
        const auto receivedTransaction = static_cast<uint16_t>(buffer[0] << 8 | buffer[1]);
        // A late answer to an earlier request (a previous attempt, or one answered twice)
        // is not this request's answer: drop it and wait on for the right one.
        if (received < 6 || !IsEarlierTransaction(receivedTransaction, transaction)) break;
        PublishLate(buffer, received);
    }
    if (socket_.LastReceiveEnd() == ReceiveEnd::TimedOut) ++watchdogExpiries_;
    // A CancelBlockingCall without the user's Cancel ends this receive only.
    if (!abortRequested) cancel_.Clear();

    std::vector<uint8_t> response;
    int code = 0;
    const ModbusFailure judged =
        JudgeTcpAnswer(buffer, received, ex.expectedLength, transaction, response, &code);
    const ModbusFailure failure =
        CountAnswer(ex, judged, code, response, received > 6 ? received - 6 : 0, buffer.data(),
                    received, socket_.LastReceiveEnd() == ReceiveEnd::Cancelled);
    if (failure != ModbusFailure::None) {
        lastRefused_ = failure == ModbusFailure::Exception;
        throw CPrivateException(
            ModbusErrorMessage(ex.command, ex.address, ex.count, failure, code));
    }
    tcpUnclean_ = false;
    return response;
}

std::vector<uint8_t> CModbusInterface::RunAttempt(const Exchange& ex) {
    lastRefused_ = false;
    return settings.mode == ModbusTcp ? TcpAttempt(ex) : SerialAttempt(ex);
}

std::vector<uint8_t> CModbusInterface::RunWithRetries(const Exchange& ex, bool abortAfterResponse) {
    const int attempts = Attempts();
    for (int attempt = 1;; ++attempt) {
        try {
            attempt_ = attempt;
            std::vector<uint8_t> response = RunAttempt(ex);
            // A read ends at its next response once the user cancelled; a write only
            // stops retrying.
            if (abortAfterResponse && abortRequested) throw CCancelled();
            return response;
        } catch (const CPrivateException&) {
            PushQuality(false);
            // A read attempt that the Cancel cut short (a receive ended by it) is the
            // Cancel, not a failure; a failed write is reported, as it may have reached
            // the device.
            if (abortAfterResponse && abortRequested) throw CCancelled();
            if (attempt >= attempts || abortRequested) throw;
        }
        if (retryListener_) retryListener_->OnRetry(attempt + 1, attempts);
    }
}

bool CModbusInterface::ReadHoldingRegisters(int address, int count, uint16_t* values) {
    StartRequest();
    const int limit = BlockLimit(false, count);
    for (int done = 0; done < count; done += limit) {
        if (done > 0 && abortRequested) throw CCancelled();
        const int size = std::min(limit, count - done);
        Exchange ex{kReadCommandName,
                    address + done,
                    size,
                    BuildReadRequest(UnitAddress(), address + done, size),
                    ReadResponseLength(size),
                    timeouts.readBaseMs};
        std::vector<uint8_t> response = RunWithRetries(ex, true);
        for (int i = 0; i < size; ++i)
            values[done + i] =
                static_cast<uint16_t>(response[3 + 2 * i] << 8 | response[4 + 2 * i]);
    }
    PushQuality(true);
    return true;
}

bool CModbusInterface::WriteMultipleRegisters(int address, int count, const uint16_t* values) {
    StartRequest();
    const int limit = BlockLimit(true, count);
    for (int done = 0; done < count; done += limit) {
        if (done > 0 && abortRequested) throw CCancelled();
        const int size = std::min(limit, count - done);
        Exchange ex{kWriteCommandName,
                    address + done,
                    size,
                    BuildWriteRequest(UnitAddress(), address + done, size, values + done),
                    kWriteResponseLength,
                    timeouts.writeBaseMs};
        RunWithRetries(ex, false);
    }
    PushQuality(true);
    return true;
}

bool CModbusInterface::WriteRegisterPairs(int address, int pairCount, const uint32_t* values32,
                                          bool swap) {
    std::vector<uint16_t> registers(2 * static_cast<std::size_t>(std::max(pairCount, 0)));
    for (int i = 0; i < pairCount; ++i) {
        uint16_t low = static_cast<uint16_t>(values32[i] & 0xFFFF);
        uint16_t high = static_cast<uint16_t>(values32[i] >> 16);
        registers[2 * i] = swap ? high : low;
        registers[2 * i + 1] = swap ? low : high;
    }
    return WriteMultipleRegisters(address, 2 * pairCount, registers.data());
}

bool CModbusInterface::SwapRegisterPairs(uint32_t* values32, int pairCount, bool swap) {
    if (!swap) return true;
    for (int i = 0; i < pairCount; ++i)
        values32[i] = values32[i] << 16 | values32[i] >> 16;
    return true;
}

bool CModbusInterface::ReadRegisterList(const RegisterBlock* blocks, uint32_t* destination,
                                        bool swap,
                                        const std::vector<const std::atomic<bool>*>& stopFlags) {
    // Long reads keep the machine busy on their own here: there is no system-sleep
    // inhibition to request on this platform.
    std::vector<uint16_t> registers;
    for (const RegisterBlock* block = blocks; block->start != -1; ++block) {
        for (const auto* flag : stopFlags)
            if (flag && flag->load()) return false;
        if (block->count <= 0) continue;
        registers.assign(2 * static_cast<std::size_t>(block->count), 0);
        ReadHoldingRegisters(block->start, 2 * block->count, registers.data());
        uint32_t* slot = destination + block->offset;
        for (int i = 0; i < block->count; ++i)
            slot[i] = static_cast<uint32_t>(registers[2 * i]) |
                      static_cast<uint32_t>(registers[2 * i + 1]) << 16;
        SwapRegisterPairs(slot, block->count, swap);
    }
    return true;
}

}  // namespace voltaro
