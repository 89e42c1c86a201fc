// The protected download (unlock, download, relock) against a protected simulated device.
#include "core/transfer/protected_download.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/model/device_registers.h"
#include "core/model/parameter_check.h"
#include "core/model/parameter_words.h"
#include "core/model/settings_stocker.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "core/transfer/progress_thread.h"
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
using test::TryWrite;

constexpr int kMeterRow = 40;  // KT6 with protection support
constexpr uint32_t kPasscode = 123456;
constexpr PasscodeTimings kShortTimings{300, 20};

// Runs the download on its transfer thread as the program's views do, and records what
// the sequence asked of it. Cancels once the progress reaches cancelAt.
struct RecordingView : IDownloadView, CObserver {
    double cancelAt = 1000;
    int transfers = 0;
    std::vector<bool> busy;
    bool TransferWithProgress(CModbusInterface& client, const ParameterImage& image) override {
        ++transfers;
        return RunDownload(client, image, this);
    }
    void ShowBusy(bool on) override { busy.push_back(on); }
    void Update(CObservable* source) override {
        auto* thread = static_cast<CProgressThread*>(source);
        if (!thread->Done() && thread->Progress() >= cancelAt) thread->Cancel();
    }
};

std::vector<int> WriteAddresses(const test::RecordingProxy& proxy) {
    std::vector<int> addresses;
    for (const auto& w : proxy.Writes())
        addresses.push_back(w.address);
    return addresses;
}

// The device took the passcode and the unlock first and the lock and the cleared passcode
// last, and refuses writes again.
void ExpectUnlockedAroundAndLockedAfter(SimLink& link) {
    const std::vector<int> writes = WriteAddresses(link.proxy);
    ASSERT_GE(writes.size(), 4u);
    EXPECT_THAT(std::vector<int>(writes.begin(), writes.begin() + 2),
                ::testing::ElementsAre(kPasscodeRegister, kUnlockRegister));
    EXPECT_THAT(std::vector<int>(writes.end() - 2, writes.end()),
                ::testing::ElementsAre(kUnlockRegister, kPasscodeRegister));
    EXPECT_EQ(ReadRegister(*link.client, kUnlockRegister), 0);
    EXPECT_FALSE(TryWrite(*link.client, 5200, 1));
}

TEST(ProtectedDownload, WritesTheImageBetweenUnlockAndRelock) {
    SimLink link(Protected(kMeterRow, kPasscode));
    ParameterImage image = DefaultImageOfRow(kMeterRow);
    image.words[0] = 2;
    ScriptedInteraction ui;
    ui.passcode = kPasscode;
    RecordingView view;
    EXPECT_EQ(RunProtectedDownload(*link.client, image, ui, view, kShortTimings),
              ProtectedDownloadResult::Completed);
    EXPECT_EQ(link.simulator.Register(5200), 2);
    EXPECT_EQ(ui.passcodeQuestions, 1);
    EXPECT_EQ(view.busy, (std::vector<bool>{true, false, true, false}));
    ExpectUnlockedAroundAndLockedAfter(link);
}

TEST(ProtectedDownload, NoTransferWithoutTheUnlock) {
    SimLink link(Protected(kMeterRow, kPasscode));
    ScriptedInteraction ui;
    ui.passcode = kPasscode + 1;
    RecordingView view;
    EXPECT_EQ(
        RunProtectedDownload(*link.client, DefaultImageOfRow(kMeterRow), ui, view, kShortTimings),
        ProtectedDownloadResult::NotUnlocked);
    EXPECT_EQ(ui.errors, (std::vector<std::string>{LoadString(kMsgPasscodeMismatch)}));
    EXPECT_EQ(view.transfers, 0);
    EXPECT_EQ(view.busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(WriteAddresses(link.proxy), (std::vector<int>{kPasscodeRegister, kUnlockRegister}));

    ui.passcode.reset();  // the user cancels the prompt
    link.proxy.Clear();
    EXPECT_EQ(
        RunProtectedDownload(*link.client, DefaultImageOfRow(kMeterRow), ui, view, kShortTimings),
        ProtectedDownloadResult::NotUnlocked);
    EXPECT_EQ(view.transfers, 0);
    EXPECT_TRUE(link.proxy.Writes().empty());
}

TEST(ProtectedDownload, CancelledTransferIsLockedAgain) {
    SimLink link(Protected(kMeterRow, kPasscode));
    ScriptedInteraction ui;
    ui.passcode = kPasscode;
    RecordingView view;
    view.cancelAt = 30;
    EXPECT_EQ(
        RunProtectedDownload(*link.client, DefaultImageOfRow(kMeterRow), ui, view, kShortTimings),
        ProtectedDownloadResult::Cancelled);
    EXPECT_EQ(view.transfers, 1);
    EXPECT_EQ(view.busy, (std::vector<bool>{true, false, true, false}));
    ExpectUnlockedAroundAndLockedAfter(link);
}

TEST(ProtectedDownload, ADifferentDeviceOrARefusedValueIsSaidFirstAndOnly) {
    SimLink link(Protected(kMeterRow, kPasscode));
    ScriptedInteraction ui;
    ui.passcode = kPasscode;
    RecordingView view;
    // Neither a passcode question nor a write, nor a communication error text around it.
    EXPECT_EQ(
        MessageOf([&] { RunProtectedDownload(*link.client, DefaultImageOfRow(4), ui, view); }),
        LoadString(kMsgDifferentDevice));
    EXPECT_EQ(ui.passcodeQuestions, 0);
    EXPECT_EQ(view.transfers, 0);
    EXPECT_TRUE(link.proxy.Writes().empty());

    ParameterImage image = DefaultImageOfRow(kMeterRow);
    image.words[kWordDisplayOperationMode] = 77;  // no key lock of the list
    const ParameterViolation violation{
        kWordDisplayOperationMode, 77,
        AllowedValuesOf(image.deviceType, kWordDisplayOperationMode)};
    EXPECT_EQ(MessageOf([&] { RunProtectedDownload(*link.client, image, ui, view); }),
              ViolationMessage(image, violation, kMsgDownloadNotAllowed));
    EXPECT_EQ(ui.passcodeQuestions, 0);
    EXPECT_EQ(view.transfers, 0);
    EXPECT_TRUE(link.proxy.Writes().empty());
}

TEST(ProtectedDownload, FailedTransferIsThrownAfterTheDeviceIsLockedAgain) {
    SimLink link(Protected(kMeterRow, kPasscode));
    sim::FaultSettings faults;
    faults.exceptions.push_back({4, 5200, 5200});  // the device refuses the first block
    link.simulator.SetFaults(faults);
    ScriptedInteraction ui;
    ui.passcode = kPasscode;
    RecordingView view;
    EXPECT_THAT(MessageOf([&] {
                    RunProtectedDownload(*link.client, DefaultImageOfRow(kMeterRow), ui, view);
                }),
                ::testing::StartsWith(FormatMessageId(kMsgDeviceRefused, {""})));
    link.simulator.SetFaults({});
    EXPECT_EQ(view.transfers, 1);
    EXPECT_THAT(WriteAddresses(link.proxy), ::testing::Contains(5200));
    ExpectUnlockedAroundAndLockedAfter(link);
}

// The link is lost after the transfer (or while it fails): the relock cannot reach the
// device, which may still accept writes, and the user is told so.
TEST(ProtectedDownload, FailedRelockIsToldAsADeviceThatMayStillAcceptWrites) {
    const std::string relockText = FormatMessageId(kMsgRelockFailed, {""});
    for (const bool transferFails : {false, true}) {
        SimLink link(Protected(kMeterRow, kPasscode));
        link.client->timeouts.connectMs = 200;
        ScriptedInteraction ui;
        ui.passcode = kPasscode;
        // The link goes before the transfer (which fails) or after it (which completed).
        struct LinkLostView : RecordingView {
            SimLink* link = nullptr;
            bool before = false;
            bool TransferWithProgress(CModbusInterface& client,
                                      const ParameterImage& image) override {
                if (before) link->simulator.Stop();
                const bool done = RecordingView::TransferWithProgress(client, image);
                link->simulator.Stop();
                return done;
            }
        } view;
        view.link = &link;
        view.before = transferFails;
        const std::string message = MessageOf([&] {
            RunProtectedDownload(*link.client, DefaultImageOfRow(kMeterRow), ui, view,
                                 kShortTimings);
        });
        EXPECT_THAT(message, ::testing::StartsWith(relockText)) << transferFails;
        EXPECT_GT(message.size(), relockText.size());
        EXPECT_EQ(link.simulator.Register(kUnlockRegister), 1);  // indeed still unlocked
    }
}

}  // namespace
}  // namespace voltaro
