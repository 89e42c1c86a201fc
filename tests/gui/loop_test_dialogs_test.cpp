// The loop tests of the ZC and ZB series and the meter preset dialog against the
// in-process simulator: the ZC test opened from the power management monitor behind its
// warning, switched on and off with the exact writes, a typed value that leaves the common
// values alone, closing while a poll runs; the ZB test's switch and values; a preset typed
// into the meter preset dialog, and a refused one that writes nothing.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include "core/device/loop_test.h"
#include "core/device/loop_test_zc.h"
#include "core/model/device_registers.h"
#include "core/monitor/energy_preset.h"
#include "core/platform/message_format.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "core/work/background_executor.h"
#include "gui/app/message_box.h"
#include "gui/app/qt_text.h"
#include "gui/controls/data_grid_view.h"
#include "gui/controls/par_edit.h"
#include "gui/monitor/energy_page.h"
#include "gui/monitor/loop_test_zc_dialog.h"
#include "gui/monitor/pm_dialog.h"
#include "gui/monitor/preset_dialog.h"
#include "gui_driver.h"
#include "integration/transfer/passcode_support.h"

namespace voltaro {
namespace {

using test::OnModal;
using test::SimLink;
using test::SimRow;

constexpr int kRowZc16 = 64;
constexpr int kRowZb1 = 37;
constexpr int kWaitMs = 10000;

using Addresses = std::vector<int>;

Addresses WriteAddresses(const test::RecordingProxy& proxy) {
    Addresses addresses;
    for (const auto& r : proxy.Writes())
        addresses.push_back(r.address);
    return addresses;
}

std::string ValueText(CLoopDialogBase* dialog, int row) {
    return dialog->Grid()->Model().CellText(CLoopDialogBase::kValueColumn, row);
}

QRadioButton* Radio(QWidget* dialog, int id) {
    return FindControlAs<QRadioButton>(dialog, id);
}

// Clicks the value cell of row and types text into its editor, ended by Enter.
void Type(CLoopDialogBase* dialog, int row, const char* text) {
    CDataGridView* grid = dialog->Grid();
    QTest::mouseClick(grid, Qt::LeftButton, {},
                      grid->CellRect(CLoopDialogBase::kValueColumn, row).center());
    ASSERT_TRUE(dialog->Editor().Active()) << row;
    QLineEdit* edit = dialog->Editor().Edit();
    edit->setText(QString::fromLatin1(text));
    QTest::keyClick(edit, Qt::Key_Return);
}

// A click on the value cell of row opens no editor.
bool ClickOpensNoEditor(CLoopDialogBase* dialog, int row) {
    CDataGridView* grid = dialog->Grid();
    QTest::mouseClick(grid, Qt::LeftButton, {},
                      grid->CellRect(CLoopDialogBase::kValueColumn, row).center());
    return !dialog->Editor().Active();
}

TEST(LoopTestZcDialog, OpensFromTheMonitorBehindItsWarningAndSwitchesAChannel) {
    SimLink zc(SimRow(kRowZc16, 150));
    CPMDialog monitor(*zc.client);
    monitor.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return monitor.LoopTest()->isEnabled(); }, kWaitMs));
    QLabel* line = monitor.LoopTestLine();
    EXPECT_FALSE(line->isVisibleTo(&monitor));
    // "No" at the warning opens nothing and writes nothing.
    std::string warning;
    auto no = OnModal<QMessageBox>([&](QMessageBox* box) {
        warning = ToStdString(box->text());
        box->button(QMessageBox::No)->click();
    });
    zc.proxy.Clear();
    monitor.LoopTest()->click();
    EXPECT_TRUE(*no);
    EXPECT_EQ(warning, ToStdString(WithLineBreaks(ToQString(LoadString(kMsgLoopTestWarning)))));
    EXPECT_TRUE(zc.proxy.Writes().empty());

    auto yesOn = OnModal<QMessageBox>([](QMessageBox* box) { box->done(QMessageBox::Yes); });
    bool pausedMeanwhile = false;
    auto ran = OnModal<CLoopTestZCDialog>([&](CLoopTestZCDialog* dialog) {
        pausedMeanwhile = monitor.Model().Paused() && !monitor.isVisible();
        EXPECT_EQ(dialog->Channels()->count(), 16);
        EXPECT_TRUE(Radio(dialog, CLoopDialogBase::kIdNormalMode)->isChecked());
        test::PickComboEntry(dialog->Channels(), QStringLiteral("2ch"));
        EXPECT_EQ(dialog->Model().Channel(), 1);
        zc.proxy.Clear();
        Radio(dialog, CLoopDialogBase::kIdLoopTestMode)->click();
        EXPECT_EQ(WriteAddresses(zc.proxy),
                  (Addresses{kZcUnlockRegister, kZcLoopFlagRegister + 1, kZcUnlockRegister}));
        EXPECT_EQ(zc.simulator.Register(kZcLoopFlagRegister + 1), 1);
        EXPECT_EQ(zc.simulator.Register(kZcLoopFlagRegister), 0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->ValueEditable(0); }, kWaitMs));
        // A voltage typed for channel 2 while channel 1 measures: the common values are
        // not written (below: no write to register 0) but read back.
        zc.proxy.Clear();
        Type(dialog, 0, "231.5");
        Type(dialog, 8, "4.25");  // the channel's first current
        const int currents = kZcCurrentRegister + kZcCurrentChannelDistance;
        const int powers = kZcPowerRegister + kZcPowerChannelDistance;
        EXPECT_EQ(WriteAddresses(zc.proxy),
                  (Addresses{kZcUnlockRegister, currents, powers, kZcUnlockRegister,
                             kZcUnlockRegister, currents, powers, kZcUnlockRegister}));
        EXPECT_EQ(zc.simulator.Register(currents), 4250);
        EXPECT_NE(ValueText(dialog, 0), "231.50");
        dialog->reject();  // leaving does not end the mode
    });
    monitor.LoopTest()->click();
    EXPECT_TRUE(*yesOn);
    ASSERT_TRUE(*ran);
    EXPECT_TRUE(pausedMeanwhile);
    EXPECT_TRUE(monitor.isVisible());
    EXPECT_EQ(zc.simulator.Register(kZcLoopFlagRegister + 1), 1);
    // The monitor names the channel until it is switched back.
    EXPECT_TRUE(QTest::qWaitFor([&] { return line->isVisibleTo(&monitor); }, kWaitMs));
    EXPECT_EQ(ToStdString(line->text()), FormatMessageId(kMsgLoopTestChannelsOn, {"2"}));

    auto yes = OnModal<QMessageBox>([](QMessageBox* box) { box->done(QMessageBox::Yes); });
    auto off = OnModal<CLoopTestZCDialog>([&](CLoopTestZCDialog* dialog) {
        test::PickComboEntry(dialog->Channels(), QStringLiteral("2ch"));
        EXPECT_TRUE(Radio(dialog, CLoopDialogBase::kIdLoopTestMode)->isChecked());
        Radio(dialog, CLoopDialogBase::kIdNormalMode)->click();
        EXPECT_FALSE(dialog->Editor().Active());
        EXPECT_TRUE(ClickOpensNoEditor(dialog, 0));
        dialog->reject();
    });
    monitor.LoopTest()->click();
    EXPECT_TRUE(*yes);
    ASSERT_TRUE(*off);
    EXPECT_EQ(zc.simulator.Register(kZcLoopFlagRegister + 1), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !line->isVisibleTo(&monitor); }, kWaitMs));
    monitor.reject();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !monitor.isVisible(); }, kWaitMs));
}

TEST(LoopTestZcDialog, ClosesOnlyAfterThePollInFlight) {
    SimLink zc(SimRow(kRowZc16, 150));
    CBackgroundExecutor executor;
    CLoopTestZCDialog dialog(*zc.client, 16, false, executor);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ValueText(&dialog, 0).empty(); }, kWaitMs));
    {
        // The device is busy with another user: the next poll waits for the client.
        CAccessRight busy(*zc.client);
        QTest::qWait(100);
        dialog.reject();
        QTest::qWait(200);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.Model().Closing());
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, kWaitMs));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(LoopTestDialog, ZbSwitchedOnTakesTypedValuesAndRefusesBadOnes) {
    SimLink zb(SimRow(kRowZb1));
    const ZbLoopState state = ReadZbLoopTest(*zb.client, 0);
    ASSERT_FALSE(state.loopTest);
    CLoopTestDialog dialog(*zb.client, 0, state);
    test::ShowActive(dialog);
    EXPECT_TRUE(ClickOpensNoEditor(&dialog, 0));  // Normal mode
    Radio(&dialog, CLoopDialogBase::kIdLoopTestMode)->click();
    EXPECT_TRUE(Radio(&dialog, CLoopDialogBase::kIdLoopTestMode)->isChecked());
    EXPECT_NE(zb.simulator.Register(ZbLoopFlagRegister(0)), 0);
    EXPECT_TRUE(ClickOpensNoEditor(&dialog, 7));  // a fixed item
    Type(&dialog, 0, "5.125");
    EXPECT_EQ(ReadZbLoopTest(*zb.client, 0).values[0], 5125);
    // 70.00 Hz is refused with its message; nothing is written.
    test::MessageBoxRecorder boxes;
    zb.proxy.Clear();
    Type(&dialog, 6, "70.00");
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts().front().find(LoadString(LoopValueNameId(LoopValueKind::Frequency))),
              std::string::npos);
    EXPECT_TRUE(zb.proxy.Writes().empty());
    EXPECT_TRUE(dialog.Editor().Active());  // back on the cell for a correction
    Radio(&dialog, CLoopDialogBase::kIdNormalMode)->click();
    EXPECT_EQ(zb.simulator.Register(ZbLoopFlagRegister(0)), 0);
    EXPECT_FALSE(dialog.Editor().Active());
    EXPECT_TRUE(ClickOpensNoEditor(&dialog, 0));
}

TEST(PresetDialog, WritesATypedValueAndLeavesTheDeviceAloneOnARefusedOne) {
    SimLink zb(SimRow(kRowZb1));
    CBackgroundExecutor executor;
    CPresetDialog dialog(*zb.client, 0, executor);
    test::ShowActive(dialog);
    auto* tabs = FindControlAs<QTabBar>(&dialog, CPresetDialog::kIdTabs);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tabs->isEnabled(); }, kWaitMs));
    tabs->setCurrentIndex(2);  // the first low tariff
    CEnergyPage* page = dialog.Page();
    CDataGridView* grid = page->Grid();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !grid->Model().CellText(1, 1).empty(); }, kWaitMs));
    const PresetEntry* entry = FindPresetEntry(page->LookupIndex(1, 1));
    ASSERT_NE(entry, nullptr);

    test::MessageBoxRecorder boxes;
    zb.proxy.Clear();
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(1, 1).center());
    ASSERT_TRUE(page->Editor().Active());
    QLineEdit* edit = page->Editor().Edit();
    edit->setText(QStringLiteral("99999999999"));
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_TRUE(page->Editor().Active());  // the editor stays for a correction
    EXPECT_TRUE(zb.proxy.Writes().empty());

    edit->setText(QStringLiteral("777.5"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(boxes.Texts().size(), 1u);
    EXPECT_FALSE(page->Editor().Active());
    const auto words = zb.simulator.Registers(entry->address, 2);
    const PresetWords expected = PresetWordsOf(entry->kind, ParsePresetInput(*entry, "777.5"));
    EXPECT_EQ(static_cast<int32_t>(static_cast<uint32_t>(words[1]) << 16 | words[0]),
              expected.value);
    EXPECT_EQ(grid->Model().CellText(1, 1).substr(0, 5), "777.5");
    dialog.reject();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, kWaitMs));
}

}  // namespace
}  // namespace voltaro
