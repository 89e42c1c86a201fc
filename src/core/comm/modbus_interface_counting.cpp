// The client's figures and frame log: every request frame and every attempt's end is
// counted; frames are built for the log only while someone listens.
#include <chrono>

#include "core/comm/modbus_interface.h"
#include "core/comm/rtu_framing.h"

namespace voltaro {
namespace {

uint32_t MicrosSince(std::chrono::steady_clock::time_point start) {
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    return us <= 0           ? 0
           : us >= INT32_MAX ? static_cast<uint32_t>(INT32_MAX)
                             : static_cast<uint32_t>(us);
}

// Big-endian 16-bit words from `count` x 2 bytes at data.
std::vector<uint16_t> Words(const uint8_t* data, std::size_t available, int count) {
    std::vector<uint16_t> words;
    for (std::size_t i = 0; i < static_cast<std::size_t>(count) && 2 * i + 1 < available; ++i)
        words.push_back(static_cast<uint16_t>(data[2 * i] << 8 | data[2 * i + 1]));
    return words;
}

}  // namespace

void CModbusInterface::CountRequest(const Exchange& ex, const std::vector<uint8_t>& frame) {
    sentAt_ = std::chrono::steady_clock::now();
    if (link_) link_->CountRequest(frame.size(), attempt_ > 1);
    if (!monitor_.Listening()) return;
    FrameRecord record;
    record.link = link_ ? link_->Id() : 0;
    record.direction = FrameDirection::Sent;
    record.bytes = frame;
    record.function = ex.request.size() > 1 ? ex.request[1] : 0;
    record.address = ex.address;
    record.count = ex.count;
    // Function 16 carries its values behind unit, function, address, quantity, byte count.
    if (record.function == kFunctionWriteMultiple && ex.request.size() > 7)
        record.values = Words(ex.request.data() + 7, ex.request.size() - 7, ex.count);
    monitor_.Publish(std::move(record));
}

ModbusFailure CModbusInterface::CountAnswer(const Exchange& ex, ModbusFailure failure, int code,
                                            const std::vector<uint8_t>& response, std::size_t n,
                                            const uint8_t* bytes, std::size_t size,
                                            bool cancelled) {
    const uint8_t function = ex.request.size() > 1 ? ex.request[1] : 0;
    FrameOutcome outcome = ClassifyAnswer(failure, response, n, UnitAddress(), function);
    if (outcome == FrameOutcome::Timeout && cancelled) outcome = FrameOutcome::Cancelled;
    const uint32_t micros = MicrosSince(sentAt_);
    const int detail = outcome == FrameOutcome::WrongUnit       ? response[0]
                       : outcome == FrameOutcome::WrongFunction ? response[1]
                                                                : code;
    if (link_) link_->CountOutcome(outcome, detail, size, micros);
    if (monitor_.Listening()) {
        FrameRecord record;
        record.link = link_ ? link_->Id() : 0;
        record.direction = FrameDirection::Received;
        record.bytes.assign(bytes, bytes + size);
        record.function = function;
        record.address = ex.address;
        record.count = ex.count;
        record.outcome = outcome;
        record.code = detail;
        record.micros = micros;
        if (outcome == FrameOutcome::Answer && function == kFunctionReadInput &&
            response.size() > 3)
            record.values = Words(response.data() + 3, response.size() - 3, ex.count);
        monitor_.Publish(std::move(record));
    }
    if (outcome == FrameOutcome::WrongUnit || outcome == FrameOutcome::WrongFunction)
        return ModbusFailure::InvalidResponse;
    return failure;
}

void CModbusInterface::PublishLate(const std::vector<uint8_t>& bytes, std::size_t size) {
    if (link_) link_->CountReceived(size);
    if (!monitor_.Listening()) return;
    FrameRecord record;
    record.link = link_ ? link_->Id() : 0;
    record.direction = FrameDirection::Received;
    record.bytes.assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
    record.outcome = FrameOutcome::Late;
    monitor_.Publish(std::move(record));
}

}  // namespace voltaro
