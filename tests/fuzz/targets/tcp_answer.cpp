// Fuzz target: the byte stream of a Modbus-TCP connection cut into answers and judged
// against the requests, as the client does (stale answers dropped, leftovers kept for
// the next answer). The first input bytes pick the requests.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/comm/modbus_tcp.h"
#include "core/comm/rtu_framing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace voltaro;
    if (size < 3) return 0;
    const int count = data[0] % (kMaxReadQuantity + 1);
    const std::size_t expected = count == 0 ? kWriteResponseLength : ReadResponseLength(count);
    uint16_t transaction = static_cast<uint16_t>(data[1] << 8 | data[2]);
    const uint8_t* stream = data + 3;
    std::size_t left = size - 3;
    std::vector<uint8_t> buffer;
    std::vector<uint8_t> response;
    // Up to four requests, each answered from what the stream still holds.
    for (int request = 0; request < 4 && left > 0; ++request, ++transaction) {
        std::size_t received = 0;
        for (;;) {
            MbapCollector answer(buffer, expected + 6);
            const std::size_t used = answer.Take(stream, left);
            if (used > left) __builtin_trap();
            stream += used;
            left -= used;
            received = answer.Stored();
            if (received > expected + 6 || buffer.size() != expected + 6) __builtin_trap();
            const auto got = static_cast<uint16_t>(buffer[0] << 8 | buffer[1]);
            if (received < 6 || !IsEarlierTransaction(got, transaction) || left == 0) break;
        }
        int code = 0;
        const ModbusFailure failure =
            JudgeTcpAnswer(buffer, received, expected, transaction, response, &code);
        if (response.size() != expected) __builtin_trap();
        if (failure == ModbusFailure::None &&
            static_cast<uint16_t>(buffer[0] << 8 | buffer[1]) != transaction)
            __builtin_trap();
        FailureReasonText(failure, code);
    }
    return 0;
}
