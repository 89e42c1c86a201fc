#include "core/comm/crc16.h"

#include <gtest/gtest.h>

namespace voltaro {
namespace {

TEST(Crc16, MatchesTheModbusCheckValues) {
    const uint8_t check[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(Crc16(check, sizeof check), 0x4B37);
    // 01 04 00 00 00 01 is followed on the wire by 31 CA (low byte first).
    const uint8_t request[] = {0x01, 0x04, 0x00, 0x00, 0x00, 0x01};
    uint16_t crc = Crc16(request, sizeof request);
    EXPECT_EQ(crc & 0xFF, 0x31);
    EXPECT_EQ(crc >> 8, 0xCA);
}

}  // namespace
}  // namespace voltaro
