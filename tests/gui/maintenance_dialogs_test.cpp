// The maintenance dialogs against the in-process simulator: the utility dialog's buttons
// and a reset from it, the enabling of "Set" and "Sync PC" by the device's seconds, and
// an analogue output loop test switched on and off and shown in the meter monitor.
#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/device/device_clock.h"
#include "core/device/utility_commands.h"
#include "core/model/device_registers.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "core/work/background_executor.h"
#include "gui/dialogs/date_dialog.h"
#include "gui/dialogs/utility_dialog.h"
#include "gui/monitor/loop_test_dialogs.h"
#include "gui/monitor/monitor_widgets.h"
#include "gui/monitor/my_voltaro_dlg.h"
#include "gui_driver.h"
#include "integration/transfer/passcode_support.h"

namespace voltaro {
namespace {

using test::OnModal;
using test::SimLink;
using test::SimRow;

constexpr int kRowKt2 = 7;    // analogue outputs, no counters
constexpr int kRowZb1 = 37;   // four counters
constexpr int kRowHkt2 = 53;  // the output test flag from firmware 1.20
constexpr int kWaitMs = 10000;

template <typename T>
T* Child(QWidget* parent, const char* name) {
    return parent->findChild<T*>(QString::fromLatin1(name));
}

// Answers the next question box with Yes.
std::shared_ptr<bool> AnswerYes() {
    return OnModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
}

TEST(UtilityDialog, ButtonsFollowTheDeviceAndAResetClearsTheEnergies) {
    SimLink meter(SimRow(kRowKt2));
    {
        CUtilityDialog dialog(*meter.client, {7811, 0, 0});
        EXPECT_FALSE(Child<QPushButton>(&dialog, "counter")->isEnabled());
        EXPECT_FALSE(Child<QPushButton>(&dialog, "loop_test")->isEnabled());
        EXPECT_TRUE(Child<QPushButton>(&dialog, "tag_no")->isEnabled());
    }
    SimLink zb(SimRow(kRowZb1));
    zb.simulator.AdvanceTime(3600);
    CUtilityDialog dialog(*zb.client, {7851, 0, 4});
    EXPECT_TRUE(Child<QPushButton>(&dialog, "counter")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(&dialog, "loop_test")->isEnabled());
    // "No" sends nothing.
    auto no = OnModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
    Child<QPushButton>(&dialog, "energy")->click();
    EXPECT_TRUE(*no);
    EXPECT_TRUE(zb.proxy.Writes().empty());
    const std::vector<uint16_t> none(28, 0);
    EXPECT_NE(zb.simulator.Registers(128, 28), none);
    auto yes = AnswerYes();
    Child<QPushButton>(&dialog, "energy")->click();
    EXPECT_TRUE(*yes);
    EXPECT_EQ(zb.simulator.Registers(128, 28), none);
}

TEST(UtilityDialog, TagIsReadEditedAndWritten) {
    SimLink zb(SimRow(kRowZb1));
    CUtilityDialog dialog(*zb.client, {7851, 0, 4});
    auto edited = OnModal<CTagDialog>([](CTagDialog* tag) {
        auto* field = Child<QLineEdit>(tag, "tag");
        field->setText(QStringLiteral("ABCDEFGHIJKLMNOPQRS"));  // the field keeps 16
        tag->accept();
    });
    Child<QPushButton>(&dialog, "tag_no")->click();
    EXPECT_TRUE(*edited);
    EXPECT_EQ(ReadTag(*zb.client), "ABCDEFGHIJKLMNOP");
}

TEST(DateDialog, SetAndSyncFollowTheDevicesSeconds) {
    SimLink meter(SimRow(kRowKt2));
    test::ScriptedInteraction ui;
    CBackgroundExecutor executor;
    ASSERT_TRUE(SetDeviceClock(*meter.client, ui, {2030, 5, 6, 7, 8, 56}));
    CDateDialog dialog(*meter.client, ReadDeviceClock(*meter.client), executor);
    auto* set = Child<QPushButton>(&dialog, "set");
    auto* sync = Child<QPushButton>(&dialog, "sync_pc");
    auto* device = Child<QLabel>(&dialog, "device_time");
    EXPECT_EQ(Child<QLineEdit>(&dialog, "year")->text(), QStringLiteral("2030"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return device->text().contains(QString::fromStdString(LoadString(kMsgProcessingNow)));
        },
        kWaitMs));
    EXPECT_FALSE(set->isEnabled());
    EXPECT_FALSE(sync->isEnabled());
    ASSERT_TRUE(SetDeviceClock(*meter.client, ui, {2030, 5, 6, 7, 8, 20}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return set->isEnabled() && sync->isEnabled(); }, kWaitMs));
    EXPECT_TRUE(device->text().startsWith(QStringLiteral("2030/05/06 07:08:2")));
    // A bad day is refused with its message and the focus on the field; nothing is written.
    test::MessageBoxRecorder boxes;
    Child<QLineEdit>(&dialog, "month")->setText(QStringLiteral("4"));
    Child<QLineEdit>(&dialog, "day")->setText(QStringLiteral("31"));
    meter.proxy.Clear();
    set->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !boxes.Texts().empty(); }, kWaitMs));
    EXPECT_EQ(boxes.Texts().front(), LoadString(kMsgInvalidDate));
    EXPECT_TRUE(meter.proxy.Writes().empty());
    // Close ends the dialog once the read in flight completes.
    dialog.show();
    dialog.reject();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return dialog.result() == QDialog::Accepted && !dialog.isVisible(); }, kWaitMs));
}

TEST(LoopBackDialog, SwitchedOnAndOffAndShownInTheMonitor) {
    SimLink hkt2(SimRow(kRowHkt2, 200));
    CMyVOLTARODlg monitor(*hkt2.client);
    monitor.show();
    auto* status = monitor.findChild<QLabel*>(ControlObjectName(kIdLoopTestStatus));
    auto* button = FindControlAs<QPushButton>(&monitor, CMyVOLTARODlg::kIdLoopTest);
    ASSERT_TRUE(QTest::qWaitFor([&] { return button->isVisibleTo(&monitor); }, kWaitMs));
    EXPECT_FALSE(status->isVisibleTo(&monitor));
    const auto switchTo = [&](int id) {
        auto ran = OnModal<CLoopBackDialog>([id](CLoopBackDialog* dialog) {
            FindControlAs<QRadioButton>(dialog, id)->click();
            dialog->reject();  // leaving does not end the mode
        });
        button->click();
        EXPECT_TRUE(*ran);
    };
    switchTo(CLoopDialogBase::kIdLoopTestMode);
    EXPECT_EQ(hkt2.simulator.Register(kFixedOutputRegister), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return status->isVisibleTo(&monitor); }, kWaitMs));
    EXPECT_EQ(status->text().toStdString(), LoadString(kMsgLoopTestAoOn));
    switchTo(CLoopDialogBase::kIdNormalMode);
    EXPECT_EQ(hkt2.simulator.Register(kFixedOutputRegister), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !status->isVisibleTo(&monitor); }, kWaitMs));
    monitor.done(QDialog::Rejected);
}

}  // namespace
}  // namespace voltaro
