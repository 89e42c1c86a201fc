#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

TEST(MessageFormat, PositionalInsertsMayBeReordered) {
    EXPECT_EQ(FormatMessageText("%2!s! before %1!s!", {"one", "two"}), "two before one");
    EXPECT_EQ(FormatMessageText("%1!s!%1!s!", {"ab"}), "abab");
    EXPECT_EQ(FormatMessageText("[%2]", {"x", "y"}), "[y]");
    EXPECT_EQ(FormatMessageText("%12!s!", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, "twelve"}), "twelve");
    EXPECT_EQ(FormatMessageText("%3!s!", {"only one"}), "");  // a missing insert is empty
}

TEST(MessageFormat, ConversionsFollowTheirSpecification) {
    EXPECT_EQ(FormatMessageText("%1!d!", {-5}), "-5");
    EXPECT_EQ(FormatMessageText("%1!lu!", {4000000000u}), "4000000000");
    EXPECT_EQ(FormatMessageText("%1!lu!", {-1}), "4294967295");  // 32-bit like the tables
    EXPECT_EQ(FormatMessageText("%1!I64d!", {int64_t{-5000000000}}), "-5000000000");
    EXPECT_EQ(FormatMessageText("%1!04X!", {255}), "00FF");
    EXPECT_EQ(FormatMessageText("%1!s!", {42}), "42");
    EXPECT_EQ(FormatMessageText("%1!s!", {2.5}), "2.5");
    EXPECT_EQ(FormatMessageText("%1!-4s!|", {"ab"}), "ab  |");
    EXPECT_EQ(FormatMessageText("%1!d!", {"12x"}), "12x");  // text is never shown as 0
    std::string longText(2000, 'a');
    EXPECT_EQ(FormatMessageText("%1!-3s!", {longText}), longText);  // no truncation
}

// A width or precision of gigabytes (a damaged or hostile pattern) gives a field of at most
// 256 characters instead of exhausting memory.
TEST(MessageFormat, HugeWidthsAndPrecisionsAreCapped) {
    EXPECT_EQ(FormatMessageText("%1!.0000000000001909036676i!", {7}).size(), 256u);
    EXPECT_EQ(FormatMessageText("%1!999999999999999999999s!", {"x"}).size(), 256u);
    EXPECT_EQ(FormatMessageText("%1!.f!", {2.5}), "2");  // an empty precision stays 0
    EXPECT_EQ(FormatMessageText("%1!8.3f!", {2.5}), "   2.500");
}

TEST(MessageFormat, PlainSequentialFormsAndPercent) {
    EXPECT_EQ(FormatMessageText("%s=%d", {"a", 7}), "a=7");
    EXPECT_EQ(FormatMessageText("%.1lf V", {230.04}), "230.0 V");
    EXPECT_EQ(FormatMessageText("100%% done", {}), "100% done");
    EXPECT_EQ(FormatMessageText("50%", {}), "50%");
    EXPECT_EQ(FormatMessageText("%q", {"unused"}), "%q");
}

TEST(MessageFormat, MessagesOfTheTable) {
    EXPECT_EQ(FormatMessageId(kMsgOutOfRange, {"Device address", "1", "247"}),
              "You should input Device address within the range of 1 - 247.");
    EXPECT_EQ(FormatMessageId(kMsgModbusCommandFailed, {"read", 5200, 10, "timeout"}),
              "Modbus command failed. command=read address=5200 size=10 reason=timeout.");
    EXPECT_EQ(FormatMessageId(kMsgUnsupportedDevice, {7811, 2}),
              "This device is not supported. (device id=7811, extension id=2)");
    EXPECT_EQ(FormatMessageId(kMsgCommunicationError, {"crc error"}),
              "Communication error. Please check device address, pc communication port setting, "
              "cable, device power.\r\rError Information:\rcrc error");
}

TEST(MessageFormat, InsertsAreListedInOrder) {
    EXPECT_EQ(MessageInserts("a %2!d! b %1 c %% %s %.1lf %q"),
              (std::vector<std::string>{"%2!d!", "%1!s!", "%s", "%.1lf"}));
    EXPECT_TRUE(MessageInserts("no inserts, 100%%").empty());
}

}  // namespace
}  // namespace voltaro
