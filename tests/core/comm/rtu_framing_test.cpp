#include "core/comm/rtu_framing.h"

#include <gtest/gtest.h>

namespace voltaro {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(RtuFraming, RequestsAndFrames) {
    EXPECT_EQ(BuildReadRequest(5, 0x1234, 10), (Bytes{5, 4, 0x12, 0x34, 0, 10}));
    const uint16_t values[] = {0x0102, 0xA0B0};
    EXPECT_EQ(BuildWriteRequest(1, 9104, 2, values),
              (Bytes{1, 16, 0x23, 0x90, 0, 2, 4, 0x01, 0x02, 0xA0, 0xB0}));
    EXPECT_EQ(FrameRtu({1, 4, 0, 0, 0, 1}), (Bytes{1, 4, 0, 0, 0, 1, 0x31, 0xCA}));
    EXPECT_EQ(ReadResponseLength(10), 23u);
}

TEST(RtuFraming, TimeoutAndGuardFormulas) {
    // Read of 10 registers at 9600 bit/s; write of 2 registers on infra-red.
    EXPECT_EQ(ResponseTimeoutMs(33, 1000, BaudRateOfIndex(3)), 1058u);
    EXPECT_EQ(ResponseTimeoutMs(21, 4000, 1200), 4297u);
    const uint32_t guards[] = {101, 51, 26, 13, 7, 4};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(GuardDelayMs(BaudRateOfIndex(i)), guards[i]);
    EXPECT_EQ(BaudRateOfIndex(6), 1200u);
    EXPECT_EQ(BaudRateOfIndex(-1), 1200u);
}

TEST(RtuFraming, ParseChecksCrcOnlyOfCompleteAnswers) {
    Bytes good = FrameRtu({1, 4, 2, 0x12, 0x34});
    Bytes response;
    RtuReceipt r = ParseRtuResponse(good.data(), good.size(), 5, response);
    EXPECT_EQ(r.n, 5u);
    EXPECT_FALSE(r.crcMismatch);
    EXPECT_EQ(response, (Bytes{1, 4, 2, 0x12, 0x34}));

    Bytes corrupt = good;
    corrupt[3] ^= 0x01;
    EXPECT_TRUE(ParseRtuResponse(corrupt.data(), corrupt.size(), 5, response).crcMismatch);

    // An exception answer (5 bytes on the wire for an expected 7 + 2) has no CRC check.
    Bytes exception = FrameRtu({1, 0x84, 2});
    exception[4] ^= 0xFF;  // even a broken CRC goes unnoticed
    r = ParseRtuResponse(exception.data(), exception.size(), 7, response);
    EXPECT_EQ(r.n, 3u);
    EXPECT_FALSE(r.crcMismatch);
    EXPECT_EQ(response, (Bytes{1, 0x84, 2, 0, 0, 0, 0}));

    r = ParseRtuResponse(nullptr, 0, 7, response);
    EXPECT_EQ(r.n, 0u);
    EXPECT_EQ(response.size(), 7u);
}

TEST(RtuFraming, ValidationOrder) {
    int code = -1;
    Bytes exc{1, 0x84, 3, 0, 0};
    EXPECT_EQ(ValidateResponse(0, 1, 1, exc, 5, &code), ModbusFailure::Timeout);
    EXPECT_EQ(ValidateResponse(3, 1, 2, exc, 5, &code), ModbusFailure::InvalidTransaction);
    EXPECT_EQ(ValidateResponse(3, 1, 1, exc, 5, &code), ModbusFailure::Exception);
    EXPECT_EQ(code, 3);
    Bytes shortAnswer{1, 4, 2, 0, 0};
    EXPECT_EQ(ValidateResponse(4, 0, 0, shortAnswer, 5, &code), ModbusFailure::InvalidResponse);
    // A different unit address is not checked.
    Bytes other{9, 4, 2, 0, 1};
    EXPECT_EQ(ValidateResponse(5, 0, 0, other, 5, &code), ModbusFailure::None);
}

TEST(RtuFraming, ErrorMessages) {
    EXPECT_EQ(ModbusErrorMessage(kReadCommandName, 100, 10, ModbusFailure::Timeout, 0),
              "Modbus command failed. command=ReadHoldingRegister address=101 size=10 "
              "reason=timeout.");
    EXPECT_EQ(FailureReasonText(ModbusFailure::Exception, 2), "receive exception 2");
    EXPECT_EQ(FailureReasonText(ModbusFailure::Crc, 0), "crc error");
    EXPECT_EQ(FailureReasonText(ModbusFailure::InvalidResponse, 0), "invalid response");
    EXPECT_EQ(FailureReasonText(ModbusFailure::InvalidTransaction, 0), "invalid transaction");
}

}  // namespace
}  // namespace voltaro
