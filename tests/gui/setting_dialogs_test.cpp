// The setting buttons of the main window: which dialog each opens and the copy protocol
// around it (Cancel changes nothing, OK brings the whole copy back).
#include "gui/dialogs/setting_dialogs.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSlider>

#include "core/app/main_window_ids.h"
#include "core/app/main_window_model.h"
#include "core/model/parameter_words.h"
#include "gui/controls/ip_address_ctrl_ext.h"
#include "gui/dialogs/discrete_output_dialog.h"
#include "gui/dialogs/display_dialog.h"
#include "gui/dialogs/modbus2_dialog.h"
#include "gui/dialogs/modbus_dialog.h"
#include "gui/dialogs/pulse_dialog.h"
#include "gui_driver.h"

namespace voltaro {
namespace {

using namespace test;

TEST(SettingDialogs, EveryButtonHasItsDialog) {
    // Every setting button of the main window but "Passcode" (a prompt of the window's own).
    for (int id : SettingButtonIds()) {
        EXPECT_EQ(HasSettingDialog(id), id != kIdPasscode) << id;
    }
    EXPECT_EQ(SettingDialogButtons().size(), SettingButtonIds().size() - 1);
    EXPECT_FALSE(HasSettingDialog(kIdModelPrefix));
    ParameterImage image;
    EXPECT_FALSE(RunSettingDialogForButton(kIdModelPrefix, nullptr, image));
}

// Every control can be found by its name: template id or a readable name.
TEST(SettingDialogs, EveryControlIsNamed) {
    for (const int row : {RowWith(0, FAM_KT2_G2), RowWith(0, FAM_ZC | FAM_ZC_EXT)}) {
        for (const int id : SettingDialogButtons()) {
            ParameterImage image = DefaultImageOfRow(row);
            int controls = 0;
            OnModal<QDialog>([&](QDialog* modal) {
                for (QWidget* widget : modal->findChildren<QWidget*>()) {
                    const bool control =
                        qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
                        qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
                        qobject_cast<QGroupBox*>(widget) || qobject_cast<QSlider*>(widget) ||
                        qobject_cast<QAbstractItemView*>(widget);
                    bool inner = false;  // a part of a composite control
                    for (QWidget* up = widget->parentWidget(); up != modal;
                         up = up->parentWidget()) {
                        inner = inner || qobject_cast<QComboBox*>(up) ||
                                qobject_cast<QAbstractItemView*>(up) ||
                                qobject_cast<CIPAddressCtrlExt*>(up);
                    }
                    if (!control || inner) continue;
                    ++controls;
                    EXPECT_FALSE(widget->objectName().isEmpty())
                        << id << " " << widget->metaObject()->className() << " "
                        << ToStdString(widget->property("text").toString());
                }
                modal->reject();
            });
            EXPECT_FALSE(RunSettingDialogForButton(id, nullptr, image));
            EXPECT_GE(controls, 3) << id;
        }
    }
}

TEST(SettingDialogs, CancelAfterEditsLeavesTheImageUnchanged) {
    ParameterImage image = DefaultImageOfRow(RowWith(0, FAM_KT2_G2));
    const ParameterImage before = image;
    OnModal<CDisplayDialog>([](CDisplayDialog* dialog) {
        Child<QLineEdit>(dialog, CDisplayDialog::kDataView)->setText(QStringLiteral("77"));
        Child<QComboBox>(dialog, CDisplayDialog::kOperationMode)->setCurrentIndex(2);
        QTest::mouseClick(FindControlAs<QPushButton>(dialog, kIdCancel), Qt::LeftButton);
    });
    EXPECT_FALSE(RunSettingDialogForButton(kIdDisplay, nullptr, image));
    EXPECT_EQ(image.words, before.words);
}

TEST(SettingDialogs, OkBringsBackTheWholeCopyWithNestedEdits) {
    ParameterImage image = DefaultImageOfRow(RowWith(FEAT_DO1, 0));
    image.words[AlarmHysteresisWord(15)] = 1234;  // not shown by the output dialog
    const int row = image.deviceType.typeIndex;
    OnModal<CDiscreteOutputDialog>([](CDiscreteOutputDialog* dialog) {
        OnModal<CPulseDialog>([](CPulseDialog* pulse) {
            Child<QLineEdit>(pulse, CPulseDialog::kWeight)->setText(QStringLiteral("3.0"));
            EXPECT_TRUE(pulse->Accept());
        });
        QTest::mouseClick(
            FindControlAs<QPushButton>(dialog, CDiscreteOutputDialog::kOutputIds[0].energy),
            Qt::LeftButton);
        FindControlAs<QComboBox>(dialog, CDiscreteOutputDialog::kOutputIds[0].function)
            ->setCurrentIndex(1);
        QTest::mouseClick(FindControlAs<QPushButton>(dialog, kIdOk), Qt::LeftButton);
    });
    EXPECT_TRUE(RunSettingDialogForButton(kIdDoPo, nullptr, image));
    EXPECT_EQ(image.Get32(PulseRateWord(0)), 30u);
    EXPECT_EQ(image.words[DiscreteOutputFunctionWord(0)], 1);
    EXPECT_EQ(image.words[AlarmHysteresisWord(15)], 1234);
    EXPECT_EQ(image.deviceType.typeIndex, row);
}

TEST(SettingDialogs, ModbusButtonOpensTheDialogOfTheLink) {
    for (const bool tcp : {true, false}) {
        ParameterImage image =
            tcp ? DefaultImageOfRow(RowWith(FEAT_MODBUS_TCP, 0))
                : DefaultImageOfRow(RowWith(FEAT_MODBUS, 0, FEAT_MODBUS_TCP, FAM_ZB | FAM_ZC));
        bool opened = false;
        OnModal<QDialog>([&](QDialog* modal) {
            opened = tcp ? qobject_cast<CModbus2Dialog*>(modal) != nullptr
                         : qobject_cast<CModbusDialog*>(modal) != nullptr;
            modal->reject();
        });
        EXPECT_FALSE(RunSettingDialogForButton(kIdModbus, nullptr, image));
        EXPECT_TRUE(opened) << tcp;
    }
}

}  // namespace
}  // namespace voltaro
