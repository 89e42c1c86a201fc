#pragma once
// Modbus request building, RTU framing and response validation as pure functions:
// bytes in, result out. The serial and TCP transports and the client wrap thin I/O
// around these.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

namespace voltaro {

constexpr uint8_t kFunctionReadInput = 4;       // read (function code 4)
constexpr uint8_t kFunctionWriteMultiple = 16;  // write (function code 16)
constexpr const char* kReadCommandName = "ReadHoldingRegister";
constexpr const char* kWriteCommandName = "WriteMultipleRegisters";

// Largest quantities one request may carry: the protocol's own limits.
constexpr int kMaxReadQuantity = 125;
constexpr int kMaxWriteQuantity = 123;

// Unit address, 4, address high, address low, 0, count.
std::vector<uint8_t> BuildReadRequest(uint8_t unit, int address, int count);
// Unit address, 16, address high, address low, 0, count, 2 x count, values high byte first.
std::vector<uint8_t> BuildWriteRequest(uint8_t unit, int address, int count,
                                       const uint16_t* values);
// Expected response lengths without check bytes.
constexpr std::size_t ReadResponseLength(int count) {
    return 2 * static_cast<std::size_t>(count) + 3;
}
constexpr std::size_t kWriteResponseLength = 6;

// The request followed by its CRC-16, low byte first.
std::vector<uint8_t> FrameRtu(const std::vector<uint8_t>& request);

// The baud rates a stored baud index selects, in index order.
inline constexpr uint32_t kBaudRates[] = {1200, 2400, 4800, 9600, 19200, 38400};
inline constexpr int kBaudIndexCount = static_cast<int>(std::size(kBaudRates));
// Baud rate used by the timing formulas for a stored baud index (1200 out of range).
uint32_t BaudRateOfIndex(int index);
// The stored baud index of rate; -1 when no index selects it.
int BaudIndexOfRate(long long rate);
// base + byteCount x 17000 / rate (unsigned integer arithmetic), in milliseconds.
uint32_t ResponseTimeoutMs(uint32_t byteCount, uint32_t baseMs, uint32_t rate);
// Pause after an exchange: 120000 / rate + 1 ms.
uint32_t GuardDelayMs(uint32_t rate);

enum class ModbusFailure { None, Timeout, InvalidTransaction, Exception, InvalidResponse, Crc };

// What arrived on the serial line for one response: raw holds `received` bytes
// (at most expectedLength + 2). The response bytes (check bytes not counted) are
// copied into response (sized expectedLength, zero-filled beyond what arrived).
struct RtuReceipt {
    std::size_t n = 0;         // bytes received minus the check bytes
    bool crcMismatch = false;  // a complete answer whose CRC does not match
};
RtuReceipt ParseRtuResponse(const uint8_t* raw, std::size_t received, std::size_t expectedLength,
                            std::vector<uint8_t>& response);

// Validation common to serial and TCP, in this order: nothing received -> time-out;
// wrong transaction; exception bit of the function code; short answer. exceptionCode
// receives the device's code for an exception answer.
ModbusFailure ValidateResponse(std::size_t n, uint16_t sentTransaction,
                               uint16_t receivedTransaction, const std::vector<uint8_t>& response,
                               std::size_t expectedLength, int* exceptionCode);

// The reason text of a failure (kMsgTimeout ... kMsgReceiveException, kMsgInvalidTransaction).
std::string FailureReasonText(ModbusFailure failure, int exceptionCode);
// kMsgModbusCommandFailed for command at 0-based address (shown + 1) with count registers.
std::string ModbusErrorMessage(const char* command, int address, int count, ModbusFailure failure,
                               int exceptionCode);

}  // namespace voltaro
