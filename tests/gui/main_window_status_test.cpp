// What the main window says after a device command, against the in-process simulator: the
// status line names the command's outcome, the title the connected device with its serial
// number, and an upload or download leaves nothing unsaved.
#include <gtest/gtest.h>
#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include "core/app/main_window_ids.h"
#include "core/app/main_window_status.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "core/platform/ui_text_ids.h"
#include "gui/app/main_window.h"
#include "gui/dialogs/passcode_prompts.h"
#include "gui_driver.h"
#include "sim/simulator.h"

namespace voltaro {
namespace {

using test::MessageBoxRecorder;
using test::OnModal;

constexpr int kRow = 4;
constexpr char kSerial[] = "SN4711";

// The start of a status text up to where its duration goes.
std::string UpToSeconds(int textId, std::vector<MessageArg> args) {
    args.emplace_back("\x01");
    const std::string text = FormatMessageId(textId, args);
    return text.substr(0, text.find('\x01'));
}

class StatusOfDevice : public ::testing::Test {
  protected:
    StatusOfDevice() {
        sim::SimulatorOptions options;
        options.device.row = kRow;
        options.device.serial = kSerial;
        simulator_ = std::make_unique<sim::Simulator>(options);
        profile_.ConnectTo(simulator_->StartTcp());
    }

    std::string Status() const {
        return ToStdString(test::Child<QLabel>(&window_, "status_line")->text());
    }

    test::ScratchProfile profile_;
    std::unique_ptr<sim::Simulator> simulator_;
    AppSettings settings_;
    ParameterImage carry_ = DefaultImageOfRow(kRow);
    CBasicParameterDialog window_{carry_, settings_};
};

TEST_F(StatusOfDevice, UploadAndDownloadTellWhatHappened) {
    MessageBoxRecorder boxes;
    test::RunConnected([&] { window_.Upload(); });
    ASSERT_TRUE(boxes.Texts().empty()) << boxes.Texts().front();
    const std::string device = DeviceText(window_.Image().deviceType, kSerial);
    EXPECT_NE(device.find(kSerial), std::string::npos);
    EXPECT_EQ(
        Status().rfind(
            UpToSeconds(kTextStatusUploaded, {AppliedParameterCount(window_.Image()), device}), 0),
        0u)
        << Status();
    EXPECT_EQ(window_.windowTitle(), ToQString(device) + " - " + ProductTitle());
    EXPECT_FALSE(window_.IsModified());

    FindControlAs<QLineEdit>(&window_, kIdCtPrimary)->setText(QStringLiteral("250"));
    EXPECT_TRUE(window_.IsModified());
    test::RunConnected([&] { window_.Download(); });
    ASSERT_TRUE(boxes.Texts().empty()) << boxes.Texts().front();
    EXPECT_EQ(Status().rfind(
                  UpToSeconds(kTextStatusDownloaded, {AppliedParameterCount(window_.Image())}), 0),
              0u)
        << Status();
    EXPECT_FALSE(window_.IsModified()) << "downloaded changes are not lost on closing";
}

TEST_F(StatusOfDevice, ConnectNamesTheDeviceAndProtectTellsTheNewState) {
    test::RunConnected([&] { test::Child<QAction>(&window_, "action_connect")->trigger(); });
    const std::string device = DeviceText(window_.Image().deviceType, kSerial);
    EXPECT_EQ(Status(), FormatMessageId(kTextStatusConnected, {device}));
    EXPECT_TRUE(window_.windowTitle().startsWith(ToQString(device)));

    auto protect = OnModal<CProtectDialog>([](CProtectDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("new_passcode"))->setText("1234");
        dialog->findChild<QLineEdit*>(QStringLiteral("confirm_passcode"))->setText("1234");
        dialog->accept();
    });
    MessageBoxRecorder boxes;  // the state before the question
    test::RunConnected([&] { window_.Protect(); });
    EXPECT_TRUE(*protect);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], LoadString(kMsgProtectionIsOff));
    EXPECT_EQ(Status(), LoadString(kTextStatusProtectionOn));
}

}  // namespace
}  // namespace voltaro
