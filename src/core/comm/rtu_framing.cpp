#include "core/comm/rtu_framing.h"

#include <algorithm>

#include "core/comm/crc16.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

void AppendHeader(std::vector<uint8_t>& request, uint8_t unit, uint8_t function, int address,
                  int count) {
    request.push_back(unit);
    request.push_back(function);
    request.push_back(static_cast<uint8_t>((address >> 8) & 0xFF));
    request.push_back(static_cast<uint8_t>(address & 0xFF));
    request.push_back(0);
    request.push_back(static_cast<uint8_t>(count & 0xFF));
}

}  // namespace

std::vector<uint8_t> BuildReadRequest(uint8_t unit, int address, int count) {
    std::vector<uint8_t> request;
    request.reserve(6);
    AppendHeader(request, unit, kFunctionReadInput, address, count);
    return request;
}

std::vector<uint8_t> BuildWriteRequest(uint8_t unit, int address, int count,
                                       const uint16_t* values) {
    std::vector<uint8_t> request;
    request.reserve(7 + 2 * static_cast<std::size_t>(count));
    AppendHeader(request, unit, kFunctionWriteMultiple, address, count);
    request.push_back(static_cast<uint8_t>((2 * count) & 0xFF));
    for (int i = 0; i < count; ++i) {
        request.push_back(static_cast<uint8_t>(values[i] >> 8));
        request.push_back(static_cast<uint8_t>(values[i] & 0xFF));
    }
    return request;
}

std::vector<uint8_t> FrameRtu(const std::vector<uint8_t>& request) {
    std::vector<uint8_t> frame(request);
    uint16_t crc = Crc16(request.data(), request.size());
    frame.push_back(static_cast<uint8_t>(crc & 0xFF));
    frame.push_back(static_cast<uint8_t>(crc >> 8));
    return frame;
}

uint32_t BaudRateOfIndex(int index) {
    return (index >= 0 && index < kBaudIndexCount) ? kBaudRates[index] : kBaudRates[0];
}

int BaudIndexOfRate(long long rate) {
    for (int i = 0; i < kBaudIndexCount; ++i)
        if (kBaudRates[i] == rate) return i;
    return -1;
}

uint32_t ResponseTimeoutMs(uint32_t byteCount, uint32_t baseMs, uint32_t rate) {
    return baseMs + (byteCount * 17000u) / rate;
}

uint32_t GuardDelayMs(uint32_t rate) {
    return 120000u / rate + 1;
}

RtuReceipt ParseRtuResponse(const uint8_t* raw, std::size_t received, std::size_t expectedLength,
                            std::vector<uint8_t>& response) {
    RtuReceipt receipt;
    std::size_t n = received >= 2 ? received - 2 : received;
    response.assign(expectedLength, 0);
    std::copy_n(raw, std::min(n, expectedLength), response.begin());
    receipt.n = n;
    if (n >= expectedLength) {
        uint16_t crc = Crc16(raw, expectedLength);
        uint16_t carried =
            static_cast<uint16_t>(raw[expectedLength] | (raw[expectedLength + 1] << 8));
        receipt.crcMismatch = crc != carried;
    }
    return receipt;
}

ModbusFailure ValidateResponse(std::size_t n, uint16_t sentTransaction,
                               uint16_t receivedTransaction, const std::vector<uint8_t>& response,
                               std::size_t expectedLength, int* exceptionCode) {
    if (n == 0) return ModbusFailure::Timeout;
    if (sentTransaction != receivedTransaction) return ModbusFailure::InvalidTransaction;
    if (n >= 3 && response.size() >= 3 && (response[1] & 0x80) != 0) {
        if (exceptionCode) *exceptionCode = response[2];
        return ModbusFailure::Exception;
    }
    if (n < expectedLength) return ModbusFailure::InvalidResponse;
    return ModbusFailure::None;
}

std::string FailureReasonText(ModbusFailure failure, int exceptionCode) {
    switch (failure) {
        case ModbusFailure::Timeout:
            return LoadString(kMsgTimeout);
        case ModbusFailure::InvalidResponse:
            return LoadString(kMsgInvalidResponse);
        case ModbusFailure::Crc:
            return LoadString(kMsgCrcError);
        case ModbusFailure::Exception:
            return FormatMessageId(kMsgReceiveException, {exceptionCode});
        case ModbusFailure::InvalidTransaction:
            return LoadString(kMsgInvalidTransaction);
        case ModbusFailure::None:
            break;
    }
    return {};
}

std::string ModbusErrorMessage(const char* command, int address, int count, ModbusFailure failure,
                               int exceptionCode) {
    return FormatMessageId(kMsgModbusCommandFailed, {command, address + 1, count,
                                                     FailureReasonText(failure, exceptionCode)});
}

}  // namespace voltaro
