// Passcode protection against a protected simulated device.
#include "core/device/passcode_protection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <chrono>

#include "core/model/device_registers.h"
#include "core/model/settings_stocker.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/private_exception.h"
#include "core/platform/string_table.h"
#include "passcode_support.h"
#include "sim_link.h"
#include "support/test_support.h"

namespace voltaro {
namespace {

using test::MessageOf;
using test::Protected;
using test::ReadRegister;
using test::ScriptedInteraction;
using test::SimLink;
using test::SimRow;
using test::TryWrite;

constexpr int kMeterRow = 40;  // KT6 with protection support
constexpr int kZc16Row = 66;

std::vector<int> WriteAddresses(const test::RecordingProxy& proxy) {
    std::vector<int> addresses;
    for (const auto& w : proxy.Writes())
        addresses.push_back(w.address);
    return addresses;
}

TEST(Protection, UnprotectedDeviceIsStillUnlockedAndRelocked) {
    SimLink link(SimRow(kMeterRow));
    ScriptedInteraction ui;
    {
        CPasscodeProtection protection(ui, {1000, 20});
        ASSERT_TRUE(protection.Unlock(*link.client));
        EXPECT_EQ(ui.passcodeQuestions, 0);
        EXPECT_EQ(ReadRegister(*link.client, kUnlockRegister), 1);
    }
    EXPECT_EQ(ReadRegister(*link.client, kUnlockRegister), 0);
    EXPECT_EQ(WriteAddresses(link.proxy),
              (std::vector<int>{kUnlockRegister, kUnlockRegister, kPasscodeRegister}));
}

TEST(Protection, RightPasscodeUnlocksForWritingUntilRelock) {
    SimLink link(Protected(kMeterRow, 123456));
    EXPECT_FALSE(TryWrite(*link.client, 5200, 2));
    ScriptedInteraction ui;
    ui.passcode = 123456;
    {
        CPasscodeProtection protection(ui, {1000, 20});
        ASSERT_TRUE(protection.Unlock(*link.client));
        EXPECT_EQ(ui.passcodeQuestions, 1);
        EXPECT_TRUE(TryWrite(*link.client, 5200, 2));
        protection.Relock();
        EXPECT_FALSE(protection.Unlocked());
    }
    EXPECT_FALSE(TryWrite(*link.client, 5200, 1));
    EXPECT_EQ(link.simulator.Register(5200), 2);
    EXPECT_TRUE(ui.errors.empty());
}

TEST(Protection, WrongPasscodeShowsMismatchAfterTheUnlockPoll) {
    SimLink link(Protected(kMeterRow, 123456));
    ScriptedInteraction ui;
    ui.passcode = 654321;
    CPasscodeProtection protection(ui, {1000, 20});
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(protection.Unlock(*link.client));
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, std::chrono::milliseconds(1000));
    EXPECT_LT(elapsed, std::chrono::milliseconds(1800));
    EXPECT_EQ(ui.errors, (std::vector<std::string>{LoadString(kMsgPasscodeMismatch)}));
    EXPECT_FALSE(protection.Unlocked());
    EXPECT_FALSE(link.client->IsOpen());
}

TEST(Protection, CancelledPromptUnlocksNothing) {
    SimLink link(Protected(kMeterRow, 99));
    ScriptedInteraction ui;  // no passcode: the user cancels
    {
        CPasscodeProtection protection(ui, {1000, 20});
        EXPECT_FALSE(protection.Unlock(*link.client));
    }
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_TRUE(link.proxy.Writes().empty());
}

TEST(Protection, ZcSeriesUsesItsOwnRegistersAndNoWordOrder) {
    SimLink link(Protected(kZc16Row, 777));
    ScriptedInteraction ui;
    ui.passcode = 777;
    {
        CPasscodeProtection protection(ui, {1000, 20});
        ASSERT_TRUE(protection.Unlock(*link.client));
        EXPECT_EQ(protection.UnlockRegisterAddress(), kZcUnlockRegister);
        EXPECT_EQ(protection.PasscodeRegisterAddress(), kZcPasscodeRegister);
        EXPECT_EQ(protection.ProtectionRegisterAddress(), kZcProtectionRegister);
    }
    for (const auto& r : link.proxy.Requests())
        EXPECT_NE(r.address, kWordOrderRegister);
    EXPECT_EQ(WriteAddresses(link.proxy),
              (std::vector<int>{kZcPasscodeRegister, kZcUnlockRegister, kZcUnlockRegister,
                                kZcPasscodeRegister}));
}

TEST(Protection, ChangeProtectionOnAndOff) {
    sim::SimulatorOptions options = SimRow(kMeterRow);
    options.device.swap = true;  // passcodes go high word first
    SimLink link(options);
    ScriptedInteraction ui;
    CPasscodeProtection protection(ui, {1000, 20});
    ui.change = ProtectionChange{0, 70000};
    ASSERT_TRUE(protection.ChangeProtection(*link.client));
    EXPECT_TRUE(protection.HighWordFirst());
    EXPECT_EQ(link.simulator.Registers(kProtectionRegister, 2), (std::vector<uint16_t>{1, 4464}));
    EXPECT_FALSE(TryWrite(*link.client, 5200, 2));  // locked again after the change

    ui.change = ProtectionChange{1, 0};  // wrong current passcode
    EXPECT_FALSE(protection.ChangeProtection(*link.client));
    EXPECT_EQ(ui.errors, (std::vector<std::string>{LoadString(kMsgPasscodeMismatch)}));

    ui.change = ProtectionChange{70000, 0};
    ASSERT_TRUE(protection.ChangeProtection(*link.client));
    EXPECT_EQ(link.simulator.Registers(kProtectionRegister, 2), (std::vector<uint16_t>{0, 0}));
    EXPECT_TRUE(TryWrite(*link.client, 5200, 2));

    ui.change.reset();  // cancelled dialog
    EXPECT_FALSE(protection.ChangeProtection(*link.client));
    EXPECT_EQ(ui.errors.size(), 1u);
}

TEST(Protection, ProtectTellsWhetherProtectionIsOnBeforeAsking) {
    SimLink link(Protected(kMeterRow, 4242));
    ScriptedInteraction ui;
    CPasscodeProtection protection(ui, {1000, 20});
    ui.change = ProtectionChange{4242, 0};
    ASSERT_TRUE(protection.ChangeProtection(*link.client));
    EXPECT_EQ(ui.toldStates, (std::vector<bool>{true}));
    EXPECT_EQ(ui.statesAtLastQuestion, 1u);  // told, then asked

    ui.change.reset();  // now off; the question is cancelled
    EXPECT_FALSE(protection.ChangeProtection(*link.client));
    EXPECT_EQ(ui.toldStates, (std::vector<bool>{true, false}));
    EXPECT_EQ(ui.statesAtLastQuestion, 2u);

    SimLink zc(Protected(kZc16Row, 7));
    ScriptedInteraction zcUi;
    CPasscodeProtection zcProtection(zcUi, {1000, 20});
    EXPECT_FALSE(zcProtection.ChangeProtection(*zc.client));
    EXPECT_EQ(zcUi.toldStates, (std::vector<bool>{true}));
}

TEST(Protection, ChangeThatFailsAfterTheUnlockSaysWhatStateTheDeviceIsIn) {
    SimLink link(SimRow(kMeterRow));
    sim::FaultSettings faults;
    faults.exceptions.push_back({4, kProtectionRegister, kProtectionRegister + 1});
    link.simulator.SetFaults(faults);
    ScriptedInteraction ui;
    CPasscodeProtection protection(ui, {1000, 20});
    ui.change = ProtectionChange{0, 70000};
    const std::string message = MessageOf([&] { protection.ChangeProtection(*link.client); });
    EXPECT_THAT(message, ::testing::StartsWith(FormatMessageId(kMsgProtectStateUnknown, {""})));
    EXPECT_GT(message.size(), FormatMessageId(kMsgProtectStateUnknown, {""}).size());
}

TEST(Protection, DeviceWithoutTheFeatureIsRefused) {
    SimLink link(SimRow(4, 100));  // KT2 firmware 1.00
    ScriptedInteraction ui;
    ui.change = ProtectionChange{0, 5};
    CPasscodeProtection protection(ui, {1000, 20});
    EXPECT_FALSE(protection.ChangeProtection(*link.client));
    EXPECT_EQ(ui.errors, (std::vector<std::string>{LoadString(kMsgNoProtectionFeature)}));
    EXPECT_EQ(ui.protectionQuestions, 0);
    EXPECT_TRUE(link.proxy.Writes().empty());
}

TEST(Protection, ZcChangeProtectionNeitherChecksTheFeatureNorTheWordOrder) {
    SimLink link(SimRow(kZc16Row));
    link.simulator.SetRegisters(kWordOrderRegister, {1});  // not for the ZC register set
    ScriptedInteraction ui;
    ui.change = ProtectionChange{0, 70000};
    CPasscodeProtection protection(ui, {1000, 20});
    ASSERT_TRUE(protection.ChangeProtection(*link.client));
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_FALSE(protection.HighWordFirst());
    EXPECT_EQ(link.simulator.Registers(kZcProtectionRegister, 2), (std::vector<uint16_t>{4464, 1}));
    for (const auto& r : link.proxy.Requests()) {
        EXPECT_NE(r.address, kWordOrderRegister);
        EXPECT_NE(r.address, kPasscodeRegister);
    }
}

TEST(Protection, MaintenanceUnlockWritesTheCallersCodeAndRelocks) {
    SimLink link(Protected(kMeterRow, 4321));
    ScriptedInteraction ui;
    ui.passcode = 4321;
    ASSERT_TRUE(UnlockForTest(*link.client, 2, ui));
    EXPECT_EQ(ReadRegister(*link.client, kUnlockRegister), 2);
    link.client->Open();
    RelockAfterTest(*link.client, false);
    link.client->Close();
    EXPECT_EQ(ReadRegister(*link.client, kUnlockRegister), 0);

    ui.passcode = 1;
    EXPECT_FALSE(UnlockForTest(*link.client, 1, ui));
    EXPECT_EQ(ui.errors, (std::vector<std::string>{LoadString(kMsgPasscodeMismatch)}));

    SimLink zc(Protected(kZc16Row, 55));
    ui.passcode = 55;
    EXPECT_TRUE(UnlockZcForTest(*zc.client, ui));
    EXPECT_EQ(ReadRegister(*zc.client, kZcUnlockRegister), 1);
}

TEST(Protection, RelockFailuresReachTheCallerButNotTheDestructor) {
    auto link = std::make_unique<SimLink>(SimRow(kMeterRow));
    link->client->timeouts.connectMs = 200;
    ScriptedInteraction ui;
    CPasscodeProtection protection(ui, {1000, 20});
    ASSERT_TRUE(protection.Unlock(*link->client));
    link->simulator.Stop();
    EXPECT_THROW(protection.Relock(), CPrivateException);
    EXPECT_FALSE(protection.Unlocked());

    SimLink second(SimRow(kMeterRow));
    CPasscodeProtection other(ui, {1000, 20});
    ASSERT_TRUE(other.Unlock(*second.client));
    second.simulator.Stop();
    // `other` goes out of scope with a dead link: no exception escapes.
}

}  // namespace
}  // namespace voltaro
