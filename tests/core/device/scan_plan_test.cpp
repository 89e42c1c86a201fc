// The bus scan's plan: the lists as users write them, their refusals, the line settings
// tried and the probe time-out at each baud rate.
#include <gtest/gtest.h>

#include "core/device/scan_plan.h"
#include "core/platform/message_format.h"
#include "core/platform/scan_text_ids.h"

namespace voltaro {
namespace {

using Ints = std::vector<int>;

TEST(ScanPlan, AddressListsTakeNumbersAndRangesAscendingWithoutRepeats) {
    Ints addresses;
    EXPECT_EQ(ParseAddressList("1,5,9-12", addresses), "");
    EXPECT_EQ(addresses, (Ints{1, 5, 9, 10, 11, 12}));
    EXPECT_EQ(ParseAddressList(" 12-10 ", addresses),
              FormatMessageId(kMsgScanAddressListInvalid, {" 12-10 "}));
    EXPECT_EQ(addresses, (Ints{1, 5, 9, 10, 11, 12})) << "a refusal keeps the list";
    EXPECT_EQ(ParseAddressList("9-11, 3, 10", addresses), "");
    EXPECT_EQ(addresses, (Ints{3, 9, 10, 11}));
    EXPECT_EQ(ParseAddressList("1-247", addresses), "");
    ASSERT_EQ(addresses.size(), 247u);
    EXPECT_EQ(addresses.front(), 1);
    EXPECT_EQ(addresses.back(), 247);
    for (const char* bad : {"", "0", "248", "1-248", "0-5", "1,,3", "a", "3-", "-3", "1-2-3", "5x",
                            "99999999999999999999", "4294967301", "1-4294967301"}) {
        EXPECT_EQ(ParseAddressList(bad, addresses),
                  FormatMessageId(kMsgScanAddressListInvalid, {bad}))
            << bad;
    }
    EXPECT_EQ(addresses.size(), 247u);
}

TEST(ScanPlan, BaudParityStopAndTimeOutRefuseWhatTheLinkCannotUse) {
    Ints bauds;
    EXPECT_EQ(ParseBaudList("19200,1200,19200", bauds), "");
    EXPECT_EQ(bauds, (Ints{4, 0})) << "indexes in the order given, once each";
    for (const char* bad : {"", "9600,", "300", "57600", "9600.0", "fast", "4294976896"})
        EXPECT_EQ(ParseBaudList(bad, bauds), FormatMessageId(kMsgScanBaudListInvalid, {bad}))
            << bad;
    EXPECT_EQ(bauds, (Ints{4, 0}));

    Ints parities;
    EXPECT_EQ(ParseParityList("N,e,Odd,even", parities), "");
    EXPECT_EQ(parities, (Ints{0, 2, 1}));
    for (const char* bad : {"", "X", "N,M", "mark"})
        EXPECT_FALSE(ParseParityList(bad, parities).empty()) << bad;

    int stop = -1;
    EXPECT_EQ(ParseStopBits("2", stop), "");
    EXPECT_EQ(stop, 1);
    EXPECT_EQ(ParseStopBits("1", stop), "");
    EXPECT_EQ(stop, 0);
    EXPECT_EQ(ParseStopBits("1.5", stop), FormatMessageId(kMsgScanStopInvalid, {"1.5"}));
    EXPECT_EQ(stop, 0);

    uint32_t timeout = 0;
    EXPECT_EQ(ParseScanTimeout("250", timeout), "");
    EXPECT_EQ(timeout, 250u);
    for (const char* bad : {"9", "10001", "-5", "", "1e3"})
        EXPECT_EQ(
            ParseScanTimeout(bad, timeout),
            FormatMessageId(kMsgScanTimeoutInvalid, {bad, kScanMinTimeoutMs, kScanMaxTimeoutMs}))
            << bad;
    EXPECT_EQ(timeout, 250u);
}

TEST(ScanPlan, LinesCrossEveryBaudWithEveryParityUnderTheStopBitRule) {
    // Without a stop choice: two stop bits without parity, one with it.
    const std::vector<ScanLine> lines = ScanLines({3, 4}, {0, 2}, std::nullopt);
    const std::vector<ScanLine> expected{{3, 0, 1}, {3, 2, 0}, {4, 0, 1}, {4, 2, 0}};
    EXPECT_EQ(lines, expected);
    for (const ScanLine& line : ScanLines({3}, {0, 1, 2}, 0))
        EXPECT_EQ(line.stop, 0) << "a given stop choice holds for every parity";

    ScanPlan plan;
    plan.lines = lines;
    plan.addresses = {1, 2, 3};
    EXPECT_EQ(plan.ProbeCount(), 12u);
    plan.lines.clear();  // TCP: unit ids only
    EXPECT_EQ(plan.ProbeCount(), 3u);
}

TEST(ScanPlan, ProbeTimeOutGrowsWithTheByteTimeBelowTheFullRate) {
    EXPECT_EQ(ScanTimeoutMs(kScanTimeoutMs, 38400), 100u);
    EXPECT_EQ(ScanTimeoutMs(kScanTimeoutMs, 19200), 100u);
    EXPECT_EQ(ScanTimeoutMs(kScanTimeoutMs, 9600), 100u);
    EXPECT_EQ(ScanTimeoutMs(kScanTimeoutMs, 4800), 200u);
    EXPECT_EQ(ScanTimeoutMs(kScanTimeoutMs, 2400), 400u);
    EXPECT_EQ(ScanTimeoutMs(kScanTimeoutMs, 1200), 800u);
    // A user's base scales the same way and rounds up, never down to a shorter wait.
    EXPECT_EQ(ScanTimeoutMs(250, 1200), 2000u);
    EXPECT_EQ(ScanTimeoutMs(10, 7000), 14u);
    // The whole range stays within 32 bits.
    EXPECT_EQ(ScanTimeoutMs(kScanMaxTimeoutMs, 1200), 80000u);
}

}  // namespace
}  // namespace voltaro
