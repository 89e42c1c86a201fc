// The setting buttons of the main window for every listed device type, and a round trip of
// values edited in setting dialogs through a simulated device: edit, OK, Download, Upload
// into a fresh window, compare.
#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <set>

#include "core/app/main_window_ids.h"
#include "core/comm/com_settings.h"
#include "core/model/model_list.h"
#include "core/model/parameter_words.h"
#include "core/model/settings_stocker.h"
#include "core/platform/message_ids.h"
#include "core/platform/string_table.h"
#include "gui/app/main_window.h"
#include "gui/dialogs/advanced_dialog.h"
#include "gui/dialogs/alarm_dialog.h"
#include "gui/dialogs/comm_dialog.h"
#include "gui/dialogs/compare_dialog.h"
#include "gui/dialogs/display_dialog.h"
#include "gui/dialogs/modbus_dialog.h"
#include "gui/dialogs/setting_dialog.h"
#include "gui/dialogs/setting_dialogs.h"
#include "gui_driver.h"
#include "sim/simulator.h"

namespace voltaro {
namespace {

using test::ClickOnModal;
using test::MessageBoxRecorder;
using test::OnModal;

std::vector<int> SettingButtonsWithPasscode() {
    std::vector<int> ids = SettingDialogButtons();
    ids.push_back(kIdPasscode);
    return ids;
}

// Every listed device type: each setting button that applies to the type is enabled and
// opens a setting dialog that accepts its own initial values; a button that does not apply
// is disabled.
TEST(SettingButtons, OpenTheirDialogForEveryListedType) {
    test::ScratchProfile profile;
    AppSettings settings;
    MessageBoxRecorder boxes;
    std::set<int> rows;
    for (const ModelListEntry& entry : LoadModelList())
        rows.insert(entry.row);
    ASSERT_EQ(rows.size(), 71u);
    int opened = 0;
    for (int row : rows) {
        ParameterImage carry = DefaultImageOfRow(row);
        CBasicParameterDialog window(carry, settings);
        for (int id : SettingButtonsWithPasscode()) {
            auto* button = FindControlAs<QPushButton>(&window, id);
            ASSERT_NE(button, nullptr) << id;
            const bool applies = button->property("applies").toBool();
            EXPECT_EQ(button->isEnabled(), applies) << "row " << row << " button " << id;
            if (!button->isEnabled()) continue;
            auto ran = OnModal<CSettingDialog>([](CSettingDialog* dialog) {
                // The front-panel passcode dialog starts empty and needs four digits.
                for (const char* name : {"new_passcode", "confirm_passcode"}) {
                    if (auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(name)))
                        edit->setText(QStringLiteral("0123"));
                }
                EXPECT_TRUE(dialog->Accept()) << dialog->windowTitle().toStdString();
                if (dialog->isVisible()) dialog->reject();
            });
            button->click();
            EXPECT_TRUE(*ran) << "row " << row << " button " << id << " opened no dialog";
            ++opened;
        }
    }
    EXPECT_TRUE(boxes.Texts().empty()) << boxes.Texts().front();
    EXPECT_GT(opened, 500);
}

// A device of row 7 (KT2 with analogue outputs, Do, Di, Modbus): values edited in four
// setting dialogs reach the simulated device and come back with an upload.
class RoundTrip : public ::testing::Test {
  protected:
    static constexpr int kRow = 7;

    RoundTrip() {
        sim::SimulatorOptions options;
        options.device.row = kRow;
        simulator_ = std::make_unique<sim::Simulator>(options);
        const int port = simulator_->StartTcp();
        profile_.ConnectTo(port);
    }

    void Connected(const std::function<void()>& command) { test::RunConnected(command); }

    // Opens the dialog of buttonId, types text into the child named field and presses OK.
    template <typename Dialog>
    void EditInDialog(CBasicParameterDialog& window, int buttonId, const char* field,
                      const QString& text) {
        auto ran = OnModal<Dialog>([field, text](Dialog* dialog) {
            auto* edit = dialog->template findChild<QLineEdit*>(QString::fromLatin1(field));
            ASSERT_NE(edit, nullptr) << field;
            edit->setText(text);
            EXPECT_TRUE(dialog->Accept());
        });
        FindControlAs<QPushButton>(&window, buttonId)->click();
        EXPECT_TRUE(*ran) << field;
    }

    test::ScratchProfile profile_;
    std::unique_ptr<sim::Simulator> simulator_;
    AppSettings settings_;
};

TEST_F(RoundTrip, ValuesEditedInSettingDialogsReachTheDevice) {
    ParameterImage carry = DefaultImageOfRow(kRow);
    CBasicParameterDialog window(carry, settings_);
    MessageBoxRecorder boxes;
    Connected([&] { window.Upload(); });
    ASSERT_EQ(window.Image().deviceType.typeIndex, kRow);

    EditInDialog<CAlarmDialog>(window, kIdAlarm, CAlarmDialog::kPowerOnDelay, "7");
    EditInDialog<CAdvancedDialog>(window, kIdOthers, CAdvancedDialog::kVoltageCutout, "12.3");
    EditInDialog<CModbusDialog>(window, kIdModbus, CModbusDialog::kAddress, "17");
    EditInDialog<CDisplayDialog>(window, kIdDisplay, CDisplayDialog::kOffTimer, "120");
    ASSERT_TRUE(boxes.Texts().empty()) << boxes.Texts().front();
    EXPECT_EQ(window.Image().words[kWordAlarmPowerOnDelay], 7);
    EXPECT_EQ(window.Image().words[kWordLowEndCutoutVoltage], 123);
    EXPECT_EQ(window.Image().words[kWordDeviceAddress], 17);
    EXPECT_EQ(window.Image().words[kWordBacklightOffTimer], 120);

    Connected([&] { window.Download(); });
    ASSERT_TRUE(boxes.Texts().empty()) << boxes.Texts().front();
    EXPECT_EQ(simulator_->Register(6368), 7);    // power ON delay
    EXPECT_EQ(simulator_->Register(5608), 123);  // low-end cutout voltage
    EXPECT_EQ(simulator_->Register(5728), 17);   // device address
    EXPECT_EQ(simulator_->Register(6625), 120);  // LCD off timer

    ParameterImage fresh = DefaultImageOfRow(kRow);
    CBasicParameterDialog second(fresh, settings_);
    Connected([&] { second.Upload(); });
    for (int word : {188, 39, 124, 180})
        EXPECT_EQ(second.Image().words[word], window.Image().words[word]) << word;

    // The report compares the edited image with the device: everything matches.
    CCompareDialog report(window.Image(), settings_);
    Connected([&] { FindControlAs<QPushButton>(&report, CCompareDialog::kIdDevice)->click(); });
    EXPECT_EQ(FindControlAs<QLabel>(&report, CCompareDialog::kIdStatus)->text().toStdString(),
              LoadString(kMsgAllParametersMatch));
    EXPECT_TRUE(boxes.Texts().empty()) << boxes.Texts().front();
}

}  // namespace
}  // namespace voltaro
