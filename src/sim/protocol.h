#pragma once
// The device's side of the Modbus protocol: the PDU handler (function 4 reads and
// function 16 writes, with exception answers), RTU frame recognition and framing, and
// the Modbus-TCP (MBAP) envelope. Pure byte handling: no file descriptors here.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "sim/sim_options.h"

namespace voltaro::sim {

class DeviceModel;

// Answers one request PDU (function code and data). `rules` are the injected exception
// rules: a request touching one of their addresses gets that rule's exception.
std::vector<uint8_t> HandlePdu(DeviceModel& model, const std::vector<uint8_t>& pdu,
                               const std::vector<ExceptionRule>& rules);

// Register range a request PDU touches; false when the PDU is too short to tell.
bool RequestRange(const std::vector<uint8_t>& pdu, int& address, int& count);

// Length of the RTU request frame at the start of `data` (CRC included): 0 while more
// bytes are needed to tell, -1 for a function whose frame only a silence can end.
int RtuRequestLength(const uint8_t* data, std::size_t size);
bool RtuCrcValid(const uint8_t* frame, std::size_t size);
// Unit address, PDU and CRC (low byte first).
std::vector<uint8_t> RtuFrame(uint8_t unit, const std::vector<uint8_t>& pdu);
// Silence that ends a frame (t3.5): 3.5 characters of 11 bits, 1.75 ms above 19200 bit/s.
double FrameSilenceMs(int baud);
// Time a frame of `bytes` takes on the wire at 11 bits per character.
double WireTimeMs(std::size_t bytes, int baud);

struct MbapRequest {
    uint16_t transaction = 0;
    uint16_t protocol = 0;
    uint8_t unit = 0;
    std::vector<uint8_t> pdu;
};
// Takes one complete request from the front of `buffer`: the number of bytes it used,
// 0 while it is incomplete, -1 when the header is unusable (the connection is closed).
int ExtractMbap(const std::vector<uint8_t>& buffer, MbapRequest& request);
std::vector<uint8_t> MbapFrame(uint16_t transaction, uint8_t unit, const std::vector<uint8_t>& pdu);

// Log texts: "read 9601 x1", "write 9104 x3 = 0x2512 0x0309 0x4530",
// "answer 9601: 231", "exception 02 (illegal data address)".
std::string DescribeRequest(const std::vector<uint8_t>& pdu);
std::string DescribeAnswer(const std::vector<uint8_t>& request, const std::vector<uint8_t>& answer);
std::string HexBytes(const std::vector<uint8_t>& bytes);

}  // namespace voltaro::sim
