#pragma once
// The Modbus CRC-16 (reflected polynomial 0xA001, initial value 0xFFFF, no final XOR),
// table-driven a byte at a time. On the wire the low byte goes first.
#include <cstddef>
#include <cstdint>

namespace voltaro {

uint16_t Crc16(const uint8_t* data, std::size_t length);

}  // namespace voltaro
