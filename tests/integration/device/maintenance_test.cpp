// The maintenance commands against a simulated device behind a recording relay: the
// exact write requests of resets, tag, clock and loop tests, with and without
// protection, with a wrong passcode, and their effect on the device.
#include <gtest/gtest.h>

#include "core/app/meter_monitor_model.h"
#include "core/app/preset_dialog_model.h"
#include "core/device/device_clock.h"
#include "core/device/loop_test.h"
#include "core/device/loop_test_zc.h"
#include "core/device/utility_commands.h"
#include "core/model/device_registers.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "integration/transfer/passcode_support.h"

namespace voltaro {
namespace {

using test::Protected;
using test::SimLink;
using test::SimRow;

constexpr int kKt6Row = 40;  // analogue outputs
constexpr int kZb1Row = 37;  // one input, four counters
constexpr int kZb2Row = 38;  // two inputs
constexpr int kZcRow = 52;
constexpr uint32_t kPasscode = 4711;

struct Answers : test::ScriptedInteraction {
    bool yes = true;
    int questions = 0;
    bool Confirm(const std::string&) override {
        ++questions;
        return yes;
    }
};

std::vector<int> WriteAddresses(const test::RecordingProxy& proxy) {
    std::vector<int> addresses;
    for (const auto& w : proxy.Writes())
        addresses.push_back(w.address);
    return addresses;
}

using Addresses = std::vector<int>;

TEST(Reset, NoSendsNothingAndYesWritesInOrderOnAnUnprotectedDevice) {
    SimLink link(SimRow(kZb1Row));
    link.simulator.AdvanceTime(600);
    Answers ui;
    ui.yes = false;
    EXPECT_EQ(RunReset(*link.client, ui, ResetKind::Energy, 0, 4), CommandOutcome::Declined);
    EXPECT_TRUE(link.proxy.Requests().empty());
    ui.yes = true;
    ASSERT_NE(link.simulator.Registers(128, 2), (std::vector<uint16_t>{0, 0}));
    EXPECT_EQ(RunReset(*link.client, ui, ResetKind::Energy, 0, 4), CommandOutcome::Done);
    EXPECT_EQ(WriteAddresses(link.proxy),
              (Addresses{kUnlockRegister, kUnlockRegister, kResetRegister, kUnlockRegister}));
    EXPECT_EQ(link.simulator.Registers(128, 2), (std::vector<uint16_t>{0, 0}));
    EXPECT_EQ(link.simulator.Register(kUnlockRegister), 0);
    // Counters of a 4-counter type: 15 to 5337.
    link.proxy.Clear();
    EXPECT_EQ(RunReset(*link.client, ui, ResetKind::Counter, 0, 4), CommandOutcome::Done);
    EXPECT_EQ(WriteAddresses(link.proxy)[2], kResetSecondRegister);
    EXPECT_EQ(link.simulator.Registers(kCounterRegister, 8), std::vector<uint16_t>(8, 0));
}

TEST(Reset, EightCountersAndTheSecondInput) {
    sim::SimulatorOptions eight = SimRow(kZb2Row);
    eight.device.alternateIo = true;  // 8 counters
    SimLink link(eight);
    link.simulator.AdvanceTime(100);
    Answers ui;
    EXPECT_EQ(RunReset(*link.client, ui, ResetKind::Counter, 1, 8), CommandOutcome::Done);
    EXPECT_EQ(WriteAddresses(link.proxy)[2], kCounterResetRegister);
    EXPECT_EQ(link.simulator.Registers(kCounterRegister, 16), std::vector<uint16_t>(16, 0));
}

TEST(Reset, ProtectedDeviceRightAndWrongPasscode) {
    SimLink link(Protected(kZb2Row, kPasscode));
    link.simulator.AdvanceTime(3600);
    Answers ui;
    ui.passcode = kPasscode + 1;
    EXPECT_EQ(RunReset(*link.client, ui, ResetKind::Energy, 1, 4), CommandOutcome::Refused);
    EXPECT_EQ(ui.errors, std::vector<std::string>{LoadString(kMsgPasscodeMismatch)});
    EXPECT_EQ(WriteAddresses(link.proxy), (Addresses{kPasscodeRegister, kUnlockRegister}));
    const std::vector<uint16_t> none(28, 0);
    EXPECT_NE(link.simulator.Registers(4128, 28), none);
    link.proxy.Clear();
    ui.passcode = kPasscode;
    EXPECT_EQ(RunReset(*link.client, ui, ResetKind::Energy, 1, 4), CommandOutcome::Done);
    EXPECT_EQ(WriteAddresses(link.proxy),
              (Addresses{kPasscodeRegister, kUnlockRegister, kUnlockRegister, kResetSecondRegister,
                         kUnlockRegister, kPasscodeRegister}));
    EXPECT_EQ(link.simulator.Registers(4128, 28), none);
    EXPECT_EQ(link.simulator.Register(kUnlockRegister), 0);
    // Cancel at the passcode prompt ends silently.
    link.proxy.Clear();
    ui.passcode.reset();
    ui.errors.clear();
    EXPECT_EQ(RunReset(*link.client, ui, ResetKind::Demand, 0, 4), CommandOutcome::Refused);
    EXPECT_TRUE(link.proxy.Writes().empty());
    EXPECT_TRUE(ui.errors.empty());
}

TEST(Tag, WrittenBehindTheUnlockAndReadBack) {
    SimLink link(Protected(kKt6Row, kPasscode));
    Answers ui;
    ui.passcode = kPasscode;
    ASSERT_TRUE(WriteTag(*link.client, ui, "Feeder 12 / West"));
    EXPECT_EQ(WriteAddresses(link.proxy),
              (Addresses{kPasscodeRegister, kUnlockRegister, kTagRegister, kUnlockRegister,
                         kPasscodeRegister}));
    EXPECT_EQ(ReadTag(*link.client), "Feeder 12 / West");
    EXPECT_EQ(link.simulator.Register(kUnlockRegister), 0);
    ui.passcode = 1;
    link.proxy.Clear();
    EXPECT_FALSE(WriteTag(*link.client, ui, "other"));
    EXPECT_EQ(WriteAddresses(link.proxy), (Addresses{kPasscodeRegister, kUnlockRegister}));
    EXPECT_EQ(ReadTag(*link.client), "Feeder 12 / West");
}

TEST(Clock, SetWritesOneRequestAndTheDeviceRunsFromThere) {
    SimLink link(SimRow(kKt6Row));
    Answers ui;
    ASSERT_TRUE(SetDeviceClock(*link.client, ui, {2031, 4, 30, 23, 59, 20}));
    EXPECT_EQ(WriteAddresses(link.proxy),
              (Addresses{kUnlockRegister, kClockRegister, kUnlockRegister, kPasscodeRegister}));
    const std::string shown = FormatDeviceClock(ReadDeviceClock(*link.client));
    EXPECT_EQ(shown.substr(0, 17), "2031/04/30 23:59:") << shown;
}

TEST(Clock, SyncAtSecond59CarriesIntoTheNextDay) {
    SimLink link(Protected(kKt6Row, kPasscode));
    Answers ui;
    ui.passcode = kPasscode;
    ASSERT_TRUE(SetDeviceClock(*link.client, ui, {2030, 1, 1, 0, 0, 20}));
    // The PC clock stands at 23:59:59 on New Year's Eve, first past its 950 ms mark.
    int reads = 0;
    const PcClock pc = [&reads] {
        const int ms[] = {970, 100, 500, 960};
        return PcTime{{2030, 12, 31, 23, 59, 59}, ms[std::min(reads++, 3)]};
    };
    link.proxy.Clear();
    const SyncResult result = SyncDeviceClock(*link.client, ui, pc);
    ASSERT_TRUE(result.written);
    EXPECT_EQ(result.time, (DateTime{2031, 1, 1, 0, 0, 0}));
    EXPECT_GE(reads, 4);
    EXPECT_EQ(WriteAddresses(link.proxy),
              (Addresses{kPasscodeRegister, kUnlockRegister, kClockRegister, kUnlockRegister,
                         kPasscodeRegister}));
    const std::string shown = FormatDeviceClock(ReadDeviceClock(*link.client));
    EXPECT_EQ(shown.substr(0, 16), "2031/01/01 00:00") << shown;
}

TEST(LoopTest, AnalogueOutputsOnAndOff) {
    SimLink link(SimRow(kKt6Row));
    const CDeviceType& type = link.simulator.Type();
    ASSERT_TRUE(HasAnalogOutputs(type));
    Answers ui;
    EXPECT_FALSE(ReadLoopTestStatus(*link.client, type).Any());
    const AoLoopState before = ReadAoLoopTest(*link.client);
    EXPECT_FALSE(before.loopTest);
    link.proxy.Clear();
    ASSERT_TRUE(SetAoLoopTest(*link.client, ui, true, {400, 800, 1200, 2000}));
    EXPECT_EQ(WriteAddresses(link.proxy),
              (Addresses{kUnlockRegister, kFixedOutputRegister, kUnlockRegister, kUnlockRegister,
                         kCounterRegister, kUnlockRegister}));
    link.simulator.AdvanceTime(5);
    const AoLoopState on = ReadAoLoopTest(*link.client);
    EXPECT_TRUE(on.loopTest);
    EXPECT_EQ(on.values, (AoValues{400, 800, 1200, 2000}));
    EXPECT_TRUE(ReadLoopTestStatus(*link.client, type).analogOutputs);
    ASSERT_TRUE(SetAoLoopTest(*link.client, ui, false, {}));
    EXPECT_FALSE(ReadLoopTestStatus(*link.client, type).Any());
}

TEST(LoopTest, ProtectedZbAsksTwiceAndReportsTheTestValues) {
    SimLink link(Protected(kZb2Row, kPasscode));
    Answers ui;
    ui.passcode = kPasscode;
    ZbLoopState state = ReadZbLoopTest(*link.client, 1);
    EXPECT_FALSE(state.loopTest);
    state.values[0] = 12345;  // current, 12.345 A
    state.values[6] = 0;      // frequency 0 is accepted
    state.values[12] = 22000;
    link.proxy.Clear();
    ASSERT_TRUE(SetZbLoopTest(*link.client, ui, 1, true, state.values));
    EXPECT_EQ(ui.passcodeQuestions, 2);
    const Addresses writes = WriteAddresses(link.proxy);
    EXPECT_EQ(writes, (Addresses{kPasscodeRegister, kUnlockRegister, kVectorUnavailableRegister2,
                                 kUnlockRegister, kPasscodeRegister, kPasscodeRegister,
                                 kUnlockRegister, 4000, 4032, kUnlockRegister, kPasscodeRegister}));
    link.simulator.AdvanceTime(2);
    const ZbLoopState shown = ReadZbLoopTest(*link.client, 1);
    EXPECT_TRUE(shown.loopTest);
    EXPECT_EQ(shown.values[0], 12345);
    EXPECT_EQ(shown.values[12], 22000);
    EXPECT_EQ(ReadLoopTestStatus(*link.client, link.simulator.Type()).channels,
              std::vector<int>{1});
    // A wrong passcode switches nothing off.
    ui.passcode = 1;
    EXPECT_FALSE(SetZbLoopTest(*link.client, ui, 1, false, {}));
    EXPECT_TRUE(ReadZbLoopTest(*link.client, 1).loopTest);
    ui.passcode = kPasscode;
    ASSERT_TRUE(SetZbLoopTest(*link.client, ui, 1, false, {}));
    EXPECT_TRUE(ReadLoopTestStatus(*link.client, link.simulator.Type()).channels.empty());
}

TEST(PresetReader, CounterViewOfADeviceWithoutCountersReadsZerosWithoutARequest) {
    SimLink link(SimRow(kKt6Row));
    CMeasurandsKT2 store;
    store.SetValue(kIdxCounter1, 77);
    CPresetReader reader(*link.client, store, 0);
    reader.view = kEnergyTabCounter;
    reader.Read();
    ASSERT_FALSE(reader.Failed());
    EXPECT_EQ(reader.ReadView(), kEnergyTabCounter);
    EXPECT_EQ(store.Value(kIdxCounter1), 0);
    for (const auto& r : link.proxy.Requests())
        EXPECT_NE(r.address, kCounterRegister);
    // The second input's energies on a two-input ZB type.
    SimLink zb(SimRow(kZb2Row));
    zb.simulator.AdvanceTime(3600);
    CPresetReader second(*zb.client, store, 1);
    second.view = 0;
    second.Read();
    bool sawSecond = false;
    for (const auto& r : zb.proxy.Requests())
        sawSecond = sawSecond || r.address == 4128;
    EXPECT_TRUE(sawSecond);
}

TEST(LoopTest, ZcCommonValuesFollowChannelOne) {
    SimLink link(SimRow(kZcRow));
    Answers ui;
    ASSERT_GE(ReadZcChannelCount(*link.client), 2);
    ASSERT_TRUE(SetZcLoopTest(*link.client, ui, 1, true));
    EXPECT_TRUE(ReadZcLoopFlag(*link.client, 1));
    EXPECT_FALSE(ReadZcLoopFlag(*link.client, 0));
    EXPECT_EQ(WriteAddresses(link.proxy), (Addresses{kZcUnlockRegister, 9137, kZcUnlockRegister}));
    // Channel 2's voltage edited while channel 1 measures: registers 0-15 are not written,
    // and the common values are read back from the device.
    ZcLoopValues values = ReadZcLoopValues(*link.client, 1);
    ZcItem(values, 0) = 12345;
    ZcItem(values, 8) = 5000;  // first current of channel 2
    link.proxy.Clear();
    ASSERT_TRUE(WriteZcLoopValues(*link.client, ui, 1, values));
    EXPECT_EQ(WriteAddresses(link.proxy),
              (Addresses{kZcUnlockRegister, 3 * 32, 96 + 576, kZcUnlockRegister}));
    EXPECT_NE(ZcItem(values, 0), 12345);
    link.simulator.AdvanceTime(2);
    EXPECT_EQ(ReadZcLoopValues(*link.client, 1).currents[0], 5000);
    // With channel 1 in loop-test mode the common values are written.
    ASSERT_TRUE(SetZcLoopTest(*link.client, ui, 0, true));
    ZcItem(values, 0) = 23000;
    ASSERT_TRUE(WriteZcLoopValues(*link.client, ui, 1, values));
    link.simulator.AdvanceTime(2);
    EXPECT_EQ(ReadZcLoopValues(*link.client, 1).common[0], 23000);
    EXPECT_EQ(ZcItemKind(7), LoopValueKind::Frequency);
    EXPECT_EQ(ZcItemKind(11), LoopValueKind::NeutralCurrent);
    EXPECT_EQ(ZcItemKind(28), LoopValueKind::PowerFactor);
}

}  // namespace
}  // namespace voltaro
