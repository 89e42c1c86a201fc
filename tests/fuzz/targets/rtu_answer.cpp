// Fuzz target: an RTU answer as the serial line delivers it, framed and validated for a
// read or a write request. The first input byte picks the request.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/comm/rtu_framing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace voltaro;
    if (size < 1) return 0;
    // 0: a write answer; 1..125: a read answer of that many registers.
    const int count = data[0] % (kMaxReadQuantity + 1);
    const std::size_t expected = count == 0 ? kWriteResponseLength : ReadResponseLength(count);
    // The receive keeps at most the answer and its CRC.
    const std::size_t received = size - 1 < expected + 2 ? size - 1 : expected + 2;
    std::vector<uint8_t> raw(data + 1, data + 1 + received);
    std::vector<uint8_t> response;
    const RtuReceipt receipt = ParseRtuResponse(raw.data(), received, expected, response);
    if (response.size() != expected) __builtin_trap();
    int code = 0;
    const ModbusFailure failure = ValidateResponse(receipt.n, 0, 0, response, expected, &code);
    // An accepted answer carries every byte that the caller then reads.
    if (failure == ModbusFailure::None && !receipt.crcMismatch && receipt.n < expected)
        __builtin_trap();
    FailureReasonText(failure, code);
    return 0;
}
