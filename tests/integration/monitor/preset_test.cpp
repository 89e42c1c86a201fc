// Presetting energies, the operating time and counters on a simulated device through the
// energy page: the words written, the unlock and relock around them, the store and the
// skipped fill, and the failure paths.
#include <gtest/gtest.h>

#include "core/app/energy_page_model.h"
#include "core/app/meter_monitor_model.h"
#include "core/model/device_registers.h"
#include "core/monitor/measurand_format.h"
#include "core/platform/list_text_ids.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "integration/transfer/passcode_support.h"
#include "support/test_support.h"

namespace voltaro {
namespace {

using test::Protected;
using test::ScriptedInteraction;
using test::SimLink;
using test::SimRow;

constexpr int kZb1Row = 37;  // one input, four counters
constexpr int kZb2Row = 38;  // two inputs

uint32_t Pair(sim::Simulator& simulator, int address) {
    const auto r = simulator.Registers(address, 2);
    return static_cast<uint32_t>(r[1]) << 16 | r[0];
}

CEnergyPageModel PageOf(const CDeviceType& type, int view) {
    CEnergyPageModel page;
    page.SetView(view);
    CMeasurandsKT2 store;
    std::vector<MeasurandCell> cells;
    page.Fill(store, type, cells);
    return page;
}

TEST(EnergyPreset, WritesValueAndFractionBetweenUnlockAndRelock) {
    SimLink link(SimRow(kZb1Row));
    ScriptedInteraction ui;
    CMeasurandsKT2 store;
    CEnergyPageModel page = PageOf(link.simulator.Type(), 0);
    ASSERT_TRUE(page.Commit(*link.client, ui, store, 1, 1, "1234.5"));  // "Active in"
    // The device goes on counting from the typed value (a slow machine may let its clock
    // tick once before the read: the fourth decimal may have moved on).
    EXPECT_EQ(EnergyText(static_cast<int32_t>(Pair(link.simulator, 128)), Pair(link.simulator, 192))
                  .substr(0, 7),
              "1234.50");
    EXPECT_EQ(link.simulator.Register(kUnlockRegister), 0);  // relocked
    EXPECT_EQ(FormatMeasurand(store, kIdxEnergySet1), "1234.5000");
    EXPECT_TRUE(page.SkipNextFill());
    // The writes: unlock with code 2, value pair, fraction pair, relock.
    std::vector<int> writes;
    for (const auto& w : link.proxy.Writes())
        writes.push_back(w.address);
    EXPECT_EQ(writes, (std::vector<int>{kUnlockRegister, 128, 192, kUnlockRegister}));
    EXPECT_EQ(ui.passcodeQuestions, 0);

    // The next fill by the cycle keeps the preset value on the page.
    std::vector<MeasurandCell> cells;
    EXPECT_FALSE(page.Fill(store, link.simulator.Type(), cells));
    EXPECT_TRUE(page.Fill(store, link.simulator.Type(), cells));
}

TEST(EnergyPreset, SecondInputAndSignedEnergy) {
    SimLink link(SimRow(kZb2Row));
    ScriptedInteraction ui;
    CMeasurandsKT2 store;
    CEnergyPageModel page = PageOf(link.simulator.Type(), 1);
    page.channel = 1;
    ASSERT_TRUE(page.Commit(*link.client, ui, store, 3, 1, "-1.55"));  // "Active in-out"
    EXPECT_EQ(static_cast<int32_t>(Pair(link.simulator, 4152)), -16);
    EXPECT_EQ(EnergyText(-16, Pair(link.simulator, 4216)), "-1.5500");
    // The first input keeps its own count (of its load since long before).
    EXPECT_GT(static_cast<int32_t>(Pair(link.simulator, 152)), 0);
    EXPECT_EQ(FormatMeasurand(store, kIdxEnergySet1 + kEnergyActiveInOut), "-1.5500");
}

TEST(EnergyPreset, CounterIsWrittenWithoutUnlock) {
    SimLink link(SimRow(kZb1Row));
    ScriptedInteraction ui;
    CMeasurandsKT2 store;
    CEnergyPageModel page = PageOf(link.simulator.Type(), kEnergyTabCounter);
    page.channel = 1;  // counters have no second-input registers
    ASSERT_TRUE(page.Commit(*link.client, ui, store, 2, 1, "4321"));  // counter 3
    EXPECT_EQ(Pair(link.simulator, kCounterRegister + 4), 4321u);
    ASSERT_EQ(link.proxy.Writes().size(), 1u);
    EXPECT_EQ(store.Value(kIdxCounter1 + 2), 4321);
    // Counter 5 of this four-counter device is not editable: nothing happens.
    EXPECT_FALSE(page.Commit(*link.client, ui, store, 0, 3, "1"));
    EXPECT_EQ(link.proxy.Writes().size(), 1u);
}

TEST(EnergyPreset, ProtectedDeviceAsksAndAWrongPasscodeWritesNothing) {
    SimLink link(Protected(kZb1Row, 2468));
    CMeasurandsKT2 store;
    CEnergyPageModel page = PageOf(link.simulator.Type(), 0);
    ScriptedInteraction wrong;
    wrong.passcode = 1111;
    EXPECT_FALSE(page.Commit(*link.client, wrong, store, 2, 1, "5"));  // "Active out"
    ASSERT_EQ(wrong.errors.size(), 1u);
    EXPECT_EQ(wrong.errors[0], LoadString(kMsgPasscodeMismatch));
    EXPECT_EQ(Pair(link.simulator, 134), 0u);
    EXPECT_FALSE(page.SkipNextFill());

    ScriptedInteraction cancelled;  // no passcode: the prompt was cancelled
    EXPECT_FALSE(page.Commit(*link.client, cancelled, store, 2, 1, "5"));
    EXPECT_EQ(Pair(link.simulator, 134), 0u);

    ScriptedInteraction right;
    right.passcode = 2468;
    ASSERT_TRUE(page.Commit(*link.client, right, store, 2, 1, "5"));
    EXPECT_EQ(Pair(link.simulator, 134), 50u);
    EXPECT_EQ(link.simulator.Register(kUnlockRegister), 0);
    EXPECT_EQ(Pair(link.simulator, kPasscodeRegister), 0u);  // the entered passcode cleared
}

TEST(EnergyPreset, FailedWriteReportsAndLeavesTheStoreAndDeviceLocked) {
    SimLink link(SimRow(kZb1Row));
    ScriptedInteraction ui;
    CMeasurandsKT2 store;
    store.SetValue(kIdxEnergySet1 + 3, 99);
    CEnergyPageModel page = PageOf(link.simulator.Type(), 0);
    sim::FaultSettings faults;
    faults.exceptions.push_back({4, 134, 135});
    link.simulator.SetFaults(faults);
    const std::string message =
        test::MessageOf([&] { page.Commit(*link.client, ui, store, 2, 1, "5"); });
    EXPECT_NE(message.find("WriteMultipleRegisters"), std::string::npos) << message;
    EXPECT_EQ(store.Value(kIdxEnergySet1 + 3), 99);
    EXPECT_FALSE(page.SkipNextFill());
    EXPECT_EQ(link.simulator.Register(kUnlockRegister), 0);  // relocked after the failure
    EXPECT_FALSE(link.client->IsOpen());
    // A bad text is refused before anything is sent.
    link.proxy.Clear();
    EXPECT_EQ(test::MessageOf([&] { page.Commit(*link.client, ui, store, 2, 1, "x"); }),
              FormatMessageId(kMsgNotNumber, {LoadString(kTextsEnergy1 + 2)}));
    EXPECT_TRUE(link.proxy.Requests().empty());
}

}  // namespace
}  // namespace voltaro
