#include "core/comm/crc16.h"

#include <array>

namespace voltaro {
namespace {

// The two 256-entry byte tables of the standard table-driven form: high and low
// byte of the CRC of each byte value.
struct CrcTables {
    std::array<uint8_t, 256> high{};
    std::array<uint8_t, 256> low{};
    CrcTables() {
        for (unsigned i = 0; i < 256; ++i) {
            uint16_t crc = static_cast<uint16_t>(i);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
            high[i] = static_cast<uint8_t>(crc >> 8);
            low[i] = static_cast<uint8_t>(crc & 0xFF);
        }
    }
};

}  // namespace

uint16_t Crc16(const uint8_t* data, std::size_t length) {
    static const CrcTables tables;
    uint8_t crcLow = 0xFF;
    uint8_t crcHigh = 0xFF;
    for (std::size_t i = 0; i < length; ++i) {
        uint8_t index = crcLow ^ data[i];
        crcLow = crcHigh ^ tables.low[index];
        crcHigh = tables.high[index];
    }
    return static_cast<uint16_t>((crcHigh << 8) | crcLow);
}

}  // namespace voltaro
