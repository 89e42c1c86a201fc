#include <gtest/gtest.h>

#include "core/model/value_helpers.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

constexpr int kName = 15153;  // "Primary voltage"

// The message that parsing text raises, or "" when it is accepted.
std::string Failure(std::string_view text, int64_t min, int64_t max, int64_t scale,
                    int64_t extra = kNoExtraValue) {
    try {
        ParseScaledValue(text, min, max, scale, kName, extra);
    } catch (const CPrivateException& e) {
        return e.Message();
    }
    return {};
}

std::string NotNumber() {
    return FormatMessageId(kMsgNotNumber, {LoadString(kName)});
}
std::string NotInteger() {
    return FormatMessageId(kMsgNotInteger, {LoadString(kName)});
}

TEST(ParseScaledValue, ScaledNumbersRoundHalfAwayFromZero) {
    EXPECT_EQ(ParseScaledValue("1.25", -1000, 1000, 10, kName), 13);
    EXPECT_EQ(ParseScaledValue("-1.25", -1000, 1000, 10, kName), -13);
    EXPECT_EQ(ParseScaledValue("45.5", 0, 10000, 100, kName), 4550);
    EXPECT_EQ(ParseScaledValue("1.15", 0, 10000, 100, kName), 115);
    EXPECT_EQ(ParseScaledValue("+2", 0, 10000, 1000, kName), 2000);
    EXPECT_EQ(Failure("1.2x", -1000, 1000, 10), NotNumber());
    EXPECT_EQ(Failure("", -1000, 1000, 10), NotNumber());
    EXPECT_EQ(Failure("nan", -1000, 1000, 10), NotNumber());
    EXPECT_EQ(Failure("inf", -1000, 1000, 10), NotNumber());
    EXPECT_EQ(Failure("+-1", -1000, 1000, 10), NotNumber());
}

TEST(ParseScaledValue, IntegersInCNotation) {
    EXPECT_EQ(ParseScaledValue("0x10", 0, 100, 1, kName), 16);
    EXPECT_EQ(ParseScaledValue("010", 0, 100, 1, kName), 8);
    EXPECT_EQ(ParseScaledValue("0", 0, 100, 1, kName), 0);
    EXPECT_EQ(ParseScaledValue("-42", -100, 100, 1, kName), -42);
    EXPECT_EQ(ParseScaledValue(" 7", 0, 100, 1, kName), 7);
    EXPECT_EQ(Failure("", 0, 100, 1), NotInteger());
    EXPECT_EQ(Failure("08", 0, 100, 1), NotInteger());
    EXPECT_EQ(Failure("0x", 0, 100, 1), NotInteger());
    EXPECT_EQ(Failure("1.5", 0, 100, 1), NotInteger());
    EXPECT_EQ(Failure("12 ", 0, 100, 1), NotInteger());
    EXPECT_EQ(Failure("-", 0, 100, 1), NotInteger());
}

TEST(ParseScaledValue, ValuesThatDoNotFitAreRejectedNotWrapped) {
    const int64_t lo = std::numeric_limits<int64_t>::min() + 1;
    const int64_t hi = std::numeric_limits<int64_t>::max();
    EXPECT_EQ(ParseScaledValue("9223372036854775807", lo, hi, 1, kName), hi);
    EXPECT_EQ(
        ParseScaledValue("-9223372036854775808", std::numeric_limits<int64_t>::min(), hi, 1, kName),
        std::numeric_limits<int64_t>::min());
    EXPECT_EQ(Failure("9223372036854775808", lo, hi, 1), NotInteger());
    EXPECT_EQ(Failure("0xFFFFFFFFFFFFFFFFF", lo, hi, 1), NotInteger());
    EXPECT_EQ(Failure("1e300", lo, hi, 10), NotNumber());
    EXPECT_EQ(Failure("-1e19", lo, hi, 10), NotNumber());
    // The 32-bit form: a value beyond 32 bits is out of range, not truncated.
    EXPECT_THROW(ParseScaledValue32("4294967297", 0, 100, 1, kName), CPrivateException);
}

TEST(ParseScaledValue, RangeMessagesShowScaledBounds) {
    EXPECT_EQ(Failure("49", 50, 400000, 1),
              FormatMessageId(kMsgOutOfRange, {LoadString(kName), "50", "400000"}));
    EXPECT_EQ(Failure("400001", 50, 400000, 1),
              FormatMessageId(kMsgOutOfRange, {LoadString(kName), "50", "400000"}));
    EXPECT_EQ(ParseScaledValue("400000", 50, 400000, 1, kName), 400000);

    EXPECT_EQ(ParseScaledValue32("0", 4500, 6500, 100, kName, 0), 0);
    EXPECT_EQ(ParseScaledValue32("45", 4500, 6500, 100, kName, 0), 4500);
    std::string withExtra;
    try {
        ParseScaledValue32("44", 4500, 6500, 100, kName, 0);
    } catch (const CPrivateException& e) {
        withExtra = e.Message();
    }
    EXPECT_EQ(withExtra, FormatMessageId(kMsgOutOfRangeOrExtra,
                                         {LoadString(kName), "45.00", "65.00", "0.00"}));
    EXPECT_NE(withExtra.find("45.00"), std::string::npos);
    EXPECT_NE(withExtra.find("65.00"), std::string::npos);
    // The 32-bit sentinel means no extra value, so kMsgOutOfRange rather than
    // kMsgOutOfRangeOrExtra.
    EXPECT_THROW(ParseScaledValue32("0", 1, 5, 1, kName), CPrivateException);
    EXPECT_EQ(Failure("0", 1, 5, 1),
              FormatMessageId(kMsgOutOfRange, {LoadString(kName), "1", "5"}));
}

TEST(FormatScaledBound, SignIntegerPartAndPaddedRemainder) {
    EXPECT_EQ(FormatScaledBound(0, -12), "-12");
    EXPECT_EQ(FormatScaledBound(2, 4500), "45.00");
    EXPECT_EQ(FormatScaledBound(2, -5), "-0.05");
    EXPECT_EQ(FormatScaledBound(3, 131071), "131.071");
    EXPECT_EQ(FormatScaledBound(1, std::numeric_limits<int64_t>::min()), "-922337203685477580.8");
}

TEST(FormatScaledValue, IntegerOrFixedDecimals) {
    EXPECT_EQ(FormatScaledValue(-180, 1), "-180");
    EXPECT_EQ(FormatScaledValue(15, 10), "1.5");
    EXPECT_EQ(FormatScaledValue(6500, 100), "65.00");
    EXPECT_EQ(FormatScaledValue(10000, 10000), "1.0000");
    EXPECT_EQ(ScaleDecimals(1), 0);
    EXPECT_EQ(ScaleDecimals(1000), 3);
}

TEST(StringList, ConsecutiveStringsInOrder) {
    std::vector<std::string> list = StringList(2, 1650);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], LoadString(1650));
    EXPECT_EQ(list[1], LoadString(1651));
    EXPECT_TRUE(StringList(0, 1650).empty());
}

}  // namespace
}  // namespace voltaro
