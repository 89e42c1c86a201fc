// Download to a passcode-protected simulated device through the passcode prompt, with the
// remembered passcode, and the Protect command with its dialog.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include "core/app/main_window_ids.h"
#include "core/comm/com_settings.h"
#include "core/model/device_registers.h"
#include "core/model/parameter_words.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "gui/app/main_window.h"
#include "gui/dialogs/comm_dialog.h"
#include "gui/dialogs/passcode_prompts.h"
#include "gui_driver.h"
#include "sim/simulator.h"

namespace voltaro {
namespace {

using test::ClickOnModal;
using test::MessageBoxRecorder;
using test::OnModal;

constexpr int kRow = 4;

// The cursor shape the user sees now.
Qt::CursorShape ShownCursor() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor != nullptr ? cursor->shape() : Qt::ArrowCursor;
}

// The cursor in force under the one shown (the one of the device work around a prompt).
Qt::CursorShape CursorUnderneath() {
    QApplication::restoreOverrideCursor();
    const Qt::CursorShape shape = ShownCursor();
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    return shape;
}

class ProtectedDevice : public ::testing::Test {
  protected:
    void Start(uint32_t passcode) {
        sim::SimulatorOptions options;
        options.device.row = kRow;
        options.device.passcode = passcode;
        simulator_ = std::make_unique<sim::Simulator>(options);
        const int port = simulator_->StartTcp();
        profile_.ConnectTo(port);
        CSettingsStocker stocker;
        ChangeDeviceType(stocker, kRow, carry_, true);
    }

    void Connected(const std::function<void()>& command) { test::RunConnected(command); }

    uint32_t DevicePair(int address) const {
        const std::vector<uint16_t> r = simulator_->Registers(address, 2);
        return static_cast<uint32_t>(r[0]) | (static_cast<uint32_t>(r[1]) << 16);
    }

    test::ScratchProfile profile_;
    std::unique_ptr<sim::Simulator> simulator_;
    AppSettings settings_;
    ParameterImage carry_;
};

TEST_F(ProtectedDevice, DownloadAsksForThePasscodeAndRemembersIt) {
    Start(4321);
    CBasicParameterDialog window(carry_, settings_);
    MessageBoxRecorder boxes;
    FindControlAs<QLineEdit>(&window, kIdCtPrimary)->setText(QStringLiteral("640"));
    auto asked = OnModal<CEnterPasscodeDialog>([](CEnterPasscodeDialog* dialog) {
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("passcode"));
        EXPECT_EQ(field->echoMode(), QLineEdit::Password);
        QTest::keyClicks(field, QStringLiteral("4321"));
        dialog->findChild<QCheckBox*>(QStringLiteral("save_passcode"))->setChecked(true);
        dialog->accept();
    });
    Connected([&] { window.Download(); });
    EXPECT_TRUE(*asked);
    EXPECT_TRUE(boxes.Texts().empty()) << boxes.Texts().front();
    EXPECT_EQ(simulator_->Register(kUnlockRegister), 0);  // relocked

    // The second time the prompt shows the twelve x and OK sends the remembered code.
    window.Model().Image().words[kWordPrimaryCurrent] = 0;
    FindControlAs<QLineEdit>(&window, kIdCtPrimary)->setText(QStringLiteral("650"));
    auto remembered = OnModal<CEnterPasscodeDialog>([](CEnterPasscodeDialog* dialog) {
        EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("passcode"))->text(),
                  QStringLiteral("xxxxxxxxxxxx"));
        EXPECT_TRUE(dialog->findChild<QCheckBox*>(QStringLiteral("save_passcode"))->isChecked());
        dialog->accept();
    });
    Connected([&] { window.Download(); });
    EXPECT_TRUE(*remembered);
    EXPECT_TRUE(boxes.Texts().empty());

    ParameterImage other;
    CBasicParameterDialog second(other, settings_);
    Connected([&] { second.Upload(); });
    EXPECT_EQ(second.Image().words[kWordPrimaryCurrent], 650);
}

TEST_F(ProtectedDevice, WrongPasscodeIsReportedAndNothingWritten) {
    Start(4321);
    CBasicParameterDialog window(carry_, settings_);
    FindControlAs<QLineEdit>(&window, kIdCtPrimary)->setText(QStringLiteral("640"));
    MessageBoxRecorder boxes;
    Qt::CursorShape promptCursor = Qt::WaitCursor;
    OnModal<CEnterPasscodeDialog>([&promptCursor](CEnterPasscodeDialog* dialog) {
        promptCursor = ShownCursor();
        QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("passcode")), "1111");
        dialog->accept();
    });
    Connected([&] { window.Download(); });
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], LoadString(kMsgPasscodeMismatch));
    EXPECT_EQ(boxes.Icons()[0], QMessageBox::Critical);
    // The prompt and its error wait for the user: no wait cursor over them.
    EXPECT_EQ(promptCursor, Qt::ArrowCursor);
    EXPECT_EQ(boxes.Cursors()[0], Qt::ArrowCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ParameterImage other;
    CBasicParameterDialog second(other, settings_);
    Connected([&] { second.Upload(); });
    EXPECT_NE(second.Image().words[kWordPrimaryCurrent], 640);
}

TEST_F(ProtectedDevice, ProtectTurnsProtectionOnAndRefusesDifferentTexts) {
    Start(0);
    CBasicParameterDialog window(carry_, settings_);
    MessageBoxRecorder boxes;
    Qt::CursorShape shown = Qt::WaitCursor;
    Qt::CursorShape underneath = Qt::ArrowCursor;
    auto protect = OnModal<CProtectDialog>([&](CProtectDialog* dialog) {
        shown = ShownCursor();
        underneath = CursorUnderneath();
        dialog->findChild<QLineEdit*>(QStringLiteral("new_passcode"))->setText("012");
        dialog->findChild<QLineEdit*>(QStringLiteral("confirm_passcode"))->setText("12");
        dialog->accept();  // refused with kMsgPasscodeConfirmMismatch: the texts differ
        EXPECT_TRUE(dialog->isVisible());
        dialog->findChild<QLineEdit*>(QStringLiteral("new_passcode"))->setText("1234");
        dialog->findChild<QLineEdit*>(QStringLiteral("confirm_passcode"))->setText("1234");
        dialog->accept();
    });
    Connected([&] { window.Protect(); });
    EXPECT_TRUE(*protect);
    // The state first (no passcode set yet), then the refusal of the differing texts.
    ASSERT_EQ(boxes.Texts().size(), 2u);
    EXPECT_EQ(boxes.Texts()[0], LoadString(kMsgProtectionIsOff));
    EXPECT_EQ(boxes.Texts()[1], LoadString(kMsgPasscodeConfirmMismatch));
    // The device work around the dialog shows the wait cursor; the dialog the arrow.
    EXPECT_EQ(shown, Qt::ArrowCursor);
    EXPECT_EQ(underneath, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const uint32_t stored = DevicePair(kProtectionRegister);
    EXPECT_TRUE(stored == 1234u || stored == (1234u << 16)) << stored;
}

}  // namespace
}  // namespace voltaro
