#include "sim/protocol.h"

#include <algorithm>
#include <cstdio>

#include "core/comm/crc16.h"
#include "core/comm/rtu_framing.h"
#include "core/model/parameter_blocks.h"
#include "core/model/parameter_check.h"
#include "sim/device_model.h"

namespace voltaro::sim {
namespace {

constexpr int kMaxMbapLength = 7 + 2 * 255;

std::vector<uint8_t> Exception(uint8_t function, uint8_t code) {
    return {static_cast<uint8_t>(function | 0x80), code};
}

int Word(const std::vector<uint8_t>& bytes, std::size_t at) {
    return bytes[at] << 8 | bytes[at + 1];
}

const char* ExceptionName(uint8_t code) {
    switch (code) {
        case 1:
            return "illegal function";
        case 2:
            return "illegal data address";
        case 3:
            return "illegal data value";
        case 4:
            return "slave device failure";
        default:
            return "injected";
    }
}

// Whether a write carries a value that its parameter does not take (a list code the
// device has no entry for): the device refuses the whole request with exception 03.
bool TakesValues(const CDeviceType& type, int address, int count, const uint16_t* values) {
    const uint64_t features = type.FeatureSet();
    for (const ParameterBlock& block : BlockTableFor(type)) {
        if (block.kind != 0 || !block.AppliesTo(features)) continue;
        const int first = std::max(address, block.address);
        const int end = std::min(address + count, block.address + block.count);
        for (int a = first; a < end; ++a)
            if (!IsAllowedValue(type, block.word + a - block.address, values[a - address]))
                return false;
    }
    return true;
}

}  // namespace

bool RequestRange(const std::vector<uint8_t>& pdu, int& address, int& count) {
    if (pdu.size() < 5) return false;
    if (pdu[0] != kFunctionReadInput && pdu[0] != kFunctionWriteMultiple) return false;
    address = Word(pdu, 1);
    count = Word(pdu, 3);
    return true;
}

std::vector<uint8_t> HandlePdu(DeviceModel& model, const std::vector<uint8_t>& pdu,
                               const std::vector<ExceptionRule>& rules) {
    if (pdu.empty()) return {};
    const uint8_t function = pdu[0];
    if (function != kFunctionReadInput && function != kFunctionWriteMultiple) {
        return Exception(function, kIllegalFunction);
    }
    int address = 0, count = 0;
    if (!RequestRange(pdu, address, count)) return Exception(function, kIllegalValue);
    const bool read = function == kFunctionReadInput;
    const int limit = read ? kMaxReadQuantity : kMaxWriteQuantity;
    if (count < 1 || count > limit) return Exception(function, kIllegalValue);
    if (read ? pdu.size() != 5
             : pdu.size() < 6 || pdu[5] != 2 * count || pdu.size() != 6u + pdu[5]) {
        return Exception(function, kIllegalValue);
    }
    for (const ExceptionRule& rule : rules) {
        if (address <= rule.last && rule.first < address + count) {
            return Exception(function, rule.code);
        }
    }
    if (address + count > kRegisterCount) return Exception(function, kIllegalAddress);
    if (read) {
        std::vector<uint16_t> values(static_cast<std::size_t>(count));
        const uint8_t result = model.Read(address, count, values.data());
        if (result != 0) return Exception(function, result);
        std::vector<uint8_t> answer{function, static_cast<uint8_t>(2 * count)};
        for (uint16_t v : values) {
            answer.push_back(static_cast<uint8_t>(v >> 8));
            answer.push_back(static_cast<uint8_t>(v & 0xFF));
        }
        return answer;
    }
    std::vector<uint16_t> values(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        values[static_cast<std::size_t>(i)] =
            static_cast<uint16_t>(Word(pdu, 6 + 2 * static_cast<std::size_t>(i)));
    }
    if (!TakesValues(model.Type(), address, count, values.data()))
        return Exception(function, kIllegalValue);
    const uint8_t result = model.Write(address, count, values.data());
    if (result != 0) return Exception(function, result);
    return {function, pdu[1], pdu[2], pdu[3], pdu[4]};
}

int RtuRequestLength(const uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    if (data[1] == kFunctionReadInput) return 8;
    if (data[1] == kFunctionWriteMultiple) return size < 7 ? 0 : 9 + data[6];
    return -1;
}

bool RtuCrcValid(const uint8_t* frame, std::size_t size) {
    if (size < 4) return false;
    const uint16_t crc = Crc16(frame, size - 2);
    return frame[size - 2] == (crc & 0xFF) && frame[size - 1] == (crc >> 8);
}

std::vector<uint8_t> RtuFrame(uint8_t unit, const std::vector<uint8_t>& pdu) {
    std::vector<uint8_t> frame{unit};
    frame.insert(frame.end(), pdu.begin(), pdu.end());
    const uint16_t crc = Crc16(frame.data(), frame.size());
    frame.push_back(static_cast<uint8_t>(crc & 0xFF));
    frame.push_back(static_cast<uint8_t>(crc >> 8));
    return frame;
}

double FrameSilenceMs(int baud) {
    return baud > 19200 ? 1.75 : 3.5 * 11000.0 / baud;
}

double WireTimeMs(std::size_t bytes, int baud) {
    return static_cast<double>(bytes) * 11000.0 / baud;
}

int ExtractMbap(const std::vector<uint8_t>& buffer, MbapRequest& request) {
    if (buffer.size() < 7) return 0;
    const int length = Word(buffer, 4);
    // Modbus allows 254; a little more is taken so that an oversized write still gets
    // its exception answer instead of a closed connection.
    if (length < 2 || length > kMaxMbapLength) return -1;
    const std::size_t total = 6 + static_cast<std::size_t>(length);
    if (buffer.size() < total) return 0;
    request.transaction = static_cast<uint16_t>(Word(buffer, 0));
    request.protocol = static_cast<uint16_t>(Word(buffer, 2));
    request.unit = buffer[6];
    request.pdu.assign(buffer.begin() + 7, buffer.begin() + static_cast<std::ptrdiff_t>(total));
    return static_cast<int>(total);
}

std::vector<uint8_t> MbapFrame(uint16_t transaction, uint8_t unit,
                               const std::vector<uint8_t>& pdu) {
    const std::size_t length = pdu.size() + 1;
    std::vector<uint8_t> frame{
        static_cast<uint8_t>(transaction >> 8), static_cast<uint8_t>(transaction & 0xFF), 0,   0,
        static_cast<uint8_t>(length >> 8),      static_cast<uint8_t>(length & 0xFF),      unit};
    frame.insert(frame.end(), pdu.begin(), pdu.end());
    return frame;
}

std::string HexBytes(const std::vector<uint8_t>& bytes) {
    std::string text;
    char part[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(part, sizeof part, i ? " %02X" : "%02X", bytes[i]);
        text += part;
    }
    return text;
}

std::string DescribeRequest(const std::vector<uint8_t>& pdu) {
    int address = 0, count = 0;
    if (pdu.empty()) return "empty request";
    if (!RequestRange(pdu, address, count)) return "function " + std::to_string(pdu[0]);
    std::string text = (pdu[0] == kFunctionReadInput ? "read " : "write ") +
                       std::to_string(address) + " x" + std::to_string(count);
    if (pdu[0] == kFunctionWriteMultiple) {
        text += " =";
        char part[12];
        for (std::size_t at = 6; at + 1 < pdu.size() && at < 6 + 2 * 16; at += 2) {
            std::snprintf(part, sizeof part, " 0x%04X", Word(pdu, at));
            text += part;
        }
        if (pdu.size() > 6 + 2 * 16) text += " ...";
    }
    return text;
}

std::string DescribeAnswer(const std::vector<uint8_t>& request,
                           const std::vector<uint8_t>& answer) {
    if (answer.size() >= 2 && (answer[0] & 0x80) != 0) {
        char text[64];
        std::snprintf(text, sizeof text, "exception %02X (%s)", answer[1],
                      ExceptionName(answer[1]));
        return text;
    }
    int address = 0, count = 0;
    if (!RequestRange(request, address, count)) return "answer";
    if (answer.empty() || answer[0] != kFunctionReadInput) return "written";
    std::string text = "values";
    for (std::size_t at = 2, i = 0; at + 1 < answer.size() && i < 16; at += 2, ++i) {
        text += " " + std::to_string(Word(answer, at));
    }
    if (answer.size() > 2 + 2 * 16) text += " ...";
    return text;
}

}  // namespace voltaro::sim
