// The rules of the maintenance commands that need no device: the clock's BCD words, its
// display and field checks, the carry of "Sync PC", the reset registers, the tag bytes
// and the kinds and ranges of loop-test values.
#include <gtest/gtest.h>
#include <functional>

#include "core/device/device_clock.h"
#include "core/device/loop_test.h"
#include "core/device/utility_commands.h"
#include "core/model/device_registers.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"

namespace voltaro {
namespace {

using Fields = std::array<std::string, 6>;

TEST(DeviceClock, ShowsBcdWordsAndFlagsTheMinutesTurn) {
    const ClockWords words{0x2512, 0x0309, 0x4530};
    EXPECT_EQ(FormatDeviceClock(words), "2025/12/03 09:45:30");
    EXPECT_EQ(ClockFields(words), (Fields{"2025", "12", "03", "09", "45", "30"}));
    const std::string busy = FormatDeviceClock({0x2512, 0x0309, 0x4557});
    EXPECT_EQ(busy, "2025/12/03 09:45:57 " + LoadString(kMsgProcessingNow));
    for (int s : {0x00, 0x05, 0x55, 0x57, 0x59}) {
        EXPECT_TRUE(ClockProcessingNow(static_cast<uint8_t>(s))) << s;
        EXPECT_FALSE(ClockSettable(static_cast<uint8_t>(s))) << s;
    }
    for (int s : {0x06, 0x30, 0x54})
        EXPECT_TRUE(ClockSettable(static_cast<uint8_t>(s))) << s;
}

TEST(DeviceClock, FieldChecksRefuseTheFirstBadFieldAndOnlyRealDates) {
    const auto bad = [](Fields f) { return CheckDateFields(f).badField; };
    EXPECT_EQ(bad({"1999", "1", "1", "0", "0", "0"}), kFieldYear);
    EXPECT_EQ(bad({"2100", "1", "1", "0", "0", "0"}), kFieldYear);
    EXPECT_EQ(bad({"2025", "0", "1", "0", "0", "0"}), kFieldMonth);
    EXPECT_EQ(bad({"2025", "13", "1", "0", "0", "0"}), kFieldMonth);
    EXPECT_EQ(bad({"2025", "4", "31", "0", "0", "0"}), kFieldDay);
    EXPECT_EQ(bad({"2025", "2", "29", "0", "0", "0"}), kFieldDay);
    EXPECT_EQ(bad({"2024", "2", "29", "24", "0", "0"}), kFieldHour);
    EXPECT_EQ(bad({"2024", "2", "29", "23", "60", "0"}), kFieldMinute);
    EXPECT_EQ(bad({"", "13", "1", "0", "0", "0"}), kFieldYear);  // the first one wins
    // Hour, minute and second that are no number count as 0.
    const DateCheck empty = CheckDateFields({"2024", "02", "29", "", "x", ""});
    EXPECT_EQ(empty.badField, -1);
    EXPECT_EQ(empty.value, (DateTime{2024, 2, 29, 0, 0, 0}));
    EXPECT_EQ(EncodeClock({2025, 12, 3, 9, 45, 30}), (ClockWords{0x2512, 0x0309, 0x4530}));
}

TEST(DeviceClock, NextSecondCarriesThroughTheCalendar) {
    EXPECT_EQ(NextSecond({2025, 6, 1, 10, 20, 30}), (DateTime{2025, 6, 1, 10, 20, 31}));
    EXPECT_EQ(NextSecond({2025, 6, 1, 10, 20, 59}), (DateTime{2025, 6, 1, 10, 21, 0}));
    EXPECT_EQ(NextSecond({2025, 6, 30, 23, 59, 59}), (DateTime{2025, 7, 1, 0, 0, 0}));
    EXPECT_EQ(NextSecond({2024, 2, 28, 23, 59, 59}), (DateTime{2024, 2, 29, 0, 0, 0}));
    EXPECT_EQ(NextSecond({2025, 12, 31, 23, 59, 59}), (DateTime{2026, 1, 1, 0, 0, 0}));
    // Never the invalid BCD second 0x60.
    EXPECT_EQ(EncodeClock(NextSecond({2025, 12, 3, 9, 45, 59}))[2], 0x4600);
}

TEST(ResetCommands, RegisterAndValueByChannelAndCounters) {
    const auto target = [](ResetKind k, int channel, int counters) {
        const auto t = ResetTargetOf(k, channel, counters);
        return t ? std::pair<int, int>{t->address, t->value} : std::pair<int, int>{-1, -1};
    };
    using P = std::pair<int, int>;
    EXPECT_EQ(target(ResetKind::Energy, 0, 0), (P{kResetRegister, 1}));
    EXPECT_EQ(target(ResetKind::MaxMin, 1, 0), (P{kResetSecondRegister, 2}));
    EXPECT_EQ(target(ResetKind::Demand, 0, 4), (P{kResetRegister, 3}));
    EXPECT_EQ(target(ResetKind::Counter, 0, 8), (P{kCounterResetRegister, 255}));
    EXPECT_EQ(target(ResetKind::Counter, 1, 4), (P{kResetSecondRegister, 15}));
    EXPECT_EQ(target(ResetKind::Counter, 0, 0), (P{-1, -1}));
}

TEST(Tag, SixteenBytesWithoutTerminatorShorterOnesZeroPadded) {
    const auto full = TagWords("ABCDEFGHIJKLMNOPQ");  // the 17th is dropped
    EXPECT_EQ(full[0], 'A' | 'B' << 8);
    EXPECT_EQ(full[7], 'O' | 'P' << 8);
    EXPECT_EQ(TagText(full), "ABCDEFGHIJKLMNOP");
    const auto shortTag = TagWords("Pump 3");
    EXPECT_EQ(shortTag[2], ' ' | '3' << 8);
    for (std::size_t r = 3; r < shortTag.size(); ++r)
        EXPECT_EQ(shortTag[r], 0);
    EXPECT_EQ(TagText(shortTag), "Pump 3");
}

std::string MessageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const CPrivateException& e) {
        return e.Message();
    }
    return "";
}

TEST(LoopValues, KindsRangesAndTheirMessages) {
    EXPECT_EQ(ZbItemKind(0), LoopValueKind::Current);
    EXPECT_EQ(ZbItemKind(6), LoopValueKind::Frequency);
    EXPECT_EQ(ZbItemKind(7), LoopValueKind::Fixed);
    EXPECT_EQ(ZbItemKind(11), LoopValueKind::NeutralCurrent);
    EXPECT_EQ(ZbItemKind(12), LoopValueKind::Voltage);
    EXPECT_EQ(ZbItemKind(29), LoopValueKind::PowerFactor);
    EXPECT_EQ(ZbItemKind(30), LoopValueKind::Fixed);
    EXPECT_EQ(ParseLoopValue(LoopValueKind::Frequency, "0"), 0);
    EXPECT_EQ(ParseLoopValue(LoopValueKind::Frequency, "50.00"), 5000);
    EXPECT_EQ(ParseLoopValue(LoopValueKind::PowerFactor, "-0.5"), -5000);
    EXPECT_EQ(MessageOf([] { ParseLoopValue(LoopValueKind::Frequency, "70.00"); }),
              FormatMessageId(kMsgOutOfRangeOrExtra, {"Frequency", "45.00", "65.00", "0.00"}));
    EXPECT_EQ(ParseAoValue(0, true, "4.00"), 400);
    EXPECT_EQ(ParseAoValue(0, false, "1.000"), 1000);
    const std::string ao = MessageOf([] { ParseAoValue(2, true, "23.00"); });
    EXPECT_EQ(ao, FormatMessageId(kMsgOutOfRange, {"Ao3", "1.60", "22.40"}));
    EXPECT_NE(ao.find("1.60 - 22.40"), std::string::npos) << ao;
}

}  // namespace
}  // namespace voltaro
